// Files on Windows: drive and UNC paths in the system code page, the home in the agent's
// application data, whole-file reads in binary mode and replacement by MoveFileExW.
#include "platform/file/file.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shlobj.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <string>

#include "platform/text/codepage.h"

namespace file {
namespace {

std::mutex homeMutex;
std::string& homeOverride() {
    static std::string dir;
    return dir;
}

// Paths are text of the system code page inside; the system gets them in UTF-16.
std::wstring wide(std::string_view path) {
    const std::u16string utf16 = text::fromAnsi(path);
    return std::wstring(utf16.begin(), utf16.end());
}

std::string narrow(std::wstring_view path) {
    return text::toAnsi(std::u16string(path.begin(), path.end()));
}

struct HandleCloser {
    void operator()(HANDLE handle) const { ::CloseHandle(handle); }
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

UniqueHandle openHandle(const std::string& path, DWORD access, DWORD disposition) {
    HANDLE handle = ::CreateFileW(wide(path).c_str(), access,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    return UniqueHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

// The errno value nearest to the last system error, for ReadResult.
int lastErrno() {
    switch (::GetLastError()) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
            return ENOENT;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
            return EACCES;
        default:
            return EIO;
    }
}

std::string environment(const wchar_t* name) {
    const wchar_t* value = ::_wgetenv(name);
    return value != nullptr ? narrow(value) : std::string();
}

std::string defaultHome() {
    if (std::string dir = environment(L"QUORVEX_HOME"); !dir.empty())
        return dir;
    PWSTR appData = nullptr;
    std::string dir;
    if (::SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &appData) == S_OK)
        dir = narrow(appData);
    ::CoTaskMemFree(appData);
    return joinPath(dir.empty() ? std::string_view(".") : std::string_view(dir), "Quorvex");
}

bool isSeparator(char c) {
    return c == '/' || c == '\\';
}

bool isAbsolute(std::string_view path) {
    if (path.size() >= 2 && isSeparator(path[0]) && isSeparator(path[1]))
        return true;                                                    // \\server\share
    return path.size() >= 3 && path[1] == ':' && isSeparator(path[2]);  // C:\ (a drive)
}

bool writeAll(HANDLE handle, std::string_view data) {
    while (!data.empty()) {
        DWORD chunk = data.size() > (1u << 30) ? (1u << 30) : static_cast<DWORD>(data.size());
        DWORD written = 0;
        if (!::WriteFile(handle, data.data(), chunk, &written, nullptr) || written == 0)
            return false;
        data.remove_prefix(written);
    }
    return true;
}

bool isRegular(DWORD attributes) {
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
           (attributes & FILE_ATTRIBUTE_DEVICE) == 0;
}

}  // namespace

char separator() {
    return '\\';
}

std::string joinPath(std::string_view dir, std::string_view name) {
    if (dir.empty())
        return std::string(name);
    std::size_t end = dir.size();
    while (end > 0 && isSeparator(dir[end - 1]))
        --end;
    std::string result(dir.substr(0, end));
    result += separator();
    result += name;
    return result;
}

std::string homeDirectory() {
    {
        std::lock_guard lock(homeMutex);
        if (!homeOverride().empty())
            return homeOverride();
    }
    return defaultHome();
}

void setHomeDirectory(std::string dir) {
    std::lock_guard lock(homeMutex);
    homeOverride() = std::move(dir);
}

std::string resolve(std::string_view path) {
    std::string result(path);
    if (isAbsolute(result))
        return result;
    return joinPath(homeDirectory(), result);
}

bool ensureDirectory(std::string_view dir) {
    const std::string path = resolve(dir);
    // Every prefix that ends before a separator, past the drive or the share.
    std::size_t start = 0;
    if (path.size() >= 2 && isSeparator(path[0]) && isSeparator(path[1])) {
        start = path.find_first_of("/\\", 2);  // the server
        start = start == std::string::npos ? path.size() : path.find_first_of("/\\", start + 1);
    } else if (path.size() >= 2 && path[1] == ':') {
        start = 2;
    }
    for (std::size_t pos = start == std::string::npos ? path.size() : start + 1; pos <= path.size();
         ++pos) {
        if (pos < path.size() && !isSeparator(path[pos]))
            continue;
        ::CreateDirectoryW(wide(path.substr(0, pos)).c_str(), nullptr);
    }
    const DWORD attributes = ::GetFileAttributesW(wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

ReadResult readWholeFile(std::string_view path, std::size_t maxBytes) {
    ReadResult result;
    const std::string resolved = resolve(path);
    const DWORD attributes = ::GetFileAttributesW(wide(resolved).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && !isRegular(attributes)) {
        result.error = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? EISDIR : EINVAL;
        return result;
    }
    UniqueHandle handle = openHandle(resolved, GENERIC_READ, OPEN_EXISTING);
    if (!handle) {
        result.error = lastErrno();
        return result;
    }
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(handle.get(), &size)) {
        result.error = lastErrno();
        return result;
    }
    result.opened = true;
    const auto expected = static_cast<std::size_t>(size.QuadPart);
    result.content.reserve(expected < maxBytes ? expected : maxBytes);
    char chunk[65536];
    while (result.content.size() < maxBytes) {
        std::size_t want = maxBytes - result.content.size();
        if (want > sizeof chunk)
            want = sizeof chunk;
        DWORD got = 0;
        if (!::ReadFile(handle.get(), chunk, static_cast<DWORD>(want), &got, nullptr)) {
            result.error = lastErrno();
            result.content.clear();
            return result;
        }
        if (got == 0)
            break;
        result.content.append(chunk, got);
    }
    return result;
}

// The content goes to a file beside the target, flushed, which then replaces the target in one
// move: whoever reads the file, and whatever happens to this process meanwhile, finds the old
// file or the new one, whole.
bool replaceFile(std::string_view path, std::string_view content) {
    static std::atomic<unsigned> counter{0};
    const std::string target = resolve(path);
    const std::string temp = target + ".tmp." + std::to_string(::GetCurrentProcessId()) + "." +
                             std::to_string(counter.fetch_add(1));
    {
        UniqueHandle handle = openHandle(temp, GENERIC_WRITE, CREATE_NEW);
        if (!handle)
            return false;
        if (!writeAll(handle.get(), content) || !::FlushFileBuffers(handle.get())) {
            handle.reset();
            ::DeleteFileW(wide(temp).c_str());
            return false;
        }
    }
    if (!renameReplacing(temp, target)) {
        ::DeleteFileW(wide(temp).c_str());
        return false;
    }
    return true;
}

bool appendToFile(std::string_view path, std::string_view data) {
    const std::string resolved = resolve(path);
    const DWORD attributes = ::GetFileAttributesW(wide(resolved).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && !isRegular(attributes))
        return false;
    UniqueHandle handle = openHandle(resolved, FILE_APPEND_DATA, OPEN_ALWAYS);
    return handle && writeAll(handle.get(), data);
}

std::optional<std::uint64_t> regularFileSize(std::string_view path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(wide(resolve(path)).c_str(), GetFileExInfoStandard, &data) ||
        !isRegular(data.dwFileAttributes)) {
        return std::nullopt;
    }
    return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

bool renameReplacing(std::string_view from, std::string_view to) {
    return ::MoveFileExW(wide(resolve(from)).c_str(), wide(resolve(to)).c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
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
