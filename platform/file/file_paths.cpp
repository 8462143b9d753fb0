// What the file layer does alike on every system: joined paths, the home directory and the
// names of temporary files.
#include <cstdio>
#include <mutex>
#include <random>

#include "platform/file/file.h"
#include "platform/file/file_portable.h"

namespace file {
namespace {

std::mutex homeMutex;
std::string& homeOverride() {
    static std::string dir;
    return dir;
}

}  // namespace

std::string joinPath(std::string_view dir, std::string_view name) {
    if (dir.empty())
        return std::string(name);
    std::size_t end = dir.size();
    while (end > 0 && portable::isSeparator(dir[end - 1]))
        --end;
    // A directory made only of separators is the root, not "no directory".
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
    return portable::defaultHome();
}

void setHomeDirectory(std::string dir) {
    std::lock_guard lock(homeMutex);
    homeOverride() = std::move(dir);
}

std::string portable::temporaryName(const std::string& target) {
    thread_local std::random_device device;
    const unsigned long long bits = (static_cast<unsigned long long>(device()) << 32) ^
                                    static_cast<unsigned long long>(device());
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", bits);
    return target + std::string(kTemporaryInfix) + text;
}

}  // namespace file
