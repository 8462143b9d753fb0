#include "platform/zenkor/log.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/guard.h"
#include "tests/support/mask_harness.h"

namespace {

using testing_support::Recorder;
using testing_support::TempHome;

std::vector<std::string> fileLines(const TempHome& home) {
    std::string content = home.read("farewright.log");
    std::vector<std::string> lines;
    for (std::size_t pos = 0, end; (end = content.find('\n', pos)) != std::string::npos;
         pos = end + 1) {
        lines.push_back(content.substr(pos, end - pos));
    }
    return lines;
}

// A burst's lines reach the observer at once and the file whole when the outermost burst ends.
TEST(LogTest, ABurstWritesItsLinesTogetherAtItsEnd) {
    TempHome home;
    Recorder observer;
    CZenkorLog log;
    {
        const zenkor::LogBurst burst;
        log.diagnostic("M", "A", 10, 100, 1, "first");
        {
            const zenkor::LogBurst inner;
            log.error("M", "B", 501, "second\r");
        }
        EXPECT_EQ(observer.lines.size(), 2u);
        EXPECT_TRUE(fileLines(home).empty());
    }
    const auto lines = fileLines(home);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(lines[0].ends_with(" diagnostic M A 10 first")) << lines[0];
    EXPECT_TRUE(lines[1].ends_with(" error M B 501 second\\r")) << lines[1];
}

// Texts stay on one line in the file (a tab is kept as it is), are never read as formats, are cut
// when too long, and missing arguments are safe. What a guarded call throws is logged as an error
// of its component and goes no further.
TEST(LogTest, HostileTextsMissingArgumentsAndGuardedFailuresAreSafe) {
    TempHome home;
    Recorder observer;
    CZenkorLog log;
    log.diagnostic("Skyfolio", "SetResponse", 10, 100, 1, "%s", "<LINE>\r\n%n%s%x\t</LINE>\x01");
    const std::string huge(100000, 'x');
    log.error("Mask", "Op", 1, "%s", huge.c_str());
    log.diagnostic(nullptr, nullptr, 0, 100, 0, nullptr);
    framework::Guarded(log, "Mask", "Send", [] { throw std::runtime_error("no room"); });
    framework::Guarded(log, "Mask", "Send", [] { throw 1; });
    ASSERT_EQ(observer.lines.size(), 5u);
    // The transcript escapes the text as the file does: no text forges a line.
    EXPECT_EQ(observer.lines[0],
              "log diagnostic Skyfolio SetResponse 10 <LINE>\\r\\n%n%s%x\t</LINE>\\x01");
    const std::string cut = observer.lines[1].substr(std::string("log error Mask Op 1 ").size());
    EXPECT_GT(cut.size(), 1000u);
    EXPECT_LT(cut.size(), huge.size());
    EXPECT_EQ(cut, std::string(cut.size(), 'x'));
    EXPECT_EQ(std::vector(observer.lines.begin() + 2, observer.lines.end()),
              (std::vector<std::string>{"log diagnostic   0 ", "log error Mask Send 500 no room",
                                        "log error Mask Send 500 unexpected failure"}));
    auto lines = fileLines(home);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_TRUE(lines[0].ends_with(" 10 <LINE>\\r\\n%n%s%x\t</LINE>\\x01")) << lines[0];
}

TEST(LogTest, AFullLogIsMovedAsideAndStartedAfresh) {
    TempHome home;
    constexpr std::uintmax_t kFull = 32u << 20;
    home.write("farewright.log", "old line\n");
    std::filesystem::resize_file(home.path() / "farewright.log", kFull);  // sparse
    CZenkorLog().error("Mask", "Op", 1, "fresh");
    std::error_code ec;
    EXPECT_EQ(std::filesystem::file_size(home.path() / "farewright.log.old", ec), kFull);
    const auto lines = fileLines(home);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(lines[0].ends_with(" error Mask Op 1 fresh")) << lines[0];
    // Each line starts with the local time, "YYYY-MM-DD HH:MM:SS.mmm".
    EXPECT_TRUE(lines[0].size() > 24 && lines[0][4] == '-' && lines[0][23] == ' ') << lines[0];
}

}  // namespace
