// Atomic replacement of a file on Windows.
#include <windows.h>

#include <string>

#include "platform/file/file.h"
#include "platform/file/file_portable.h"
#include "platform/file/win32/handle.h"

namespace file {
namespace {

using win32::lastError;
using win32::UniqueHandle;
using win32::wide;

using portable::kTemporaryInfix;

// Removes "<name>.tmp.*" beside target: the temporary files of replacements that never reached
// their move. Every writer holds the file's lock, which the caller holds now, so none of them
// belongs to a writer still at work.
void removeTemporaries(const std::string& target) {
    const std::size_t slash = target.find_last_of("/\\");
    const std::string dir =
        slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    WIN32_FIND_DATAW found{};
    HANDLE search =
        ::FindFirstFileW(wide(target + std::string(kTemporaryInfix) + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
            ::DeleteFileW((wide(dir) + found.cFileName).c_str());
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
}

}  // namespace

// The content is flushed before the move, which the system writes through: a replacement that
// a crash interrupts leaves the old file.
Written replaceFile(std::string_view path, std::string_view content) {
    const std::string target = writeTarget(path);
    const DWORD attributes = win32::attributesOf(target);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0)
        return {Fault::readOnly};
    removeTemporaries(target);
    std::string temp;
    UniqueHandle handle;
    for (int attempt = 0; !handle && attempt < portable::kTemporaryNameAttempts; ++attempt) {
        temp = portable::temporaryName(target);
        handle = win32::openHandle(temp, GENERIC_WRITE, CREATE_NEW);
        if (!handle && ::GetLastError() != ERROR_FILE_EXISTS)
            break;
    }
    if (!handle)
        return {lastError()};
    std::error_code error;
    if (!win32::writeAll(handle.get(), content) || !::FlushFileBuffers(handle.get()))
        error = lastError();
    handle.reset();
    if (!error && !::MoveFileExW(wide(temp).c_str(), wide(target).c_str(),
                                 MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error = lastError();
    }
    if (error)
        ::DeleteFileW(wide(temp).c_str());
    return {error};
}

}  // namespace file
