// Files on a POSIX system: paths, the home directory, stamps and whole-file reads.
#include "platform/file/file.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <ctime>
#include <filesystem>

#include "platform/file/file_portable.h"
#include "platform/file/unique_fd.h"

namespace file {
namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

std::int64_t nowNs() {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

Stamp stampFrom(const struct stat& info) {
    return {static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino),
            static_cast<std::uint64_t>(info.st_size),
            static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec};
}

}  // namespace

std::string portable::defaultHome() {
    if (std::string dir = environment("QUORVEX_HOME"); !dir.empty())
        return dir;
    if (std::string dir = environment("XDG_CONFIG_HOME"); !dir.empty()) {
        return joinPath(dir, "quorvex");
    }
    const std::string home = environment("HOME");
    return joinPath(home.empty() ? std::string_view(".") : std::string_view(home),
                    ".config/quorvex");
}

char separator() {
    return '/';
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

std::string writeTarget(std::string_view path) {
    std::string resolved = resolve(path);
    struct stat info {};
    if (::lstat(resolved.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
        char target[PATH_MAX];
        if (::realpath(resolved.c_str(), target) != nullptr)
            return target;
    }
    return resolved;
}

bool ensureDirectory(std::string_view dir, std::error_code* error) {
    auto fail = [error](int number) {
        if (error != nullptr)
            *error = {number, std::generic_category()};
        return false;
    };
    std::string path = resolve(dir);
    for (std::size_t pos = 1; pos <= path.size(); ++pos) {
        if (pos < path.size() && path[pos] != '/')
            continue;
        std::string prefix = path.substr(0, pos);
        if (::mkdir(prefix.c_str(), 0777) != 0 && errno != EEXIST)
            return fail(errno);
    }
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return fail(errno);
    return S_ISDIR(info.st_mode) || fail(ENOTDIR);
}

std::optional<Stamp> stampOf(std::string_view path) {
    struct stat info {};
    if (::stat(resolve(path).c_str(), &info) != 0)
        return std::nullopt;
    return stampFrom(info);
}

ReadResult readWholeFile(std::string_view path, std::size_t maxBytes) {
    ReadResult result;
    std::string resolved = resolve(path);
    const std::int64_t startNs = nowNs();
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
    result.stamp = stampFrom(info);
    const std::size_t expected = info.st_size > 0 ? static_cast<std::size_t>(info.st_size) : 0;
    const bool read = portable::readChunks(result.content, expected, maxBytes,
                                           [&fd](char* buffer, std::size_t size) {
                                               ssize_t n = 0;
                                               do {
                                                   n = ::read(fd.get(), buffer, size);
                                               } while (n < 0 && errno == EINTR);
                                               return static_cast<long long>(n);
                                           });
    if (!read) {
        result.error = errno;
        return result;
    }
    struct stat after {};
    result.settled = ::fstat(fd.get(), &after) == 0 &&
                     portable::settledRead(result.stamp, stampFrom(after), startNs);
    return result;
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
