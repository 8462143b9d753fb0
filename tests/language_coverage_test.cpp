#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <regex>
#include <set>

#include "platform/file/file.h"
#include "platform/zenkor/arch.h"
#include "tests/support/mask_harness.h"

namespace {

std::set<std::string> keysUsedIn(const std::filesystem::path& dir) {
    static const std::regex key(R"re("(_?(LAB|TOOLTIP|ERR|CAPTION|DATA)_[A-Z0-9_]+)")re");
    std::set<std::string> keys;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir)) {
        if (entry.path().extension() != ".cpp")
            continue;
        const std::string source = file::readWholeFile(entry.path().string()).content;
        for (std::sregex_iterator it(source.begin(), source.end(), key), end; it != end; ++it) {
            keys.insert((*it)[1]);
        }
    }
    return keys;
}

TEST(LanguageCoverage, EveryKeyUsedHasAnEnglishText) {
    testing_support::TempHome home;  // no language files: the built-in table alone
    ASSERT_TRUE(LANG_load("EN1"));
    std::set<std::string> keys;
    for (const char* dir : {"masks", "framework", "widgets"}) {
        keys.merge(keysUsedIn(std::filesystem::path(FAREWRIGHT_SOURCE_DIR) / dir));
    }
    EXPECT_GT(keys.size(), 40u) << "the scan found too few keys to be right";
    std::array<char, 1024> buffer{};
    for (const std::string& k : keys) {
        EXPECT_TRUE(LANG_getString(k.c_str(), buffer.data(), static_cast<int>(buffer.size())))
            << k << " has no EN1 text";
    }
    LANG_unload();
}

}  // namespace
