// An exclusive lock between processes, held on a lock file for the lifetime of the object.
#pragma once

#include <optional>
#include <string_view>
#include <system_error>

#include "platform/file/unique_fd.h"

namespace file {

class FileLock {
  public:
    // Creates the lock file when missing (it is never removed) and takes the lock, waiting at
    // most waitMs milliseconds for another holder to let go. nullopt when that fails, with the
    // reason in error (when given): Fault::locked when the wait ran out.
    static std::optional<FileLock> acquire(std::string_view lockPath, int waitMs,
                                           std::error_code* error = nullptr);
    // The lock of the file that writing path changes: "<target>.lock" beside the target of
    // its symbolic links, so that every writer of one file takes one lock, whatever name it
    // gave the file.
    static std::optional<FileLock> forFile(std::string_view path, int waitMs,
                                           std::error_code* error = nullptr);

  private:
    explicit FileLock(UniqueFd fd) : fd_(std::move(fd)) {}
    UniqueFd fd_;  // closing it releases the lock
};

}  // namespace file
