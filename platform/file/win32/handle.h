// What the Windows file layer's parts share: paths in UTF-16, owned handles, and system errors
// as the error numbers that the portable layers compare and print.
#pragma once

#include <windows.h>

#include <cerrno>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>

#include "platform/text/win32/wide.h"

namespace file::win32 {

// Paths are text of the system code page inside; the system gets them in UTF-16.
using text::narrow;
using text::wide;

struct HandleCloser {
    void operator()(HANDLE handle) const { ::CloseHandle(handle); }
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

// Opened as other processes may read, write, rename and delete it meanwhile (as a POSIX file
// may be), so that no reader ever stops a replacement or a rotation.
inline UniqueHandle openHandle(const std::string& path, DWORD access, DWORD disposition,
                               DWORD flags = FILE_ATTRIBUTE_NORMAL) {
    HANDLE handle = ::CreateFileW(wide(path).c_str(), access,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  disposition, flags, nullptr);
    return UniqueHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

// The errno value nearest to a system error, so that reasons read alike on every system.
inline int errnoOf(DWORD error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
        case ERROR_BAD_NETPATH:
            return ENOENT;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_WRITE_PROTECT:
            return EACCES;
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            return EEXIST;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return ENOSPC;
        case ERROR_DIRECTORY:
            return ENOTDIR;
        case ERROR_FILE_TOO_LARGE:
            return EFBIG;
        case ERROR_LOCK_VIOLATION:
            return EWOULDBLOCK;
        default:
            return EIO;
    }
}

inline int lastErrno() {
    return errnoOf(::GetLastError());
}

inline std::error_code lastError() {
    return {lastErrno(), std::generic_category()};
}

// Writes all of data; false at the first failure (GetLastError tells why), with what was
// written before it left in place.
inline bool writeAll(HANDLE handle, std::string_view data) {
    while (!data.empty()) {
        const DWORD chunk = data.size() > (1u << 30) ? (1u << 30) : static_cast<DWORD>(data.size());
        DWORD written = 0;
        if (!::WriteFile(handle, data.data(), chunk, &written, nullptr))
            return false;
        if (written == 0) {
            ::SetLastError(ERROR_HANDLE_DISK_FULL);
            return false;
        }
        data.remove_prefix(written);
    }
    return true;
}

// A file's attributes, or INVALID_FILE_ATTRIBUTES when there is none.
inline DWORD attributesOf(const std::string& path) {
    return ::GetFileAttributesW(wide(path).c_str());
}

inline bool isRegular(DWORD attributes) {
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
           (attributes & FILE_ATTRIBUTE_DEVICE) == 0;
}

}  // namespace file::win32
