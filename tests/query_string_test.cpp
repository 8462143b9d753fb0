#include "framework/query_string.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/debug/debug_output.h"

namespace {

using framework::QueryString;

std::string show(const QueryString& q) {
    std::string out;
    for (const auto& item : q.items()) {
        out += "(" + item.key() + "|" + item.value() + ")";
    }
    return out;
}

TEST(QueryStringParse, ItemsInOrder) {
    const struct {
        const char* text;
        const char* separators;
        const char* items;  // (key|value) per item
    } cases[] = {
        {"TFR=12&X=1", "&", "(TFR|12)(X|1)"},
        {"TFR=12&", "&", "(TFR|12)(InvalidKey|)"},
        {"TFR", "&", "(InvalidKey|TFR)"},
        {"A=1=2", "&", "(A|1=2)"},
        {"", "&", "(InvalidKey|)"},
        {"&&", "&", "(InvalidKey|)(InvalidKey|)(InvalidKey|)"},
        {"=v&k=", "&", "(|v)(k|)"},
        {" K = v ", "&", "( K | v )"},
        {"A=1;B=2&C=3", ";&", "(A|1)(B|2)(C|3)"},
        {"A=1&B=2", "", "(A|1&B=2)"},
        {"K=\xC2\xA5&L=\xA5", "\xA5", "(K|\xC2)(&L|)(InvalidKey|)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(show(QueryString(c.text, c.separators)), c.items)
            << "text [" << c.text << "] separators [" << c.separators << "]";
    }
}

TEST(QueryStringParse, NullsEmbeddedNulsAndLongTextsAreSafe) {
    QueryString nullText(static_cast<const char*>(nullptr), "&");
    EXPECT_EQ(nullText.count(), 0);
    EXPECT_FALSE(nullText.lookup("InvalidKey").found);
    EXPECT_EQ(show(QueryString("A=1&B=2", nullptr)), "(A|1&B=2)") << "no separators";
    std::string text("A=x\0y&B=2", 9);
    QueryString q(std::string_view(text), "&");
    ASSERT_EQ(q.count(), 2);
    EXPECT_EQ(q.items()[0].value(), std::string("x\0y", 3)) << "a NUL is an ordinary byte";

    text.clear();
    for (int i = 0; i < 50000; ++i)
        text += "K" + std::to_string(i) + "=" + std::to_string(i) + "&";
    QueryString many(std::string_view(text), "&");
    EXPECT_EQ(many.count(), 50001) << "every item kept";
    EXPECT_EQ(many.lookup("K49999").value, "49999");
}

TEST(QueryStringLookup, FirstExactMatchWins) {
    const struct {
        const char* text;
        const char* key;
        bool found;
        const char* value;
    } cases[] = {
        {"TFR=12&X=1", "TFR", true, "12"},   {"TFR", "TFR", false, ""},
        {"TFR=1&TFR=2", "TFR", true, "1"},   {"tfr=5", "TFR", false, ""},
        {"TFR =1", "TFR", false, ""},        {"TFRX=1", "TFR", false, ""},
        {"X=1&TFR=A=B", "TFR", true, "A=B"}, {"=v", "", true, "v"},
    };
    for (const auto& c : cases) {
        const framework::FieldLookup got = QueryString(c.text, "&").lookup(c.key);
        EXPECT_EQ(std::pair(got.found, got.value), std::pair(c.found, std::string(c.value)))
            << "text [" << c.text << "] key [" << c.key << "]";
    }
}

// Collects the lines of the debug channel while it lives, and switches it back after.
struct DebugCapture {
    DebugCapture() { debug::enable(true); }
    ~DebugCapture() {
        debug::enable(wasOn);
        debug::setSink(std::move(previous));
    }
    std::vector<std::string> lines;
    const bool wasOn = debug::enabled();
    debug::Sink previous =
        debug::setSink([this](std::string_view line) { lines.emplace_back(line); });
};

// The debug channel gets each item on a dump and the text then each item on destruction, with
// the texts never read as formats, and nothing at all while switched off.
TEST(QueryStringDebug, DumpAndDestructionWriteEachItemOnlyWhenSwitchedOn) {
    DebugCapture capture;
    {
        QueryString q("A=1&%s=%n", "&");
        q.dump();
    }
    const std::vector<std::string> expected = {
        "Key is [A], value is [1]",
        "Key is [%s], value is [%n]",
        "Delete QueryString [A=1&%s=%n]",
        "Delete CParseField::~CParseField []",
        "Delete Key [A]",
        "Delete Value [1]",
        "Delete CParseField::~CParseField []",
        "Delete Key [%s]",
        "Delete Value [%n]",
    };
    EXPECT_EQ(capture.lines, expected);
    capture.lines.clear();
    { QueryString q(static_cast<const char*>(nullptr), "&"); }
    EXPECT_EQ(capture.lines, std::vector<std::string>{"Delete QueryString []"});

    capture.lines.clear();
    debug::enable(false);
    {
        QueryString q("A=1", "&");
        q.dump();
    }
    debug::output("direct");
    EXPECT_TRUE(capture.lines.empty());
}

}  // namespace
