// Reading the host's answer screen by screen: continuation and the joining of screens.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/response.h"
#include "platform/text/codepage.h"
#include "platform/xml/xml_document.h"
#include "tests/support/mock_dialog.h"

namespace {

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

std::string repeat(const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
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
    };
    for (const Case& c : cases) {
        EXPECT_EQ(framework::IsContinued(c.screen), c.continued) << c.what << "\n" << c.screen;
    }
}

TEST_F(ResponseTest, TheMarkerFollowsTheSystemCodePage) {
    ASSERT_TRUE(text::setSystemCodePage(1251));
    EXPECT_TRUE(framework::IsContinued(screen({"A " + kGhe})));
    EXPECT_FALSE(framework::IsContinued(screen({"A " + kYen})));
    EXPECT_FALSE(framework::IsContinued(screen({kGhe})));
}

TEST_F(ResponseTest, ContinuedScreensPostTheNoticeAndAreJoinedInOrder) {
    const std::string only = screen({"1     12JAN05  12FEB05 ", kYen});  // a marker alone ends
    std::string accumulated;
    EXPECT_FALSE(framework::AddResponsePage(window, accumulated, only));
    EXPECT_EQ(accumulated, only) << "a single screen is the response as it is";

    accumulated.clear();
    EXPECT_CALL(window, post(3014u)).Times(2);
    EXPECT_TRUE(framework::AddResponsePage(window, accumulated, screen({"L1", "L2 " + kYen})));
    EXPECT_TRUE(framework::AddResponsePage(window, accumulated, screen({"L3", "L4 " + kYen})));
    EXPECT_FALSE(framework::AddResponsePage(window, accumulated, screen({"L5", "END"})));
    EXPECT_EQ(lineTexts(accumulated), (Lines{"L1", "L2 " + kYen, "L3", "L4 " + kYen, "L5", "END"}));
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
        {"screen with an external entity", screen({"L1"}),
         "<!DOCTYPE V [<!ENTITY e SYSTEM \"file:///etc/passwd\">]><VELMORA><LINE><TEXT>&e;"
         "</TEXT></LINE></VELMORA>"},
        {"accumulated text malformed", "<VELMORA><LINE>", screen({"L2"})},
        {"accumulated text without VELMORA", "<OTHER><LINE><TEXT>L1</TEXT></LINE></OTHER>",
         screen({"L2"})},
    };
    for (const Case& c : cases) {
        std::string accumulated = c.accumulated;
        framework::MergeResponse(accumulated, c.screen);
        EXPECT_EQ(accumulated, c.accumulated) << c.what;
    }
    // A screen without lines adds none.
    for (const char* empty : {"<VELMORA/>", "<OTHER><TEXT>x</TEXT></OTHER>"}) {
        std::string accumulated = screen({"L1"});
        framework::MergeResponse(accumulated, empty);
        EXPECT_EQ(lineTexts(accumulated), Lines{"L1"}) << empty;
    }
    // Into an empty response the screen goes as it is, even when it is not XML.
    for (const std::string& first : {screen({"L1"}), std::string("not xml at all")}) {
        std::string accumulated;
        framework::MergeResponse(accumulated, first);
        EXPECT_EQ(accumulated, first);
    }
}

TEST_F(ResponseTest, LinesAreCopiedUnchangedFromAnywhereInTheScreen) {
    std::string accumulated = screen({"L1"});
    framework::MergeResponse(
        accumulated,
        "<VELMORA><PAGE><LINE n=\"2\"><TEXT>L2 &amp; &lt;x&gt;</TEXT></LINE></PAGE>"
        "<LINE n=\"3\"><TEXT><![CDATA[L3]]></TEXT><EXTRA/></LINE></VELMORA>");
    EXPECT_EQ(lineTexts(accumulated), (Lines{"L1", "L2 & <x>", "L3"}));
    EXPECT_NE(accumulated.find("<LINE n=\"3\">"), std::string::npos) << accumulated;
    EXPECT_NE(accumulated.find("<EXTRA/>"), std::string::npos) << accumulated;
    EXPECT_EQ(accumulated.find("<PAGE>"), std::string::npos) << "only LINE elements move";
}

TEST_F(ResponseTest, LinesGoToTheFirstVelmoraElement) {
    std::string accumulated = "<R><VELMORA><LINE><TEXT>first</TEXT></LINE></VELMORA><VELMORA/></R>";
    framework::MergeResponse(accumulated, screen({"added"}));
    const auto doc = xml::Document::parse(accumulated);
    ASSERT_TRUE(doc);
    const auto roots = doc->elementsByName("VELMORA");
    ASSERT_EQ(roots.size(), 2u);
    EXPECT_EQ(roots[0].text(), "firstadded");
    EXPECT_EQ(roots[1].text(), "");
}

// Answers that interleave or texts that the caller changed must be read from the caller's
// text, never from what an earlier merge produced.
TEST_F(ResponseTest, EachMergeReadsTheCallersText) {
    std::string first;
    std::string second;
    for (int screenNo = 1; screenNo <= 3; ++screenNo) {
        const std::string n = std::to_string(screenNo);
        framework::MergeResponse(first, screen({"A" + n}));
        framework::MergeResponse(second, screen({"B" + n}));
    }
    EXPECT_EQ(lineTexts(first), (Lines{"A1", "A2", "A3"}));
    EXPECT_EQ(lineTexts(second), (Lines{"B1", "B2", "B3"}));

    // The same length and position, different content.
    std::string edited = first;
    edited.replace(edited.find("A2"), 2, "Z9");
    framework::MergeResponse(edited, screen({"A4"}));
    EXPECT_EQ(lineTexts(edited), (Lines{"A1", "Z9", "A3", "A4"}));
    framework::MergeResponse(first, screen({"A4"}));
    EXPECT_EQ(lineTexts(first), (Lines{"A1", "A2", "A3", "A4"}));
}

TEST_F(ResponseTest, AScreenWhoseLinesCannotAllBeAddedAddsNone) {
    // VELMORA nested 200 deep cannot take a line 100 levels tall: the result would be too
    // deep to read back.
    std::string accumulated = repeat("<a>", 200) + screen({"L1"}).substr(22) + repeat("</a>", 200);
    const std::string before = accumulated;
    framework::MergeResponse(accumulated, "<VELMORA><LINE><TEXT>half</TEXT></LINE><LINE>" +
                                              repeat("<b>", 100) + repeat("</b>", 100) +
                                              "</LINE></VELMORA>");
    EXPECT_EQ(accumulated, before);
    framework::MergeResponse(accumulated, screen({"L2"}));
    EXPECT_EQ(lineTexts(accumulated), (Lines{"L1", "L2"}));
}

TEST_F(ResponseTest, AResponseTooLargeToReadBackIsNotProduced) {
    std::string accumulated = screen({std::string(5u << 20, 'A')});
    const std::string before = accumulated;
    framework::MergeResponse(accumulated, screen({std::string(4u << 20, 'B')}));
    EXPECT_TRUE(accumulated == before) << "sizes " << accumulated.size() << " " << before.size();
}

TEST_F(ResponseTest, AutomationTextIsReadAsUtf8) {
    EXPECT_EQ(framework::ResponseTextToUtf8(u"<TEXT>5\u00A5</TEXT>"), "<TEXT>5" + kYen + "</TEXT>");
    EXPECT_EQ(framework::ResponseTextToUtf8(std::u16string(1, u'\xD800')), "\xEF\xBF\xBD");
}

}  // namespace
