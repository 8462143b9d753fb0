// Files on a POSIX system: paths, the home directory, whole-file reads and atomic replacement.
#include "platform/file/file.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <mutex>

#include "platform/file/unique_fd.h"

namespace file {
namespace {

std::mutex homeMutex;
std::string& homeOverride() {
    static std::string dir;
    return dir;
}

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

std::string defaultHome() {
    if (std::string dir = environment("QUORVEX_HOME"); !dir.empty())
        return dir;
    if (std::string dir = environment("XDG_CONFIG_HOME"); !dir.empty()) {
        return joinPath(dir, "quorvex");
    }
    const std::string home = environment("HOME");
    return joinPath(home.empty() ? std::string_view(".") : std::string_view(home),
                    ".config/quorvex");
}

bool isSeparator(char c) {
    return c == '/' || c == '\\';
}

// Writes all of data, retrying short writes and interruptions.
bool writeAll(int fd, std::string_view data) {
    while (!data.empty()) {
        ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// The file a path names, following a symbolic link so that replacing keeps the link.
std::string replacementTarget(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
        char target[PATH_MAX];
        if (::realpath(path.c_str(), target) != nullptr)
            return target;
    }
    return path;
}

}  // namespace

char separator() {
    return '/';
}

std::string joinPath(std::string_view dir, std::string_view name) {
    if (dir.empty())
        return std::string(name);
    std::size_t end = dir.size();
    while (end > 0 && isSeparator(dir[end - 1]))
        --end;
    // A directory made only of separators is the root, not "no directory".
    std::string result(dir.substr(0, end));
    result += separator();
    result += name;
    return result;
}

std::string homeDirectory() {
    {
        std::lock_guard lock(homeMutex);
        if (!homeOverride().empty())
            return homeOverride();
    }
    return defaultHome();
}

void setHomeDirectory(std::string dir) {
    std::lock_guard lock(homeMutex);
    homeOverride() = std::move(dir);
}

std::string resolve(std::string_view path) {
    std::string result(path);
    for (char& c : result) {
        if (c == '\\')
            c = '/';
    }
    if (!result.empty() && result.front() == '/')
        return result;
    return joinPath(homeDirectory(), result);
}

bool ensureDirectory(std::string_view dir) {
    std::string path = resolve(dir);
    for (std::size_t pos = 1; pos <= path.size(); ++pos) {
        if (pos < path.size() && path[pos] != '/')
            continue;
        std::string prefix = path.substr(0, pos);
        if (::mkdir(prefix.c_str(), 0777) != 0 && errno != EEXIST)
            return false;
    }
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

ReadResult readWholeFile(std::string_view path, std::size_t maxBytes) {
    ReadResult result;
    std::string resolved = resolve(path);
    // Without blocking: a FIFO put where a file belongs must not hang the reader.
    UniqueFd fd(::open(resolved.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!fd) {
        result.error = errno;
        return result;
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
        result.error = errno;
        return result;
    }
    // Only regular files are read; anything else cannot be sized.
    if (!S_ISREG(info.st_mode)) {
        result.error = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        return result;
    }
    result.opened = true;
    std::size_t expected = info.st_size > 0 ? static_cast<std::size_t>(info.st_size) : 0;
    result.content.reserve(expected < maxBytes ? expected : maxBytes);
    char chunk[65536];
    while (result.content.size() < maxBytes) {
        std::size_t want = maxBytes - result.content.size();
        if (want > sizeof chunk)
            want = sizeof chunk;
        ssize_t n = ::read(fd.get(), chunk, want);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            result.error = errno;
            result.content.clear();
            return result;
        }
        if (n == 0)
            break;
        result.content.append(chunk, static_cast<std::size_t>(n));
    }
    return result;
}

// The content goes to a file beside the target, which is then renamed over it: whoever reads
// the file, and whatever happens to this process meanwhile, finds the old file or the new one,
// whole. The data is not synced before the rename: an agent waits on every save, a sync costs
// several milliseconds, and the file systems we run on (ext4 by default) write the data of a
// file that replaces another by rename before the rename itself.
bool replaceFile(std::string_view path, std::string_view content) {
    static std::atomic<unsigned> counter{0};
    std::string target = replacementTarget(resolve(path));
    std::string temp =
        target + ".tmp." + std::to_string(::getpid()) + "." + std::to_string(counter.fetch_add(1));
    struct stat existing {};
    bool hadFile = ::stat(target.c_str(), &existing) == 0;
    {
        UniqueFd fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (!fd)
            return false;
        bool written = writeAll(fd.get(), content) &&
                       (!hadFile || ::fchmod(fd.get(), existing.st_mode & 07777) == 0);
        if (!written || fd.close() != 0) {
            ::unlink(temp.c_str());
            return false;
        }
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    return true;
}

bool appendToFile(std::string_view path, std::string_view data) {
    const std::string resolved = resolve(path);
    UniqueFd fd(
        ::open(resolved.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0666));
    return fd && writeAll(fd.get(), data) && fd.close() == 0;
}

std::optional<std::uint64_t> regularFileSize(std::string_view path) {
    struct stat info {};
    if (::stat(resolve(path).c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return static_cast<std::uint64_t>(info.st_size);
}

bool renameReplacing(std::string_view from, std::string_view to) {
    return ::rename(resolve(from).c_str(), resolve(to).c_str()) == 0;
}

std::string modulePath(const void* address) {
    Dl_info info{};
    if (address == nullptr || ::dladdr(address, &info) == 0 || info.dli_fname == nullptr)
        return {};
    std::error_code error;
    const std::filesystem::path path = std::filesystem::absolute(info.dli_fname, error);
    return error ? std::string(info.dli_fname) : path.string();
}

}  // namespace file
