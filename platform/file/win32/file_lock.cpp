// The lock between processes on Windows: LockFileEx on the lock file, released when the file
// is closed.
#include "platform/file/file_lock.h"

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include <cerrno>
#include <string>

#include "platform/file/file.h"
#include "platform/file/win32/handle.h"
#include "platform/text/codepage.h"

namespace file {

namespace {

std::optional<FileLock> failed(std::error_code* error, std::error_code why) {
    if (error != nullptr)
        *error = why;
    return std::nullopt;
}

}  // namespace

std::optional<FileLock> FileLock::acquire(std::string_view lockPath, int waitMs,
                                          std::error_code* error) {
    const std::u16string path = text::fromAnsi(resolve(lockPath));
    const std::wstring widePath(path.begin(), path.end());
    UniqueFd fd(::_wopen(widePath.c_str(), _O_RDWR | _O_CREAT | _O_BINARY | _O_NOINHERIT,
                         _S_IREAD | _S_IWRITE));
    if (!fd)
        return failed(error, {errno, std::generic_category()});
    HANDLE handle = reinterpret_cast<HANDLE>(::_get_osfhandle(fd.get()));
    // Polls rather than blocks, so that a stuck holder cannot hang the caller for ever.
    const ULONGLONG deadline = ::GetTickCount64() + static_cast<ULONGLONG>(waitMs < 0 ? 0 : waitMs);
    for (;;) {
        OVERLAPPED whole{};
        if (::LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD,
                         MAXDWORD, &whole)) {
            return FileLock(std::move(fd));
        }
        const DWORD why = ::GetLastError();
        if (why != ERROR_LOCK_VIOLATION)
            return failed(error, {win32::errnoOf(why), std::generic_category()});
        if (::GetTickCount64() >= deadline)
            return failed(error, Fault::locked);
        ::Sleep(1);
    }
}

std::optional<FileLock> FileLock::forFile(std::string_view path, int waitMs,
                                          std::error_code* error) {
    return acquire(writeTarget(path) + ".lock", waitMs, error);
}

}  // namespace file
