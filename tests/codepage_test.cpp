// Conversion between the system code page, UTF-16 and UTF-8.
#include <gtest/gtest.h>

#include <string>

#include "platform/text/codepage.h"

namespace {

// Restores the system code page a test changed.
class CodePageTest : public testing::Test {
  protected:
    void TearDown() override { ASSERT_TRUE(text::setSystemCodePage(1252)); }
};

// Every byte maps to its own character and back; the table pins the bytes whose characters differ
// between the code pages or from Latin-1.
TEST_F(CodePageTest, EveryByteMapsToItsCharacterAndBack) {
    std::string all(256, '\0');
    for (int b = 0; b < 256; ++b)
        all[b] = static_cast<char>(b);
    for (unsigned codePage : {1252u, 1251u}) {
        const std::u16string wide = text::toUtf16(all, codePage);
        ASSERT_EQ(wide.size(), 256u) << codePage;
        EXPECT_EQ(wide.find(u'\uFFFD'), std::u16string::npos) << codePage;
        EXPECT_EQ(text::fromUtf16(wide, codePage), all) << codePage;
    }
    const struct {
        unsigned codePage;
        char byte;
        char16_t character;
    } cases[] = {
        {1252, '\x80', u'\u20AC'}, {1252, '\x81', u'\u0081'}, {1252, '\x8A', u'\u0160'},
        {1252, '\x99', u'\u2122'}, {1252, '\x9F', u'\u0178'}, {1252, '\xA5', u'\u00A5'},
        {1251, '\x80', u'\u0402'}, {1251, '\x88', u'\u20AC'}, {1251, '\x98', u'\u0098'},
        {1251, '\xA5', u'\u0490'}, {1251, '\xB4', u'\u0491'}, {1251, '\xFF', u'\u044F'},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(text::toUtf16(std::string(1, c.byte), c.codePage), std::u16string(1, c.character))
            << "code page " << c.codePage << " byte " << +static_cast<unsigned char>(c.byte);
    }
}

// Characters a single-byte code page cannot show become "?"; unpaired surrogates become
// U+FFFD first (one "?", or its UTF-8 form).
TEST_F(CodePageTest, Utf16IsWrittenInTheCodePage) {
    const struct {
        unsigned codePage;
        std::u16string in;
        std::string out;
    } cases[] = {
        {1252, u"A\u0416B", "A?B"},  // Cyrillic in the Latin code page
        {1251, u"A\u00E9B", "A?B"},  // Latin in the Cyrillic one
        {1252, u"\U0001F600", "?"},  // one character outside the BMP, one mark
        {1252, std::u16string(1, u'\xD800') + u"x", "?x"},
        {1251, std::u16string(1, u'\xDC00'), "?"},
        {1252, u"\uFFFD", "?"},
        {text::kUtf8, u"\u00A5\u0490\u20AC", "\xC2\xA5\xD2\x90\xE2\x82\xAC"},
        {text::kUtf8, u"\U0001F600", "\xF0\x9F\x98\x80"},
        {text::kUtf8, std::u16string(1, u'\xD83D') + u"A", "\xEF\xBF\xBD\x41"},
        {text::kUtf8, u"A" + std::u16string(1, u'\xDE00'), "A\xEF\xBF\xBD"},
        {text::kUtf8, std::u16string{u'\xDE00', u'\xD83D'}, "\xEF\xBF\xBD\xEF\xBF\xBD"},
        {text::kUtf8, std::u16string(u"\0", 1), std::string(1, '\0')},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(text::fromUtf16(c.in, c.codePage), c.out)
            << testing::PrintToString(c.in) << " in " << c.codePage;
    }
}

TEST_F(CodePageTest, Utf8IsDecodedStrictly) {
    const struct {
        const char* what;
        std::string bytes;
        std::u16string decoded;
        bool wellFormed;
    } cases[] = {
        {"two bytes", "\xC2\xA5", u"\u00A5", true},
        {"lone continuation", "A\x80", u"A\uFFFD", false},
        {"three bytes", "\xE2\x82\xAC", u"\u20AC", true},
        {"four bytes", "\xF0\x9F\x98\x80", u"\U0001F600", true},
        {"largest code point", "\xF4\x8F\xBF\xBF", u"\U0010FFFF", true},
        {"a replacement character as such", "\xEF\xBF\xBD", u"\uFFFD", true},
        {"overlong slash", "\xC0\xAF", u"\uFFFD\uFFFD", false},
        {"encoded surrogate", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD", false},
        {"above U+10FFFF", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD", false},
        {"invalid lead", "\xF5\xFF", u"\uFFFD\uFFFD", false},
        {"truncated at the end", "A\xE2\x82", u"A\uFFFD", false},
        {"truncated before a lead", "\xC2\xC2\xA5", u"\uFFFD\u00A5", false},
        {"NUL kept", std::string("a\0b", 3), std::u16string(u"a\0b", 3), true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(text::toUtf16(c.bytes, text::kUtf8), c.decoded) << c.what;
        EXPECT_EQ(text::utf8ToUtf16Strict(c.bytes),
                  c.wellFormed ? std::optional(c.decoded) : std::nullopt)
            << c.what;
    }
}

TEST_F(CodePageTest, SystemCodePageIsLatinUnlessChangedToAnotherKnownOne) {
    EXPECT_EQ(text::systemCodePage(), 1252u);
    EXPECT_EQ(text::toAnsi(u"\u00A5"), "\xA5");
    for (unsigned refused : {0u, 437u, 1250u, 28591u, text::kUtf8}) {
        EXPECT_FALSE(text::setSystemCodePage(refused)) << refused;
        EXPECT_EQ(text::systemCodePage(), 1252u) << "kept after refusing " << refused;
    }
    // An unknown code page converts as ASCII.
    EXPECT_EQ(text::toUtf16("A\xA5", 437), u"A\uFFFD");
    EXPECT_EQ(text::fromUtf16(u"A\u00A5", 437), "A?");
    ASSERT_TRUE(text::setSystemCodePage(1251));
    EXPECT_EQ(text::systemCodePage(), 1251u);
    EXPECT_EQ(text::toAnsi(u"\u0490"), "\xA5");
    EXPECT_EQ(text::fromAnsi("\xA5"), u"\u0490");
}

}  // namespace
