// Files of the installation and of the agent's home, as the operating system names them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace file {

// The operating system's directory separator ("\\" on Windows, "/" elsewhere).
char separator();

// dir + separator + name, after removing trailing separators of dir ("\\" on every system,
// and "/" where it is the separator). An empty dir gives name alone.
std::string joinPath(std::string_view dir, std::string_view name);

// The directory where every file named without a directory lives (the profile, the start-up
// queue, the log). Set by the host; by default $QUORVEX_HOME, else $XDG_CONFIG_HOME/quorvex,
// else ~/.config/quorvex.
std::string homeDirectory();
void setHomeDirectory(std::string dir);

// A path named without a directory (or relative) resolves in the home directory. Where "/" is
// the separator, "\\" in the path is taken as a separator too (settings are written with it).
std::string resolve(std::string_view path);

// Creates a directory and its missing parents; true when it exists afterwards.
bool ensureDirectory(std::string_view dir);

struct ReadResult {
    std::string content;
    int error = 0;  // the system error number when the file could not be opened or sized
    bool opened = false;
};
// Reads a whole file as bytes, at most maxBytes of it (a larger file reads as its first
// maxBytes bytes).
ReadResult readWholeFile(std::string_view path, std::size_t maxBytes = 16u << 20);

// Replaces a file atomically: the content is written beside it and renamed over it.
// readWholeFile and replaceFile resolve their path as resolve() does.
bool replaceFile(std::string_view path, std::string_view content);

// Appends data to a file in one write, so that lines of several processes never interleave,
// creating the file (not its directory) when missing. Never waits on something that is not a
// regular file. False when the file could not be opened or written whole.
bool appendToFile(std::string_view path, std::string_view data);

// The size of the regular file at path; nullopt when there is none (or it is something else).
std::optional<std::uint64_t> regularFileSize(std::string_view path);

// Renames a file, replacing the file that had the new name. False when that failed.
bool renameReplacing(std::string_view from, std::string_view to);

// The full path of the program or library that holds the address; "" when unknown.
std::string modulePath(const void* address);

}  // namespace file
