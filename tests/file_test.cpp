#include "platform/file/file.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/file/file_lock.h"
#include "tests/support/mask_harness.h"

namespace {

using testing_support::TempHome;

TEST(FileTest, JoinPathDropsTrailingSeparatorsOfTheDirectory) {
    const struct {
        const char* dir;
        const char* name;
        std::string expected;  // "|" stands for the system's separator
    } cases[] = {
        {"/opt/q", "a.ini", "/opt/q|a.ini"},
        {"/opt/q/\\/", "a.ini", "/opt/q|a.ini"},
        {"", "a.ini", "a.ini"},
        {"/", "a.ini", "|a.ini"}  // the root stays
    };
    for (auto c : cases) {
        std::replace(c.expected.begin(), c.expected.end(), '|', file::separator());
        EXPECT_EQ(file::joinPath(c.dir, c.name), c.expected) << "\"" << c.dir << "\"";
    }
}

TEST(FileTest, ResolveLeavesAbsolutePathsAndPutsOthersInTheHome) {
    TempHome home;
    const std::string h = home.path().string();
    const struct {
        const char* path;
        std::string expected;
    } cases[] = {
#ifdef _WIN32
        {"C:\\etc\\x.ini", "C:\\etc\\x.ini"},
        {"d:/etc/x.ini", "d:/etc/x.ini"},
        {"\\\\server\\share\\y.ini", "\\\\server\\share\\y.ini"},
        {"install\\marketconfig.xml", h + "\\install\\marketconfig.xml"},
#else
        {"/etc/x.ini", "/etc/x.ini"},
        {"install\\marketconfig.xml", h + "/install/marketconfig.xml"},
        {"\\abs\\y.ini", "/abs/y.ini"},
#endif
    };
    for (const auto& c : cases)
        EXPECT_EQ(file::resolve(c.path), c.expected) << c.path;
}

TEST(FileTest, ReadWholeFileReportsMissingFilesAndKeepsToItsBound) {
    TempHome home;
    auto missing = file::readWholeFile("none.txt");
    EXPECT_FALSE(missing.opened);
    EXPECT_EQ(missing.error, ENOENT);

    home.write("data.bin", std::string("ab\0cd\xff", 6));
    auto whole = file::readWholeFile("data.bin");
    EXPECT_TRUE(whole.opened && whole.error == 0);
    EXPECT_EQ(whole.content, std::string("ab\0cd\xff", 6));
    EXPECT_EQ(file::readWholeFile("data.bin", 3).content, "ab" + std::string(1, '\0'));

    auto directory = file::readWholeFile(home.path().string());
    EXPECT_TRUE(directory.error != 0 && directory.content.empty());
}

// Writers killed before their rename leave temporary files, with names that a later process
// may be given again (the same process number in a container, or after wrap-around). They
// never stop a replacement, and the next one removes them.
TEST(FileTest, ReplaceFileKeepsModeAndLinksAndLeavesNoTemporaryFile) {
    TempHome home;
    home.write("target.ini", "old");
    for (int counter = 0; counter < 64; ++counter)
        home.write("target.ini.tmp." + std::to_string(::getpid()) + "." + std::to_string(counter),
                   "x");
    home.write("target.ini.tmp.0123456789abcdef", "x");
    home.write("Other.ini.tmp.1.0", "another file's");
#ifdef _WIN32
    // Replacing an existing file twice (a rename that does not replace would fail here).
    ASSERT_TRUE(file::replaceFile("target.ini", "first"));
    ASSERT_TRUE(file::replaceFile("target.ini", "new content"));
    home.write("link.ini", "");
#else
    const auto target = home.path() / "target.ini";
    ::chmod(target.c_str(), 0640);
    std::filesystem::create_symlink(target, home.path() / "link.ini");

    ASSERT_TRUE(file::replaceFile("link.ini", "new content"));
    EXPECT_TRUE(std::filesystem::is_symlink(home.path() / "link.ini"));
    struct stat info {};
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
#endif
    EXPECT_EQ(home.read("target.ini"), "new content");

    ASSERT_TRUE(file::replaceFile("fresh.ini", ""));
    EXPECT_EQ(home.read("fresh.ini"), "");
    EXPECT_EQ(file::replaceFile("no/such/dir/x.ini", "x").error,
              std::errc::no_such_file_or_directory);
    EXPECT_EQ(home.files(), (std::vector<std::string>{"Other.ini.tmp.1.0", "fresh.ini", "link.ini",
                                                      "target.ini"}));
}

TEST(FileTest, ALockIsExclusiveUntilReleasedAndOneForEveryNameOfAFile) {
    TempHome home;
    home.write("target.ini", "");
#ifndef _WIN32
    std::filesystem::create_symlink(home.path() / "target.ini", home.path() / "link.ini");
#endif
    {
        auto first = file::FileLock::acquire("x.lock", 0);
        ASSERT_TRUE(first.has_value());
        std::error_code error;
        EXPECT_FALSE(file::FileLock::acquire("x.lock", 20, &error).has_value());
        EXPECT_EQ(error, file::Fault::locked);
        EXPECT_TRUE(file::FileLock::acquire("y.lock", 0).has_value());
#ifndef _WIN32
        // A file written through a link is locked under the link's target.
        auto viaLink = file::FileLock::forFile("link.ini", 0);
        ASSERT_TRUE(viaLink.has_value());
        EXPECT_FALSE(file::FileLock::forFile("target.ini", 0).has_value());
#endif
    }
    EXPECT_TRUE(file::FileLock::acquire("x.lock", 0).has_value());
    std::error_code error;
    EXPECT_FALSE(file::FileLock::acquire("no/dir/x.lock", 0, &error).has_value());
    EXPECT_EQ(error, std::errc::no_such_file_or_directory);
}

}  // namespace
