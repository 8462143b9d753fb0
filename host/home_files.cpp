#include "host/home_files.h"

#include <cstdio>
#include <filesystem>
#include <random>

#include "framework/profile_names.h"
#include "framework/shared_settings.h"
#include "platform/file/file.h"
#include "platform/file/file_lock.h"
#include "platform/zenkor/ini_file.h"
#include "platform/zenkor/profile.h"

namespace host {
namespace {

namespace fs = std::filesystem;

// How long a setup command waits for another writer of the same file.
constexpr int kLockWaitMs = 1000;
// Names tried for a fresh home before giving up.
constexpr int kFreshHomeAttempts = 16;

bool inside(const fs::path& path, const fs::path& dir) {
    const fs::path relative = path.lexically_normal().lexically_relative(dir.lexically_normal());
    return !relative.empty() && *relative.begin() != ".." && relative != ".";
}

std::string parentOf(const std::string& path) {
    return fs::path(path).parent_path().string();
}

}  // namespace

std::string pathInHome(std::string_view path, std::string& why) {
    const std::string resolved = file::resolve(path);
    if (path.empty() || !inside(resolved, file::homeDirectory())) {
        why = "`" + std::string(path) + "` is outside the home " + file::homeDirectory() +
              " (give a path relative to it, without ..)";
        return {};
    }
    // Absolute, so that the file functions do not resolve it in the home a second time.
    return fs::absolute(resolved).lexically_normal().string();
}

std::string writeHomeFile(std::string_view path, std::string_view content) {
    std::string why;
    const std::string resolved = pathInHome(path, why);
    if (resolved.empty())
        return why;
    if (!file::ensureDirectory(parentOf(resolved)))
        return "cannot write " + resolved;
    // Temporary files beside the file are removed only by a holder of its lock.
    const auto lock = file::FileLock::forFile(resolved, kLockWaitMs);
    if (!lock || !file::replaceFile(resolved, content))
        return "cannot write " + resolved;
    return {};
}

std::string writeIniValue(std::string_view fileName, std::string_view section, std::string_view key,
                          std::string_view value) {
    if (!zenkor::IniFile::isValidSectionName(section))
        return "`" + std::string(section) + "` is not a section name";
    if (!zenkor::IniFile::isValidKeyName(key))
        return "`" + std::string(key) + "` is not a key name";
    std::string path(fileName);
    if (path == framework::kZenkorMainIni) {
        framework::LoadSharedSettings();
        path = framework::ZenkorMainPath();
    }
    std::string why;
    const std::string resolved = pathInHome(path, why);
    if (resolved.empty())
        return why;
    CZenkorProfile profile;
    profile.setIniFile(resolved.c_str());
    profile.setSectionName(std::string(section).c_str());
    profile.setKeyName(std::string(key).c_str());
    if (profile.setValue(std::string(value).c_str()) == 0 || !profile.commit())
        return "cannot write " + resolved;
    return {};
}

std::string homeProblem(const std::string& dir) {
    std::error_code error;
    if (fs::exists(dir, error) && !fs::is_directory(dir, error))
        return "the home " + dir + " is not a directory: nothing can be saved";
    if (!file::ensureDirectory(dir, &error))
        return "cannot make the home " + dir + ": " + error.message();
    const std::string probe = file::joinPath(dir, ".quorvex-host-probe");
    if (const file::Written made = file::appendFile(probe, {}, {}); !made)
        return "cannot write in the home " + dir + ": " + made.error.message();
    fs::remove(probe, error);
    return {};
}

FreshHome::FreshHome() {
    std::error_code error;
    const fs::path base = fs::temp_directory_path(error);
    std::random_device random;
    for (int attempt = 0; attempt < kFreshHomeAttempts && path_.empty(); ++attempt) {
        char name[32];
        std::snprintf(name, sizeof name, "quorvex-home-%08x", static_cast<unsigned>(random()));
        const fs::path dir = (error ? fs::path(".") : base) / name;
        // Only its user may look inside, as in a home of its own.
        if (fs::create_directory(dir, error)) {
            fs::permissions(dir, fs::perms::owner_all, error);
            path_ = dir.string();
        }
    }
}

FreshHome::~FreshHome() {
    if (path_.empty())
        return;
    std::error_code ec;
    fs::remove_all(path_, ec);
}

}  // namespace host
