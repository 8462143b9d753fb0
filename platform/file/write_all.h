// Writing a whole buffer to a POSIX file descriptor.
#pragma once

#include <unistd.h>

#include <cerrno>
#include <string_view>

namespace file {

// Writes all of data, going on after short writes and interruptions; false at the first
// failure (errno tells why), with what was written before it left in place.
inline bool writeAll(int fd, std::string_view data) {
    while (!data.empty()) {
        ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0) {
            errno = EIO;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

}  // namespace file
