#include "platform/zenkor/profile.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <array>
#include <filesystem>
#include <string>

#include "platform/zenkor/ini_file.h"
#include "tests/support/mask_harness.h"

namespace {

using testing_support::TempHome;

// Points a profile at one key of one file.
void aim(CZenkorProfile& profile, const char* file, const char* section, const char* key) {
    profile.setIniFile(file);
    profile.setSectionName(section);
    profile.setKeyName(key);
}

void save(const char* file, const char* section, const char* key, const char* value) {
    CZenkorProfile profile;
    aim(profile, file, section, key);
    ASSERT_EQ(profile.setValue(value), 1);
}

std::string load(const char* file, const char* section, const char* key,
                 const char* defaultValue = "") {
    CZenkorProfile profile;
    aim(profile, file, section, key);
    char buffer[64];
    profile.getValue(buffer, defaultValue, sizeof buffer);
    return buffer;
}

TEST(ProfileTest, GetValueAnswersWhatWasFoundAndNeverOverflows) {
    TempHome home;
    home.write("Quorvex.ini", "[User]\nLANG=DE1\nEMPTY=\nQUOTED=\"  two  \"\n");
    const struct {
        const char* key;
        const char* defaultValue;
        unsigned long size;
        unsigned long count;
        std::string text;
    } cases[] = {
        {"LANG", "EN1", 1024, 3, "DE1"},
        {"lang", "EN1", 1024, 3, "DE1"},
        {"MISSING", "EN1", 1024, 0, "EN1"},
        {"EMPTY", "EN1", 1024, 0, "EN1"},  // an empty value counts as none
        {"MISSING", nullptr, 1024, 0, ""},
        {"QUOTED", "", 1024, 7, "  two  "},
        {"LANG", "EN1", 3, 2, "DE"},  // cut to size - 1
        {"LANG", "EN1", 5, 3, "DE1"},
        {"MISSING", "LONGDEFAULT", 5, 0, "LONG"},
    };
    for (const auto& c : cases) {
        CZenkorProfile profile;
        aim(profile, "Quorvex.ini", "User", c.key);
        std::array<char, 64> buffer;
        buffer.fill('#');
        EXPECT_EQ(profile.getValue(buffer.data(), c.defaultValue, c.size), c.count)
            << c.key << " with size " << c.size;
        EXPECT_EQ(std::string(buffer.data()), c.text) << c.key << " with size " << c.size;
    }

    CZenkorProfile profile;
    aim(profile, "Quorvex.ini", "User", "LANG");
    char untouched = 'x';
    EXPECT_EQ(profile.getValue(&untouched, "D", 0), 0u);
    EXPECT_EQ(untouched, 'x');
    EXPECT_EQ(profile.getValue(nullptr, "D", 10), 0u);
}

TEST(ProfileTest, SetValueNeedsFileSectionAndKey) {
    TempHome home;
    const struct {
        const char* file;
        const char* section;
        const char* key;
        const char* value;
        int expected;
    } cases[] = {
        {"Q.ini", "S", "K", "v", 1},     {nullptr, "S", "K", "v", 0},
        {"Q.ini", "", "K", "v", 0},      {"Q.ini", "S", nullptr, "v", 0},
        {"Q.ini", "S", "K", nullptr, 0}, {"Q.ini", "S]", "K", "v", 0},
        {"Q.ini", "S", "K=1", "v", 0},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        CZenkorProfile profile;
        aim(profile, cases[i].file, cases[i].section, cases[i].key);
        EXPECT_EQ(profile.setValue(cases[i].value), cases[i].expected) << "case " << i;
    }
}

TEST(ProfileTest, SavingKeepsTheRestOfTheFileAndCutsLineBreaks) {
    TempHome home;
    home.write("Quorvex.ini", "; agent settings\r\n[User]\r\nLANG=EN1\r\n\r\n[TKT_A]\r\nX=1\r\n");
    save("Quorvex.ini", "TKT_A", "Y", "2\n[TKT_A]\nINJECTED=1");
    save("Quorvex.ini", "user", "lang", "DE1");
    save("conf\\ZenkorMain.ini", "ENCODER", "ENCODER_CURRENCY", "GBP;EUR");
    EXPECT_EQ(home.read("Quorvex.ini"),
              "; agent settings\r\n[User]\r\nLANG=DE1\r\n\r\n[TKT_A]\r\nX=1\r\nY=2\r\n");
    EXPECT_EQ(home.read("conf/ZenkorMain.ini"), "[ENCODER]\nENCODER_CURRENCY=\"GBP;EUR\"\n");
}

TEST(ProfileTest, ReadOnlyPassesNeverWrite) {
    TempHome home;
    EXPECT_EQ(load("Quorvex.ini", "User", "LANG", "EN1"), "EN1");
    EXPECT_FALSE(std::filesystem::exists(home.path() / "Quorvex.ini"));
    home.write("Quorvex.ini", "[User]\nLANG=EN1\n");
    const auto before = std::filesystem::last_write_time(home.path() / "Quorvex.ini");
    save("Quorvex.ini", "User", "LANG", "EN1");  // the same value again changes nothing
    EXPECT_EQ(std::filesystem::last_write_time(home.path() / "Quorvex.ini"), before);
}

// Values set in a pass are seen at once and saved when the pass ends, each in its own file.
TEST(ProfileTest, ValuesAreSeenAtOnceAndSavedAtTheEndInTheFileTheyWereSetFor) {
    TempHome home;
    {
        CZenkorProfile profile;
        aim(profile, "A.ini", "S", "K");
        profile.setValue("for A");
        profile.setIniFile("B.ini");
        ASSERT_EQ(profile.setValue("1A2B3C"), 1);
        ASSERT_EQ(profile.setValue("  for B"), 1);
        char buffer[16];
        EXPECT_EQ(profile.getValue(buffer, "", sizeof buffer), 7u);
        EXPECT_EQ(std::string(buffer), "  for B");
        EXPECT_FALSE(std::filesystem::exists(home.path() / "B.ini"));
    }
    EXPECT_EQ(home.read("A.ini"), "[S]\nK=for A\n");
    EXPECT_EQ(load("B.ini", "S", "K"), "  for B");
}

#ifndef _WIN32  // a FIFO in the file's place
// A file too large to rewrite, or a fifo in its place, is read as far as it goes and is never
// replaced; neither blocks.
TEST(ProfileTest, FilesThatCannotBeRewrittenAreLeftAlone) {
    TempHome home;
    const std::string big = "[S]\nK=V\n" + std::string((16u << 20) + 10, 'x');
    home.write("Big.ini", big);
    ASSERT_EQ(::mkfifo((home.path() / "Fifo.ini").c_str(), 0600), 0);
    for (const auto& [file, value] : {std::pair{"Big.ini", "V"}, std::pair{"Fifo.ini", "D"}}) {
        CZenkorProfile profile;
        aim(profile, file, "S", "K");
        char buffer[8];
        profile.getValue(buffer, "D", sizeof buffer);
        EXPECT_EQ(std::string(buffer), value) << file;
        profile.setValue("NEW");
        EXPECT_FALSE(profile.commit()) << file;
    }
    EXPECT_EQ(std::filesystem::file_size(home.path() / "Big.ini"), big.size());
    EXPECT_TRUE(std::filesystem::is_fifo(home.path() / "Fifo.ini"));
}
#endif

#ifndef _WIN32  // the second process comes from fork()
// Two processes save different keys of the same file many times over; neither loses a key.
TEST(ProfileTest, ConcurrentSavesOfTwoProcessesKeepEveryKey) {
    TempHome home;
    constexpr int kPasses = 40;
    constexpr int kKeysPerPass = 5;
    auto keyName = [](const std::string& owner, int pass, int k) {
        return owner + "_" + std::to_string(pass) + "_" + std::to_string(k);
    };
    auto savePasses = [&](const std::string& owner) {
        for (int pass = 0; pass < kPasses; ++pass) {
            CZenkorProfile profile;
            profile.setIniFile("Quorvex.ini");
            profile.setSectionName(pass % 2 ? "SHARED" : owner.c_str());
            for (int k = 0; k < kKeysPerPass; ++k) {
                const std::string key = keyName(owner, pass, k);
                profile.setKeyName(key.c_str());
                if (profile.setValue(key.c_str()) != 1)
                    return false;
            }
            if (!profile.commit())
                return false;
        }
        return true;
    };
    pid_t child = ::fork();
    ASSERT_NE(child, -1);
    if (child == 0)
        ::_exit(savePasses("CHILD") ? 0 : 1);
    const bool parentSaved = savePasses("PARENT");
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_TRUE(parentSaved);

    zenkor::IniFile saved(home.read("Quorvex.ini"));
    for (const std::string owner : {"CHILD", "PARENT"}) {
        for (int pass = 0; pass < kPasses; ++pass) {
            for (int k = 0; k < kKeysPerPass; ++k) {
                const std::string key = keyName(owner, pass, k);
                auto value = saved.find(pass % 2 ? "SHARED" : owner, key);
                EXPECT_TRUE(value && *value == key) << "lost " << key;
            }
        }
    }
    // No temporary file is left beside the profile.
    for (const auto& entry : std::filesystem::directory_iterator(home.path())) {
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(name == "Quorvex.ini" || name == "Quorvex.ini.lock") << name;
    }
}
#endif

}  // namespace
