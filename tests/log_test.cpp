#include "platform/zenkor/log.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/mask_harness.h"

namespace {

using testing_support::TempHome;

struct Line {
    std::string kind, component, function;
    int number;
    std::string text;
    bool operator==(const Line&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Line& line) {
    return out << line.kind << " " << line.component << " " << line.function << " " << line.number
               << " [" << line.text << "]";
}

class Collector : public zenkor::LogObserver {
  public:
    Collector() { zenkor::setLogObserver(this); }
    ~Collector() override { zenkor::setLogObserver(nullptr); }
    void diagnostic(std::string_view component, std::string_view function, int category,
                    std::string_view text) override {
        lines.push_back({"diagnostic", std::string(component), std::string(function), category,
                         std::string(text)});
    }
    void error(std::string_view component, std::string_view function, int code,
               std::string_view text) override {
        lines.push_back(
            {"error", std::string(component), std::string(function), code, std::string(text)});
    }
    std::vector<Line> lines;
};

std::vector<std::string> fileLines(const TempHome& home) {
    std::string content = home.read("farewright.log");
    std::vector<std::string> lines;
    for (std::size_t pos = 0, end; (end = content.find('\n', pos)) != std::string::npos;
         pos = end + 1) {
        lines.push_back(content.substr(pos, end - pos));
    }
    return lines;
}

bool endsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

TEST(LogTest, LinesReachTheObserverAndTheFile) {
    TempHome home;
    Collector observer;
    CZenkorLog log;
    log.diagnostic("IssManualVoidTkt", "OnSend", 0, 100, 42, "Host Command %s", "WV\\u00A5125");
    log.error("Skyfolio", "PopulateControls", 501, "Not able to load resource string %s",
              "DATA_SAPBAS_FOP_CASH");
    log.diagnostic("IssLogTkt", "put_Lang", 30, 100, 7, "Lang %s", "DE1");
    const std::vector<Line> expected{
        {"diagnostic", "IssManualVoidTkt", "OnSend", 0, "Host Command WV\\u00A5125"},
        {"error", "Skyfolio", "PopulateControls", 501,
         "Not able to load resource string DATA_SAPBAS_FOP_CASH"},
        {"diagnostic", "IssLogTkt", "put_Lang", 30, "Lang DE1"},
    };
    EXPECT_EQ(observer.lines, expected);

    auto lines = fileLines(home);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_TRUE(
        endsWith(lines[0], " diagnostic IssManualVoidTkt OnSend 0 Host Command WV\\u00A5125"))
        << lines[0];
    EXPECT_TRUE(endsWith(lines[1],
                         " error Skyfolio PopulateControls 501 Not able to load "
                         "resource string DATA_SAPBAS_FOP_CASH"))
        << lines[1];
    // Each line starts with the local time, "YYYY-MM-DD HH:MM:SS.mmm".
    EXPECT_EQ(lines[2].size() > 24 ? lines[2][4] : 0, '-');
    EXPECT_EQ(lines[2].size() > 24 ? lines[2][23] : 0, ' ');
}

TEST(LogTest, TextsStayOnOneLineAndAreNeverReadAsFormats) {
    TempHome home;
    Collector observer;
    CZenkorLog log;
    log.diagnostic("Skyfolio", "SetResponse", 10, 100, 1, "%s", "<LINE>\r\n%n%s%x</LINE>\x01");
    ASSERT_EQ(observer.lines.size(), 1u);
    EXPECT_EQ(observer.lines[0].text, "<LINE>\r\n%n%s%x</LINE>\x01");
    auto lines = fileLines(home);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(endsWith(lines[0], " 10 <LINE>\\r\\n%n%s%x</LINE>\\x01")) << lines[0];
}

TEST(LogTest, LongTextsAreCutAndMissingArgumentsAreSafe) {
    TempHome home;
    Collector observer;
    CZenkorLog log;
    const std::string huge(100000, 'x');
    log.error("Mask", "Op", 1, "%s", huge.c_str());
    log.diagnostic(nullptr, nullptr, 0, 100, 0, nullptr);
    ASSERT_EQ(observer.lines.size(), 2u);
    EXPECT_GT(observer.lines[0].text.size(), 1000u);
    EXPECT_LT(observer.lines[0].text.size(), huge.size());
    EXPECT_EQ(observer.lines[0].text, std::string(observer.lines[0].text.size(), 'x'));
    EXPECT_EQ(observer.lines[1], (Line{"diagnostic", "", "", 0, ""}));
    EXPECT_EQ(fileLines(home).size(), 2u);
}

}  // namespace
