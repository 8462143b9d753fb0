#include "platform/zenkor/profile.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <array>
#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "platform/file/file.h"
#include "platform/file/file_lock.h"
#include "platform/zenkor/ini_file.h"
#include "platform/zenkor/log.h"
#include "tests/support/mask_harness.h"
#include "tests/support/system_lines.h"
#ifndef _WIN32
#include "tests/support/processes.h"
#endif

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

TEST(ProfileTest, SavingKeepsTheRestOfTheFileAndCutsLineBreaksAtTheEndOfThePass) {
    TempHome home;
    home.write("Quorvex.ini", "; agent settings\r\n[User]\r\nLANG=EN1\r\n\r\n[TKT_A]\r\nX=1\r\n");
    save("Quorvex.ini", "TKT_A", "Y", "2\n[TKT_A]\nINJECTED=1");
    save("Quorvex.ini", "user", "lang", "DE1");
    save("conf\\ZenkorMain.ini", "ENCODER", "ENCODER_CURRENCY", "GBP;EUR");
    EXPECT_EQ(home.read("Quorvex.ini"),
              "; agent settings\r\n[User]\r\nLANG=DE1\r\n\r\n[TKT_A]\r\nX=1\r\nY=2\r\n");
    EXPECT_EQ(home.read("conf/ZenkorMain.ini"),
              testing_support::systemLines("[ENCODER]\nENCODER_CURRENCY=\"GBP;EUR\"\n"));

    // Values set in a pass are seen at once and saved when the pass ends, each in its own file.
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
    EXPECT_EQ(home.read("A.ini"), testing_support::systemLines("[S]\nK=for A\n"));
    EXPECT_EQ(load("B.ini", "S", "K"), "  for B");
}

constexpr std::size_t kLimit = 16u << 20;  // the largest profile

// An INI text of exactly size bytes: one section of one long value.
std::string profileOfSize(std::size_t size) {
    std::string text = "[OTHER]\nLONG=";
    text.append(size - text.size() - 1, 'x');
    return text + "\n";
}

// Why a save fails is answered, and the file is left as it was: nothing written, nothing waited
// on for long, nothing cut.
TEST(ProfileTest, ASaveThatCannotBeWrittenSaysWhyAndLeavesTheFileAsItWas) {
    struct Case {
        const char* what;
        std::function<void(const TempHome&)> setUp;
        std::string failure;
    };
    std::optional<file::FileLock> held;
    const Case cases[] = {
        {"held lock", [&](const TempHome&) { held = file::FileLock::forFile("Quorvex.ini", 0); },
         "another process held it locked for more than 1000 ms"},
        {"profile is a directory",
         [](const TempHome& h) { std::filesystem::create_directory(h.path() / "Quorvex.ini"); },
         "cannot read it: Is a directory"},
#ifndef _WIN32
        {"lock is a directory",
         [](const TempHome& h) {
             std::filesystem::create_directory(h.path() / "Quorvex.ini.lock");
         },
         "cannot take its lock: Is a directory"},
        {"profile is a FIFO",
         [](const TempHome& h) { ::mkfifo((h.path() / "Quorvex.ini").c_str(), 0600); },
         "cannot read it: not a regular file"},
#endif
        {"profile too large",
         [](const TempHome& h) { h.write("Quorvex.ini", profileOfSize(kLimit + 1)); },
         "it is larger than 16777216 bytes"},
        // A file the next read would cut is never written.
        {"profile would grow too large",
         [](const TempHome& h) { h.write("Quorvex.ini", profileOfSize(kLimit - 10)); },
         "it would grow past 16777216 bytes"},
        {"read-only profile",
         [](const TempHome& h) {
             h.write("Quorvex.ini", "[S]\nK=old\n");
             using std::filesystem::perms;  // on Windows: the read-only attribute
             std::filesystem::permissions(h.path() / "Quorvex.ini", perms::owner_read |
                                                                        perms::group_read |
                                                                        perms::others_read);
         },
         "it is read-only"},
        {"home is a file",
         [](const TempHome& h) {
             h.write("file", "");
             file::setHomeDirectory((h.path() / "file").string());
         },
         "cannot create its directory: Not a directory"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempHome home;
        c.setUp(home);
        const auto before = file::stampOf("Quorvex.ini");
        CZenkorProfile profile;
        aim(profile, "Quorvex.ini", "S", "K");
        profile.setValue(std::string(100, 'v').c_str());
        const zenkor::SaveResult saved = profile.commit();
        EXPECT_FALSE(saved);
        EXPECT_EQ(saved.failure, c.failure);
        EXPECT_EQ(file::stampOf("Quorvex.ini"), before);  // the same file, unchanged
        held.reset();
    }
}

#ifndef _WIN32  // the file-size limit of a child process
// A write cut short (a full disk) leaves the profile as it was and no temporary file.
TEST(ProfileTest, ASaveCutShortLeavesTheProfileAsItWas) {
    TempHome home;
    const std::string content = profileOfSize(64 * 1024);
    home.write("Quorvex.ini", content);
    EXPECT_TRUE(testing_support::WithFileSizeLimit(content.size() + 512, [] {
        CZenkorProfile profile;
        aim(profile, "Quorvex.ini", "S", "K");
        profile.setValue(std::string(1000, 'v').c_str());
        return profile.commit().failure == "cannot write it: File too large" ? 0 : 1;
    }));
    EXPECT_TRUE(home.read("Quorvex.ini") == content);
    EXPECT_EQ(home.files(), (std::vector<std::string>{"Quorvex.ini", "Quorvex.ini.lock"}));
}
#endif

// Reads are served from the file as read before while it is unchanged, and see every change;
// passes that change nothing never write.
TEST(ProfileTest, ReadsSeeEveryChangeOfTheFileAndUnchangedPassesNeverWrite) {
    TempHome home;
    EXPECT_EQ(load("Quorvex.ini", "User", "LANG", "EN1"), "EN1");
    EXPECT_FALSE(std::filesystem::exists(home.path() / "Quorvex.ini"));
    // Files written a while ago, as an agent's profile is.
    const auto age = [&](int minutes) {
        std::filesystem::last_write_time(
            home.path() / "Quorvex.ini",
            std::filesystem::file_time_type::clock::now() - std::chrono::minutes(minutes));
    };
    home.write("Quorvex.ini", "[User]\nLANG=DE1\n");
    age(60);
    EXPECT_EQ(load("Quorvex.ini", "User", "LANG"), "DE1");
    EXPECT_EQ(load("Quorvex.ini", "User", "LANG"), "DE1");  // the same version again
    home.write("Quorvex.ini", "[User]\nLANG=FR1\n");        // same size, in place
    age(30);
    EXPECT_EQ(load("Quorvex.ini", "User", "LANG"), "FR1");
    save("Quorvex.ini", "User", "LANG", "IT1");
    EXPECT_EQ(load("Quorvex.ini", "User", "LANG"), "IT1");
    age(10);
    const auto before = std::filesystem::last_write_time(home.path() / "Quorvex.ini");
    save("Quorvex.ini", "User", "LANG", "IT1");  // the same value again changes nothing
    EXPECT_EQ(std::filesystem::last_write_time(home.path() / "Quorvex.ini"), before);
    std::filesystem::remove(home.path() / "Quorvex.ini");
    EXPECT_EQ(load("Quorvex.ini", "User", "LANG", "EN1"), "EN1");
}

#ifndef _WIN32  // the other processes come from fork()
// One pass that saves value under each of keys; false when it could not be written.
bool savePass(const std::string& file, const char* section, int keys, const std::string& key,
              const std::string& value) {
    CZenkorProfile profile;
    aim(profile, file.c_str(), section, "");
    for (int k = 0; k < keys; ++k) {
        profile.setKeyName((key + "_" + std::to_string(k)).c_str());
        profile.setValue(value.c_str());
    }
    return static_cast<bool>(profile.commit());
}

// Two processes save different keys of the same file many times over, the second one through
// a link to it; neither loses a key.
TEST(ProfileTest, ConcurrentSavesOfTwoProcessesKeepEveryKey) {
    constexpr int kPasses = 40, kKeys = 5;
    for (bool viaLink : {false, true}) {
        SCOPED_TRACE(viaLink ? "through a link" : "by its name");
        TempHome home;
        home.write("Quorvex.ini", "");
        const std::string linked = (home.path() / "linked.ini").string();
        std::filesystem::create_symlink(home.path() / "Quorvex.ini", linked);
        testing_support::Children children(2, [&](int owner) {
            for (int pass = 0; pass < kPasses; ++pass) {
                const std::string key = "P" + std::to_string(owner) + "_" + std::to_string(pass);
                if (!savePass(owner == 1 && viaLink ? linked : "Quorvex.ini", "S", kKeys, key, key))
                    return 1;
            }
            return 0;
        });
        ASSERT_TRUE(children.succeeded());
        EXPECT_EQ(zenkor::IniFile(home.read("Quorvex.ini")).entries("S").size(),
                  2u * kPasses * kKeys);
        EXPECT_EQ(home.files(),
                  (std::vector<std::string>{"Quorvex.ini", "Quorvex.ini.lock", "linked.ini"}));
    }
}

// Writers killed at any moment leave the profile whole, each pass all there or not at all,
// and the temporary files they leave go with the next save.
TEST(ProfileTest, KilledSavesLeaveTheProfileWhole) {
    TempHome home;
    // About 512 KB of other forms' sections, so that kills often land during a write.
    std::string others;
    for (int section = 0; others.size() < (1u << 19); ++section)
        others += "[FORM_" + std::to_string(section) + "]\nKEY=" + std::string(100, 'v') + "\n";
    home.write("Quorvex.ini", others);
    std::mt19937 random(7);
    for (int kill = 0; kill < 12; ++kill) {
        testing_support::Children saver(1, [](int) {
            for (int round = 1; savePass("Quorvex.ini", "CRASH", 8, "K", std::to_string(round));)
                ++round;
            return 1;
        });
        // Killed at a random moment once it has saved, or every other time as it writes.
        const bool whileWriting = kill % 2 == 1;
        const auto before = file::stampOf("Quorvex.ini");
        const std::vector<std::string> files = home.files();
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
        saver.release();
        while (std::chrono::steady_clock::now() < deadline &&
               (whileWriting ? home.files() == files : file::stampOf("Quorvex.ini") == before))
            ::usleep(100);
        if (!whileWriting)
            ::usleep(std::uniform_int_distribution<useconds_t>(0, 4000)(random));
        saver.kill();

        const std::string text = home.read("Quorvex.ini");
        ASSERT_EQ(text.compare(0, others.size(), others), 0) << "after kill " << kill;
        std::set<std::string> values;
        for (const auto& entry : zenkor::IniFile(text).entries("CRASH"))
            values.insert(entry.second);
        ASSERT_LE(values.size(), 1u) << "a pass torn by kill " << kill;
    }
    save("Quorvex.ini", "S", "K", "after the kills");
    EXPECT_EQ(home.files(), (std::vector<std::string>{"Quorvex.ini", "Quorvex.ini.lock"}));
}

// Processes that save and log at once while the log grows past its size lose no key, no line
// of the old log and no line of their own: the log is moved aside once.
TEST(ProfileTest, ProcessesSavingAndLoggingAtOnceLoseNothing) {
    TempHome home;
    constexpr int kProcesses = 4, kRounds = 3, kPasses = 3, kLines = 20;
    // A log just short of its size (sparse), which the first lines take past it.
    constexpr std::uintmax_t kEarlier = (8u << 20) - 4096;
    for (int round = 0; round < kRounds; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        home.write("farewright.log", "earlier\n");
        std::filesystem::resize_file(home.path() / "farewright.log", kEarlier);
        testing_support::Children children(kProcesses, [&](int process) {
            for (int pass = 0; pass < kPasses; ++pass) {
                const std::string key =
                    std::to_string(round) + std::to_string(process) + std::to_string(pass);
                for (int line = 0; line < kLines; ++line)
                    CZenkorLog().diagnostic("Saver", "Send", 0, 100, 0, "%s", key.c_str());
                if (!savePass("Quorvex.ini", "SHARED", 1, key, "saved"))
                    return 1;
            }
            return 0;
        });
        ASSERT_TRUE(children.succeeded());
        const std::string old = home.read("farewright.log.old");
        ASSERT_TRUE(old.size() >= kEarlier && old.starts_with("earlier\n"))
            << "the old log is lost";
        const std::string logs = old.substr(kEarlier) + home.read("farewright.log");
        std::size_t lines = 0;
        for (std::size_t at = 0; (at = logs.find(" Saver Send 0 ", at)) != std::string::npos; ++at)
            ++lines;
        EXPECT_EQ(lines, std::size_t{kProcesses * kPasses * kLines});
    }
    EXPECT_EQ(zenkor::IniFile(home.read("Quorvex.ini")).entries("SHARED").size(),
              std::size_t{kRounds * kProcesses * kPasses});
}

#endif

}  // namespace
