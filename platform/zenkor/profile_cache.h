// Profile files as last read, shared by their readers while the file stays unchanged: every
// mask's construction and activation look up a few values of files that may be large, and
// must not read them whole each time.
#pragma once

#include <cstddef>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

#include "platform/zenkor/ini_file.h"

namespace zenkor {

// A profile file's content as read at one time. Lookups may come from several threads.
class ProfileSnapshot {
  public:
    explicit ProfileSnapshot(std::string text) : file_(std::move(text)) {}
    // The value of key in section as IniFile::find reads it, copied.
    std::optional<std::string> find(std::string_view section, std::string_view key) const;

  private:
    mutable std::mutex mutex_;
    IniFile file_;  // its lookups gather sections and keys as they go
};

// The file at path (resolved in the home directory) as it is now, at most maxBytes of it; a
// missing or unreadable file reads as empty. A file read before is not read again while its
// stamp shows it unchanged.
std::shared_ptr<const ProfileSnapshot> readProfile(std::string_view path, std::size_t maxBytes);

}  // namespace zenkor
