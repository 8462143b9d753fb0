// Reading the host's answer screen by screen: continuation and the joining of screens.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/response.h"
#include "platform/text/codepage.h"
#include "platform/xml/xml_document.h"
#include "tests/support/mock_dialog.h"
#include "tests/support/xml_text.h"

namespace {

using testing_support::Nested;
using testing_support::Repeat;

using testing::StrictMock;

const std::string kYen = "\xC2\xA5";  // U+00A5, the marker of the Latin string table
const std::string kGhe = "\xD2\x90";  // U+0490, the marker of the Cyrillic one

std::string screen(const std::vector<std::string>& lines) {
    std::string text = "<?xml version=\"1.0\"?>\n<VELMORA>";
    for (const std::string& line : lines) {
        text += "<LINE><TEXT>" + line + "</TEXT></LINE>";
    }
    return text + "</VELMORA>";
}

// The texts of //VELMORA/LINE/TEXT, as the consumer of a response reads them; a marker when
// the text does not parse.
std::vector<std::string> lineTexts(const std::string& response) {
    const auto doc = xml::Document::parse(response);
    if (!doc) {
        return {"<unparseable>"};
    }
    std::vector<std::string> out;
    for (const xml::Element& text : doc->elementsByName("TEXT")) {
        out.push_back(text.text());
    }
    return out;
}

using Lines = std::vector<std::string>;

class ResponseTest : public testing::Test {
  protected:
    void TearDown() override { ASSERT_TRUE(text::setSystemCodePage(1252)); }
    StrictMock<fakes::MockDialog> window;
};

TEST_F(ResponseTest, ContinuationIsDecidedByTheLastTextOfTheScreen) {
    struct Case {
        const char* what;
        std::string screen;
        bool continued;
        unsigned codePage = 1252;  // the marker is the character of the byte 0xA5
    } const cases[] = {
        {"last line ends with the marker", screen({"A", "MORE " + kYen}), true},
        {"marker given as a character reference", screen({"MORE &#xA5;"}), true},
        {"last line without the marker", screen({"A " + kYen, "B"}), false},
        {"marker alone", screen({"A", kYen}), false},
        {"marker inside the line", screen({"A" + kYen + "B"}), false},
        {"the byte 0xA5 itself (not UTF-8)", screen({"A\xA5"}), false},
        {"empty last line", screen({"A " + kYen, ""}), false},
        {"a TEXT outside any LINE counts",
         "<VELMORA><LINE><TEXT>A</TEXT></LINE><TEXT>B" + kYen + "</TEXT></VELMORA>", true},
        {"trailing element after the marker", screen({"A" + kYen + "<X/>"}), true},
        {"malformed screen", "<VELMORA><LINE><TEXT>A" + kYen + "</TEXT></VELMORA>", false},
        {"not XML", "A" + kYen, false},
        {"entity declared", "<!DOCTYPE V [<!ENTITY m \"&#xA5;\">]><V><TEXT>A&m;</TEXT></V>", false},
        {"Cyrillic marker", screen({"A " + kGhe}), true, 1251},
        {"Latin marker in the Cyrillic code page", screen({"A " + kYen}), false, 1251},
        {"Cyrillic marker alone", screen({kGhe}), false, 1251},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(text::setSystemCodePage(c.codePage));
        EXPECT_EQ(framework::IsContinued(c.screen), c.continued) << c.what << "\n" << c.screen;
    }
}

// A response holding first as it was received.
framework::AccumulatedResponse received(const std::string& first) {
    framework::AccumulatedResponse response;
    framework::MergeResponse(response, first);
    return response;
}

TEST_F(ResponseTest, ContinuedScreensPostTheNoticeAndAreJoinedInOrder) {
    const std::string only = screen({"1     12JAN05  12FEB05 ", kYen});  // a marker alone ends
    framework::AccumulatedResponse accumulated;
    EXPECT_FALSE(framework::AddResponsePage(window, accumulated, only));
    EXPECT_EQ(accumulated.text(), only) << "a single screen is the response as it is";

    accumulated.clear();
    EXPECT_CALL(window, post(3014u)).Times(2);
    EXPECT_TRUE(framework::AddResponsePage(window, accumulated, screen({"L1", "L2 " + kYen})));
    EXPECT_TRUE(framework::AddResponsePage(window, accumulated, screen({"L3", "L4 " + kYen})));
    EXPECT_FALSE(framework::AddResponsePage(window, accumulated, screen({"L5", "END"})));
    EXPECT_EQ(lineTexts(accumulated.text()),
              (Lines{"L1", "L2 " + kYen, "L3", "L4 " + kYen, "L5", "END"}));
    accumulated.clear();
    framework::MergeResponse(accumulated, only);
    EXPECT_EQ(accumulated.text(), only) << "after clear() the next answer starts afresh";
}

TEST_F(ResponseTest, AMergeThatAddsNothingLeavesTheTextAsItWas) {
    struct Case {
        const char* what;
        std::string accumulated;
        std::string screen;
    } const cases[] = {
        {"malformed screen", screen({"L1"}), "<VELMORA><LINE><TEXT>L2</TEXT></VELMORA>"},
        {"screen not XML", screen({"L1"}), "L2"},
        {"empty screen", screen({"L1"}), ""},
        {"accumulated text malformed", "<VELMORA><LINE>", screen({"L2"})},
        {"accumulated text without VELMORA", "<OTHER><LINE><TEXT>L1</TEXT></LINE></OTHER>",
         screen({"L2"})},
        {"accumulated text not XML", "not xml at all", screen({"L2"})},
    };
    for (const Case& c : cases) {
        framework::AccumulatedResponse accumulated = received(c.accumulated);
        EXPECT_EQ(accumulated.text(), c.accumulated) << c.what;
        framework::MergeResponse(accumulated, c.screen);
        framework::MergeResponse(accumulated, c.screen);
        EXPECT_EQ(accumulated.text(), c.accumulated) << c.what;
    }
    // A screen without lines adds none.
    for (const char* empty : {"<VELMORA/>", "<OTHER><TEXT>x</TEXT></OTHER>"}) {
        framework::AccumulatedResponse accumulated = received(screen({"L1"}));
        framework::MergeResponse(accumulated, empty);
        EXPECT_EQ(lineTexts(accumulated.text()), Lines{"L1"}) << empty;
    }
}

TEST_F(ResponseTest, LinesAreCopiedUnchangedFromAnywhereInTheScreen) {
    framework::AccumulatedResponse accumulated = received(screen({"L1"}));
    framework::MergeResponse(
        accumulated,
        "<VELMORA xmlns:q=\"urn:q\"><PAGE><LINE n=\"2\"><TEXT>L2 &amp; &lt;x&gt;</TEXT></LINE>"
        "</PAGE><LINE q:n=\"3\"><TEXT><![CDATA[L3]]></TEXT><EXTRA/></LINE></VELMORA>");
    const std::string& text = accumulated.text();
    EXPECT_EQ(lineTexts(text), (Lines{"L1", "L2 & <x>", "L3"}));
    EXPECT_NE(text.find("<LINE n=\"2\">"), std::string::npos) << text;
    EXPECT_NE(text.find("<EXTRA/>"), std::string::npos) << text;
    EXPECT_NE(text.find("xmlns:q=\"urn:q\""), std::string::npos) << "the namespace travels";
    EXPECT_EQ(text.find("<PAGE>"), std::string::npos) << "only LINE elements move";
}

TEST_F(ResponseTest, LinesGoToTheFirstVelmoraElementWhateverTheTextHolds) {
    // Processing instructions like the mark that finds the end of VELMORA in the written text.
    const std::string marks = "<?fw-end-x?><?fw-end-xx?><!--<?fw-end-xxx?>-->";
    const std::string cases[] = {
        "<R><VELMORA><LINE><TEXT>first</TEXT></LINE></VELMORA><VELMORA/></R>",
        "<R><X><VELMORA>" + marks + "<LINE><TEXT>first</TEXT></LINE></VELMORA></X>" + marks +
            "<VELMORA/></R>",
        "<R><VELMORA/><VELMORA><LINE><TEXT>first</TEXT></LINE></VELMORA></R>",
    };
    for (const std::string& first : cases) {
        framework::AccumulatedResponse accumulated = received(first);
        framework::MergeResponse(accumulated, screen({"added"}));
        framework::MergeResponse(accumulated, screen({"again"}));
        const auto doc = xml::Document::parse(accumulated.text());
        ASSERT_TRUE(doc) << first;
        const auto roots = doc->elementsByName("VELMORA");
        ASSERT_EQ(roots.size(), 2u) << first;
        EXPECT_EQ(roots[0].text() + "|" + roots[1].text(),
                  first.find("<VELMORA/><VELMORA>") != std::string::npos ? "addedagain|first"
                                                                         : "firstaddedagain|")
            << accumulated.text();
    }
}

// Screens within the size cap that would keep a parser busy for seconds or a merge in
// gigabytes, and lines too tall for where they go: the budget refuses them before they are
// read or while they are joined, and the response stays as it was, ready for the next screen.
TEST_F(ResponseTest, ScreensBeyondTheBudgetAreRefused) {
    const std::string last = "<LINE><TEXT>MORE " + kYen + "</TEXT></LINE>";
    auto attributes = [](int count) {
        std::string tag = "<A";
        for (int i = 0; i < count; ++i)
            tag += " a" + std::to_string(i) + "=\"\"";
        return tag + "/>";
    };
    // 20 lines nested in each other, the innermost holding 6,000 elements: each line is
    // copied with all it holds.
    const std::string nestedLines =
        Repeat("<LINE>", 20) + Repeat("<a/>", 6000) + Repeat("</LINE>", 20);
    const std::string first = screen({"L1"});
    const struct {
        const char* what;
        std::string screen;
        bool read;  // continuation is read: the screen itself is within the budget
        std::string first = {};
    } cases[] = {
        {"65 attributes on one element", "<VELMORA>" + attributes(65) + last + "</VELMORA>", false},
        {"100,000 attributes on one element",
         "<VELMORA>" + attributes(100'000) + last + "</VELMORA>", false},
        {"100,001 elements", "<VELMORA>" + Repeat("<a/>", 100'000) + last + "</VELMORA>", false},
        {"larger than 8 MiB", "<VELMORA>" + std::string(8u << 20, ' ') + last + "</VELMORA>",
         false},
        {"lines that copied hold 120,000 elements", "<VELMORA>" + nestedLines + last + "</VELMORA>",
         true},
        {"lines that copied take 100 MiB",
         "<VELMORA>" + Repeat("<LINE>", 200) + std::string(500'000, 'x') + Repeat("</LINE>", 200) +
             last + "</VELMORA>",
         true},
        // VELMORA 200 deep cannot take a line 100 levels tall: it would not read back.
        {"a line too tall for VELMORA",
         "<VELMORA>" + last + "<LINE>" + Nested(100) + "</LINE></VELMORA>", true,
         Repeat("<a>", 200) + first.substr(22) + Repeat("</a>", 200)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(framework::IsContinued(c.screen), c.read) << c.what;
        framework::AccumulatedResponse accumulated = received(c.first.empty() ? first : c.first);
        framework::MergeResponse(accumulated, screen({"L0"}));
        framework::MergeResponse(accumulated, c.screen);
        EXPECT_EQ(lineTexts(accumulated.text()), (Lines{"L1", "L0"})) << c.what;
        framework::MergeResponse(accumulated, screen({"L2"}));
        EXPECT_EQ(lineTexts(accumulated.text()), (Lines{"L1", "L0", "L2"})) << c.what;
    }
}

TEST_F(ResponseTest, TheResponseStaysWithinWhatItsReaderTakes) {
    struct Case {
        const char* what;
        std::string line;
        int screens;  // joined after the first
    } const cases[] = {
        {"8 MiB of text", std::string(1u << 20, 'A'), 8},
        {"100,000 nodes", Repeat("<a/>", 998), 150},  // with LINE and TEXT, 1,000 a screen
    };
    for (const Case& c : cases) {
        framework::AccumulatedResponse accumulated = received(screen({c.line}));
        const std::string next = screen({c.line});
        for (int i = 0; i < c.screens; ++i)
            framework::MergeResponse(accumulated, next);
        const std::size_t lines = lineTexts(accumulated.text()).size();
        EXPECT_GT(lines, 1u) << c.what;
        EXPECT_LT(lines, static_cast<std::size_t>(c.screens) + 1) << c.what;
        EXPECT_TRUE(xml::measure(accumulated.text()).within(xml::Limits{})) << c.what;
    }
}

}  // namespace
