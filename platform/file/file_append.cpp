// Appending to shared files on a POSIX system: the log, the start-up queue.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/file/file.h"
#include "platform/file/file_lock.h"
#include "platform/file/unique_fd.h"
#include "platform/file/write_all.h"

namespace file {
namespace {

std::error_code lastError() {
    return {errno, std::generic_category()};
}

// Whether the file open at fd, of size bytes, ends in a line break (an empty one counts).
bool endsInLineBreak(const std::string& path, off_t size) {
    if (size <= 0)
        return true;
    UniqueFd reader(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    char last = '\n';
    return !reader || ::pread(reader.get(), &last, 1, size - 1) != 1 || last == '\n';
}

}  // namespace

Written appendFile(std::string_view path, std::string_view data, AppendOptions options) {
    const std::string resolved = resolve(path);
    UniqueFd fd(
        ::open(resolved.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0666));
    if (!fd)
        return {lastError()};
    struct stat before {};
    if ((options.onNewLine || options.undoPartial) && ::fstat(fd.get(), &before) != 0)
        return {lastError()};
    std::string ended;
    if (options.onNewLine && !endsInLineBreak(resolved, before.st_size)) {
        ended.reserve(data.size() + 1);
        ended.append("\n").append(data);
        data = ended;
    }
    if (!writeAll(fd.get(), data)) {
        const std::error_code error = lastError();
        if (options.undoPartial && S_ISREG(before.st_mode))
            (void)::ftruncate(fd.get(), before.st_size);
        return {error};
    }
    return {fd.close() == 0 ? std::error_code() : lastError()};
}

void rotateFile(std::string_view path, std::uint64_t maxBytes, int waitMs) {
    const std::string target = writeTarget(path);
    auto isLarge = [&] {
        struct stat info {};
        return ::stat(target.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
               static_cast<std::uint64_t>(info.st_size) > maxBytes;
    };
    if (!isLarge())
        return;
    auto lock = FileLock::acquire(target + ".lock", waitMs);
    if (lock && isLarge())
        ::rename(target.c_str(), (target + ".old").c_str());
}

}  // namespace file
