// Atomic replacement of a file on a POSIX system.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/file/file.h"
#include "platform/file/file_portable.h"
#include "platform/file/unique_fd.h"
#include "platform/file/write_all.h"

namespace file {
namespace {

using portable::kTemporaryInfix;

std::error_code lastError() {
    return {errno, std::generic_category()};
}

// Removes "<name>.tmp.*" beside target: the temporary files of replacements that never reached
// their rename. Every writer holds the file's lock, which the caller holds now, so none of them
// belongs to a writer still at work.
void removeTemporaries(const std::string& target) {
    const std::size_t slash = target.find_last_of('/');
    const std::string dir = slash == std::string::npos ? "." : target.substr(0, slash + 1);
    const std::string prefix = (slash == std::string::npos ? target : target.substr(slash + 1)) +
                               std::string(kTemporaryInfix);
    DIR* listing = ::opendir(dir.c_str());
    if (listing == nullptr)
        return;
    while (const dirent* entry = ::readdir(listing)) {
        if (std::string_view(entry->d_name).starts_with(prefix))
            ::unlink((dir + entry->d_name).c_str());
    }
    ::closedir(listing);
}

// A file is read-only when it grants nobody write access (as the read-only attribute of other
// systems does), or when this user may not write it.
bool isReadOnly(const std::string& target, const struct stat& info) {
    return (info.st_mode & 0222) == 0 || (::access(target.c_str(), W_OK) != 0 && errno == EACCES);
}

}  // namespace

// The data is not synced before the rename: an agent waits on every save, a sync costs several
// milliseconds, and the file systems we run on (ext4 by default) write the data of a file that
// replaces another by rename before the rename itself.
Written replaceFile(std::string_view path, std::string_view content) {
    const std::string target = writeTarget(path);
    struct stat existing {};
    const bool hadFile = ::stat(target.c_str(), &existing) == 0;
    if (hadFile && isReadOnly(target, existing))
        return {Fault::readOnly};
    removeTemporaries(target);
    std::string temp;
    UniqueFd fd;
    for (int attempt = 0; !fd && attempt < portable::kTemporaryNameAttempts; ++attempt) {
        temp = portable::temporaryName(target);
        fd = UniqueFd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (!fd && errno != EEXIST)
            break;
    }
    if (!fd)
        return {lastError()};
    std::error_code error;
    if (!writeAll(fd.get(), content) ||
        (hadFile && ::fchmod(fd.get(), existing.st_mode & 07777) != 0)) {
        error = lastError();
    }
    if (fd.close() != 0 && !error)
        error = lastError();
    if (!error && ::rename(temp.c_str(), target.c_str()) != 0)
        error = lastError();
    if (error)
        ::unlink(temp.c_str());
    return {error};
}

}  // namespace file
