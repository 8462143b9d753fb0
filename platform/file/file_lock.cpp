#include "platform/file/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>

#include <cerrno>
#include <ctime>
#include <string>

#include "platform/file/file.h"

namespace file {
namespace {

void pause(long nanoseconds) {
    timespec delay{0, nanoseconds};
    while (::nanosleep(&delay, &delay) != 0 && errno == EINTR) {
    }
}

std::optional<FileLock> failed(std::error_code* error, std::error_code why) {
    if (error != nullptr)
        *error = why;
    return std::nullopt;
}

}  // namespace

std::optional<FileLock> FileLock::acquire(std::string_view lockPath, int waitMs,
                                          std::error_code* error) {
    std::string path = resolve(lockPath);
    UniqueFd fd(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0666));
    if (!fd)
        return failed(error, {errno, std::generic_category()});
    // Polls rather than blocks, so that a stuck holder cannot hang the caller for ever.
    constexpr long kStepNs = 1'000'000;
    long waitedNs = 0;
    const long limitNs = static_cast<long>(waitMs < 0 ? 0 : waitMs) * 1'000'000L;
    while (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR)
            continue;
        if (errno != EWOULDBLOCK)
            return failed(error, {errno, std::generic_category()});
        if (waitedNs >= limitNs)
            return failed(error, Fault::locked);
        pause(kStepNs);
        waitedNs += kStepNs;
    }
    return FileLock(std::move(fd));
}

std::optional<FileLock> FileLock::forFile(std::string_view path, int waitMs,
                                          std::error_code* error) {
    return acquire(writeTarget(path) + ".lock", waitMs, error);
}

}  // namespace file
