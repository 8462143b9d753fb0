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

}  // namespace

std::optional<FileLock> FileLock::acquire(std::string_view lockPath, int waitMs) {
    std::string path = resolve(lockPath);
    UniqueFd fd(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666));
    if (!fd)
        return std::nullopt;
    // Polls rather than blocks, so that a stuck holder cannot hang the caller for ever.
    constexpr long kStepNs = 1'000'000;
    long waitedNs = 0;
    const long limitNs = static_cast<long>(waitMs < 0 ? 0 : waitMs) * 1'000'000L;
    while (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR)
            continue;
        if (errno != EWOULDBLOCK || waitedNs >= limitNs)
            return std::nullopt;
        pause(kStepNs);
        waitedNs += kStepNs;
    }
    return FileLock(std::move(fd));
}

}  // namespace file
