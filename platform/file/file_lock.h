// An exclusive lock between processes, held on a lock file for the lifetime of the object.
#pragma once

#include <optional>
#include <string_view>

#include "platform/file/unique_fd.h"

namespace file {

class FileLock {
  public:
    // Creates the lock file when missing (it is never removed) and takes the lock, waiting at
    // most waitMs milliseconds for another holder to let go; nullopt when that fails.
    static std::optional<FileLock> acquire(std::string_view lockPath, int waitMs);

  private:
    explicit FileLock(UniqueFd fd) : fd_(std::move(fd)) {}
    UniqueFd fd_;  // closing it releases the lock
};

}  // namespace file
