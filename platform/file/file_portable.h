// What every system's file layer shares: the portable parts of paths, whole-file reads and
// temporary names, and what each system supplies to them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/file/file.h"

namespace file::portable {

// The home when the host set none (each system has its own).
std::string defaultHome();

// "\\" and "/" both end a directory's name in a path, on every system.
inline bool isSeparator(char c) {
    return c == '/' || c == '\\';
}

// A file changed at least this long before a read has a stamp that any later change alters,
// even on file systems whose timestamps are coarse (two seconds on FAT and on some others).
constexpr std::int64_t kSettledAfterNs = 3'000'000'000;

// The read had a stamp that did not change during it (after is the stamp at its end), of a
// change made long enough before it began (at startNs).
inline bool settledRead(const Stamp& before, const Stamp& after, std::int64_t startNs) {
    return after == before && before.modifiedNs + kSettledAfterNs <= startNs;
}

// Appends what read gives to content, chunk by chunk, up to maxBytes in all (reserving room
// for expected bytes). read(buffer, size) answers the bytes it read, 0 at the end of the file
// or a negative number on a failure; false then, with content emptied.
template <typename Read>
bool readChunks(std::string& content, std::size_t expected, std::size_t maxBytes, Read read) {
    content.reserve(expected < maxBytes ? expected : maxBytes);
    char chunk[65536];
    while (content.size() < maxBytes) {
        std::size_t want = maxBytes - content.size();
        if (want > sizeof chunk)
            want = sizeof chunk;
        const long long n = read(chunk, want);
        if (n < 0) {
            content.clear();
            return false;
        }
        if (n == 0)
            break;
        content.append(chunk, static_cast<std::size_t>(n));
    }
    return true;
}

// Temporary files of a replacement are named "<target>.tmp.<16 random hex digits>", so that
// names of processes that share a process number (one in a container, or one of a number used
// again) never meet.
inline constexpr std::string_view kTemporaryInfix = ".tmp.";
// Attempts at a fresh temporary name before giving up (a clash is already unlikely).
inline constexpr int kTemporaryNameAttempts = 8;
std::string temporaryName(const std::string& target);

}  // namespace file::portable
