// Files on Windows: drive and UNC paths in the system code page, the home in the agent's
// application data, stamps and whole-file reads in binary mode.
#include "platform/file/file.h"

#include <windows.h>
// After windows.h, which they need.
#include <shlobj.h>

#include <cerrno>
#include <cstdlib>
#include <string>

#include "platform/file/file_portable.h"
#include "platform/file/win32/handle.h"

namespace file {
namespace {

using win32::attributesOf;
using win32::isRegular;
using win32::lastErrno;
using win32::narrow;
using win32::openHandle;
using win32::UniqueHandle;
using win32::wide;

using portable::isSeparator;

std::string environment(const wchar_t* name) {
    const wchar_t* value = ::_wgetenv(name);
    return value != nullptr ? narrow(value) : std::string();
}

// Whether a path names its place without the home: a share (\\server\share), a drive (C:\,
// and C:x, relative to that drive's own directory) or the root of the current drive (\x).
bool isAbsolute(std::string_view path) {
    if (!path.empty() && isSeparator(path[0]))
        return true;
    return path.size() >= 2 && path[1] == ':';
}

// From the system's time (100 ns units since 1601) to nanoseconds since 1970.
constexpr std::int64_t kUnixEpochTicks = 116'444'736'000'000'000;

std::int64_t nanoseconds(FILETIME time) {
    const std::int64_t ticks = static_cast<std::int64_t>(
        (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime);
    return (ticks - kUnixEpochTicks) * 100;
}

std::int64_t nowNs() {
    FILETIME now{};
    ::GetSystemTimePreciseAsFileTime(&now);
    return nanoseconds(now);
}

std::optional<Stamp> stampOfHandle(HANDLE handle) {
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(handle, &info))
        return std::nullopt;
    return Stamp{info.dwVolumeSerialNumber,
                 (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow,
                 (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow,
                 nanoseconds(info.ftLastWriteTime)};
}

// A final path as the system answers it ("\\?\C:\..." or "\\?\UNC\server\...") as a drive
// path or a share again.
std::string withoutLongPrefix(std::wstring path) {
    if (path.starts_with(L"\\\\?\\UNC\\"))
        path = L"\\" + path.substr(7);
    else if (path.starts_with(L"\\\\?\\"))
        path = path.substr(4);
    return narrow(path);
}

}  // namespace

std::string portable::defaultHome() {
    if (std::string dir = environment(L"QUORVEX_HOME"); !dir.empty())
        return dir;
    PWSTR appData = nullptr;
    std::string dir;
    if (::SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &appData) == S_OK)
        dir = narrow(appData);
    ::CoTaskMemFree(appData);
    return joinPath(dir.empty() ? std::string_view(".") : std::string_view(dir), "Quorvex");
}

char separator() {
    return '\\';
}

std::string resolve(std::string_view path) {
    std::string result(path);
    if (isAbsolute(result))
        return result;
    return joinPath(homeDirectory(), result);
}

std::string writeTarget(std::string_view path) {
    const std::string resolved = resolve(path);
    const DWORD attributes = attributesOf(resolved);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0)
        return resolved;
    // A link: the file it leads to, as the system names it once every link is followed.
    UniqueHandle handle = openHandle(resolved, 0, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS);
    if (!handle)
        return resolved;
    std::wstring target(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = ::GetFinalPathNameByHandleW(handle.get(), target.data(),
                                                    static_cast<DWORD>(target.size()),
                                                    FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
        if (n == 0)
            return resolved;
        if (n < target.size()) {
            target.resize(n);
            return withoutLongPrefix(std::move(target));
        }
        target.resize(n);
    }
}

bool ensureDirectory(std::string_view dir, std::error_code* error) {
    const std::string path = resolve(dir);
    // Every prefix that ends before a separator, past the drive or the share.
    std::size_t start = 0;
    if (path.size() >= 2 && isSeparator(path[0]) && isSeparator(path[1])) {
        start = path.find_first_of("/\\", 2);  // the server
        start = start == std::string::npos ? path.size() : path.find_first_of("/\\", start + 1);
    } else if (path.size() >= 2 && path[1] == ':') {
        start = 2;
    }
    DWORD failure = ERROR_SUCCESS;
    for (std::size_t pos = start == std::string::npos ? path.size() : start + 1; pos <= path.size();
         ++pos) {
        if (pos < path.size() && !isSeparator(path[pos]))
            continue;
        if (!::CreateDirectoryW(wide(path.substr(0, pos)).c_str(), nullptr) &&
            ::GetLastError() != ERROR_ALREADY_EXISTS) {
            failure = ::GetLastError();
        }
    }
    const DWORD attributes = attributesOf(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return true;
    if (error != nullptr) {
        const int number = attributes != INVALID_FILE_ATTRIBUTES ? ENOTDIR
                           : failure != ERROR_SUCCESS            ? win32::errnoOf(failure)
                                                                 : lastErrno();
        *error = {number, std::generic_category()};
    }
    return false;
}

std::optional<Stamp> stampOf(std::string_view path) {
    UniqueHandle handle = openHandle(resolve(path), 0, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS);
    return handle ? stampOfHandle(handle.get()) : std::nullopt;
}

ReadResult readWholeFile(std::string_view path, std::size_t maxBytes) {
    ReadResult result;
    const std::string resolved = resolve(path);
    const std::int64_t startNs = nowNs();
    const DWORD attributes = attributesOf(resolved);
    if (attributes != INVALID_FILE_ATTRIBUTES && !isRegular(attributes)) {
        result.error = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? EISDIR : EINVAL;
        return result;
    }
    UniqueHandle handle = openHandle(resolved, GENERIC_READ, OPEN_EXISTING);
    if (!handle) {
        result.error = lastErrno();
        return result;
    }
    const std::optional<Stamp> stamp = stampOfHandle(handle.get());
    if (!stamp) {
        result.error = lastErrno();
        return result;
    }
    result.opened = true;
    result.stamp = *stamp;
    const bool read = portable::readChunks(
        result.content, static_cast<std::size_t>(stamp->size), maxBytes,
        [&handle](char* buffer, std::size_t size) {
            DWORD got = 0;
            if (!::ReadFile(handle.get(), buffer, static_cast<DWORD>(size), &got, nullptr))
                return -1LL;
            return static_cast<long long>(got);
        });
    if (!read) {
        result.error = lastErrno();
        return result;
    }
    const std::optional<Stamp> after = stampOfHandle(handle.get());
    result.settled = after && portable::settledRead(result.stamp, *after, startNs);
    return result;
}

std::string modulePath(const void* address) {
    HMODULE module = nullptr;
    if (address == nullptr ||
        !::GetModuleHandleExW(
            GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
            static_cast<LPCWSTR>(address), &module)) {
        return {};
    }
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n =
            ::GetModuleFileNameW(module, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0)
            return {};
        if (n < buffer.size()) {
            buffer.resize(n);
            return narrow(buffer);
        }
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace file
