// Files of the installation and of the agent's home, as the operating system names them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

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

// The file that writing path changes: path resolved, and where it is a symbolic link, the
// file the link leads to (writing keeps the link and changes its target).
std::string writeTarget(std::string_view path);

// Creates a directory and its missing parents; true when it exists afterwards, else the
// reason in error (when given).
bool ensureDirectory(std::string_view dir, std::error_code* error = nullptr);

// Faults of the file layer that are not errors of the system.
enum class Fault {
    readOnly = 1,  // the file is marked read-only, or this user may not write it
    locked,        // another process held the lock for longer than the caller waits
    notRegular,    // not a regular file (a FIFO, a device)
};
const std::error_category& faultCategory();
inline std::error_code make_error_code(Fault fault) {
    return {static_cast<int>(fault), faultCategory()};
}

// The outcome of a write: true when it was done, else the error says why.
struct Written {
    std::error_code error;
    explicit operator bool() const { return !error; }
};

// One version of a file: which file it is (device and number) and its size and time of last
// change. Two reads of a file that show equal stamps read the same content, provided the
// first read was settled (see ReadResult).
struct Stamp {
    std::uint64_t device = 0;
    std::uint64_t id = 0;
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0;
    bool operator==(const Stamp&) const = default;
};
// The stamp of the file at path now (links followed), or nullopt when there is none.
std::optional<Stamp> stampOf(std::string_view path);

struct ReadResult {
    std::string content;
    int error = 0;  // the system error number when the file could not be opened or sized;
                    // EINVAL for a file that is not a regular file (nor a directory)
    bool opened = false;
    Stamp stamp;  // of the file read
    // The file was last changed long enough before this read, and not during it, for any
    // later change to show in its stamp (timestamps have a granularity of their own).
    bool settled = false;
};
// Reads a whole file as bytes, at most maxBytes of it (a larger file reads as its first
// maxBytes bytes).
ReadResult readWholeFile(std::string_view path, std::size_t maxBytes = 16u << 20);

// Replaces a file atomically: the content is written beside it and renamed over it, so that
// whatever happens meanwhile, the file is found old or new, whole. A symbolic link is kept and
// its target replaced. A read-only file is not replaced (Fault::readOnly). The caller holds the
// file's lock (FileLock::forFile): temporary files beside it are those of writers killed
// before their rename, and are removed.
Written replaceFile(std::string_view path, std::string_view content);

struct AppendOptions {
    // A file that does not end in a line break gets one before the data.
    bool onNewLine = false;
    // A write that stops part-way (a full disk, a file-size limit) is taken back: the file is
    // cut to its size before. Only a holder of the file's lock may do so, since the cut would
    // also take what other processes appended meanwhile.
    bool undoPartial = false;
};
// Appends data to a file (created when missing; a FIFO in its place never blocks), in one
// write where the system allows, so that what processes append at once never interleaves.
Written appendFile(std::string_view path, std::string_view data, AppendOptions options);

// Moves a file grown past maxBytes aside to "<file>.old" (links followed), under the file's
// lock and only when the file is still the large one: processes that find it large at once
// move it aside once, and none moves aside the fresh file of another. Without the lock
// within waitMs nothing is moved.
void rotateFile(std::string_view path, std::uint64_t maxBytes, int waitMs);

// The full path of the program or library that holds the address; "" when unknown.
std::string modulePath(const void* address);

}  // namespace file

template <>
struct std::is_error_code_enum<file::Fault> : std::true_type {};
