// Appending to shared files on Windows: the log, the start-up queue.
#include <windows.h>

#include <string>

#include "platform/file/file.h"
#include "platform/file/file_lock.h"
#include "platform/file/win32/handle.h"

namespace file {
namespace {

using win32::lastError;
using win32::openHandle;
using win32::UniqueHandle;

std::optional<std::uint64_t> regularSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(win32::wide(path).c_str(), GetFileExInfoStandard, &data) ||
        !win32::isRegular(data.dwFileAttributes)) {
        return std::nullopt;
    }
    return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// Whether the file, of size bytes, ends in a line break (an empty one counts).
bool endsInLineBreak(const std::string& path, std::uint64_t size) {
    if (size == 0)
        return true;
    UniqueHandle reader = openHandle(path, GENERIC_READ, OPEN_EXISTING);
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(size - 1);
    at.OffsetHigh = static_cast<DWORD>((size - 1) >> 32);
    char last = '\n';
    DWORD got = 0;
    return !reader || !::ReadFile(reader.get(), &last, 1, &got, &at) || got != 1 || last == '\n';
}

// Cuts the file back to size bytes.
void truncate(const std::string& path, std::uint64_t size) {
    UniqueHandle writer = openHandle(path, GENERIC_WRITE, OPEN_EXISTING);
    FILE_END_OF_FILE_INFO end{};
    end.EndOfFile.QuadPart = static_cast<LONGLONG>(size);
    if (writer)
        ::SetFileInformationByHandle(writer.get(), FileEndOfFileInfo, &end, sizeof end);
}

}  // namespace

// A handle that may only append writes each WriteFile at the end of the file in one piece, as
// O_APPEND does.
Written appendFile(std::string_view path, std::string_view data, AppendOptions options) {
    const std::string resolved = resolve(path);
    const DWORD attributes = win32::attributesOf(resolved);
    if (attributes != INVALID_FILE_ATTRIBUTES && !win32::isRegular(attributes))
        return {Fault::notRegular};
    UniqueHandle handle = openHandle(resolved, FILE_APPEND_DATA, OPEN_ALWAYS);
    if (!handle)
        return {lastError()};
    std::uint64_t before = 0;
    if (options.onNewLine || options.undoPartial) {
        LARGE_INTEGER size{};
        if (!::GetFileSizeEx(handle.get(), &size))
            return {lastError()};
        before = static_cast<std::uint64_t>(size.QuadPart);
    }
    std::string ended;
    if (options.onNewLine && !endsInLineBreak(resolved, before)) {
        ended.reserve(data.size() + 1);
        ended.append("\n").append(data);
        data = ended;
    }
    if (!win32::writeAll(handle.get(), data)) {
        const std::error_code error = lastError();
        handle.reset();
        if (options.undoPartial)
            truncate(resolved, before);
        return {error};
    }
    return {};
}

void rotateFile(std::string_view path, std::uint64_t maxBytes, int waitMs) {
    const std::string target = writeTarget(path);
    auto isLarge = [&] { return regularSize(target).value_or(0) > maxBytes; };
    if (!isLarge())
        return;
    auto lock = FileLock::acquire(target + ".lock", waitMs);
    if (lock && isLarge()) {
        ::MoveFileExW(win32::wide(target).c_str(), win32::wide(target + ".old").c_str(),
                      MOVEFILE_REPLACE_EXISTING);
    }
}

}  // namespace file
