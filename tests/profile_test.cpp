#include "platform/zenkor/profile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/zenkor/ini_file.h"
#include "tests/support/mask_harness.h"

namespace {

using testing_support::TempHome;

void save(const char* file, const char* section, const char* key, const char* value) {
    CZenkorProfile profile;
    profile.setIniFile(file);
    profile.setSectionName(section);
    profile.setKeyName(key);
    ASSERT_EQ(profile.setValue(value), 1);
}

struct Read {
    unsigned long count;
    std::string text;
};
Read load(const char* file, const char* section, const char* key, const char* defaultValue,
          unsigned long size = 1024) {
    CZenkorProfile profile;
    profile.setIniFile(file);
    profile.setSectionName(section);
    profile.setKeyName(key);
    std::array<char, 1024> buffer;
    buffer.fill('#');
    unsigned long count = profile.getValue(buffer.data(), defaultValue, size);
    return {count, size == 0 ? std::string() : std::string(buffer.data())};
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
        {"LANG", "EN1", 1, 0, ""},
        {"MISSING", "LONGDEFAULT", 5, 0, "LONG"},
    };
    for (const auto& c : cases) {
        Read got = load("Quorvex.ini", "User", c.key, c.defaultValue, c.size);
        EXPECT_EQ(got.count, c.count) << c.key << " with size " << c.size;
        EXPECT_EQ(got.text, c.text) << c.key << " with size " << c.size;
    }
    EXPECT_EQ(load("Missing.ini", "User", "LANG", "EN1").text, "EN1");

    CZenkorProfile profile;
    profile.setIniFile("Quorvex.ini");
    profile.setSectionName("User");
    profile.setKeyName("LANG");
    char untouched = 'x';
    EXPECT_EQ(profile.getValue(&untouched, "D", 0), 0u);
    EXPECT_EQ(untouched, 'x');
    EXPECT_EQ(profile.getValue(nullptr, "D", 10), 0u);
}

TEST(ProfileTest, ValuesSetInAPassAreSeenAtOnceAndSavedAtTheEnd) {
    TempHome home;
    {
        CZenkorProfile profile;
        profile.setIniFile("Quorvex.ini");
        profile.setSectionName("TKT_ISSLOG_SECTION");
        profile.setKeyName("LNIATA");
        ASSERT_EQ(profile.setValue("1A2B3C"), 1);
        ASSERT_EQ(profile.setValue("  LEADING"), 1);
        char buffer[32];
        EXPECT_EQ(profile.getValue(buffer, "", sizeof buffer), 9u);
        EXPECT_EQ(std::string(buffer), "  LEADING");
        EXPECT_FALSE(std::filesystem::exists(home.path() / "Quorvex.ini"));
    }
    EXPECT_EQ(load("Quorvex.ini", "TKT_ISSLOG_SECTION", "LNIATA", "").text, "  LEADING");
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
        {"Quorvex.ini", "S", "K", "v", 1},     {nullptr, "S", "K", "v", 0},
        {"Quorvex.ini", "", "K", "v", 0},      {"Quorvex.ini", "S", nullptr, "v", 0},
        {"Quorvex.ini", "S", "K", nullptr, 0}, {"Quorvex.ini", "S]", "K", "v", 0},
        {"Quorvex.ini", "S", "K=1", "v", 0},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        CZenkorProfile profile;
        profile.setIniFile(cases[i].file);
        profile.setSectionName(cases[i].section);
        profile.setKeyName(cases[i].key);
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
    EXPECT_EQ(load("Quorvex.ini", "User", "LANG", "EN1").text, "EN1");
    EXPECT_FALSE(std::filesystem::exists(home.path() / "Quorvex.ini"));
    home.write("Quorvex.ini", "[User]\nLANG=EN1\n");
    const auto before = std::filesystem::last_write_time(home.path() / "Quorvex.ini");
    save("Quorvex.ini", "User", "LANG", "EN1");  // the same value again changes nothing
    EXPECT_EQ(std::filesystem::last_write_time(home.path() / "Quorvex.ini"), before);
}

TEST(ProfileTest, ChangingTheFileSavesTheEarlierValuesInTheEarlierFile) {
    TempHome home;
    {
        CZenkorProfile profile;
        profile.setIniFile("A.ini");
        profile.setSectionName("S");
        profile.setKeyName("K");
        profile.setValue("for A");
        profile.setIniFile("B.ini");
        profile.setValue("for B");
        char buffer[16];
        EXPECT_EQ(profile.getValue(buffer, "", sizeof buffer), 5u);
        EXPECT_EQ(std::string(buffer), "for B");
    }
    EXPECT_EQ(home.read("A.ini"), "[S]\nK=for A\n");
    EXPECT_EQ(home.read("B.ini"), "[S]\nK=for B\n");
}

TEST(ProfileTest, AFileTooLargeToRewriteIsLeftAlone) {
    TempHome home;
    std::string big = "[S]\nK=V\n" + std::string((16u << 20) + 10, 'x');
    home.write("Quorvex.ini", big);
    CZenkorProfile profile;
    profile.setIniFile("Quorvex.ini");
    profile.setSectionName("S");
    profile.setKeyName("K");
    char buffer[8];
    EXPECT_EQ(profile.getValue(buffer, "", sizeof buffer), 1u);  // read as far as it is read
    profile.setValue("NEW");
    EXPECT_FALSE(profile.commit());
    EXPECT_EQ(std::filesystem::file_size(home.path() / "Quorvex.ini"), big.size());
}

TEST(ProfileTest, AFifoInPlaceOfTheFileNeitherBlocksNorIsReplaced) {
    TempHome home;
    const auto fifo = home.path() / "Fifo.ini";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    CZenkorProfile profile;
    profile.setIniFile("Fifo.ini");
    profile.setSectionName("S");
    profile.setKeyName("K");
    char buffer[8];
    EXPECT_EQ(profile.getValue(buffer, "D", sizeof buffer), 0u);
    EXPECT_EQ(std::string(buffer), "D");
    profile.setValue("new");
    EXPECT_FALSE(profile.commit());
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
}

// Two processes save different keys of the same file many times over; neither loses a key.
TEST(ProfileTest, ConcurrentSavesOfTwoProcessesKeepEveryKey) {
    TempHome home;
    constexpr int kPasses = 40;
    constexpr int kKeysPerPass = 5;
    auto savePasses = [](const std::string& owner) {
        for (int pass = 0; pass < kPasses; ++pass) {
            CZenkorProfile profile;
            profile.setIniFile("Quorvex.ini");
            profile.setSectionName(pass % 2 ? "SHARED" : owner.c_str());
            for (int k = 0; k < kKeysPerPass; ++k) {
                std::string key = owner + "_" + std::to_string(pass) + "_" + std::to_string(k);
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
    int missing = 0;
    for (const std::string owner : {"CHILD", "PARENT"}) {
        for (int pass = 0; pass < kPasses; ++pass) {
            for (int k = 0; k < kKeysPerPass; ++k) {
                std::string key = owner + "_" + std::to_string(pass) + "_" + std::to_string(k);
                auto value = saved.find(pass % 2 ? "SHARED" : owner, key);
                if (!value || *value != key) {
                    ++missing;
                    ADD_FAILURE() << "lost " << key;
                }
            }
        }
    }
    EXPECT_EQ(missing, 0);
    // No temporary file is left beside the profile.
    for (const auto& entry : std::filesystem::directory_iterator(home.path())) {
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(name == "Quorvex.ini" || name == "Quorvex.ini.lock") << name;
    }
}

}  // namespace
