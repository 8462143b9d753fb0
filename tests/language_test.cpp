#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>

#include "framework/language.h"
#include "platform/text/codepage.h"
#include "platform/zenkor/arch.h"
#include "platform/zenkor/language_table.h"
#include "tests/support/mask_harness.h"

namespace {

using testing_support::TempHome;

std::optional<std::string> lookup(const char* key, int size = 1024) {
    std::array<char, 1024> buffer;
    buffer.fill('#');
    if (!LANG_getString(key, buffer.data(), size)) {
        EXPECT_EQ(buffer[0], '\0') << key << ": a failed lookup leaves an empty buffer";
        return std::nullopt;
    }
    return std::string(buffer.data());
}

// Loads languages and unloads them all at the end of a test.
struct Loaded {
    bool load(const char* language) { return ++count, LANG_load(language); }
    void unload() { --count, LANG_unload(); }
    ~Loaded() {
        while (count-- > 0)
            LANG_unload();
    }
    int count = 0;
};

TEST(LanguageTableTest, ReadsKeysTextsAndEscapesAndSkipsTheRest) {
    const std::string overlong(zenkor::LanguageTable::kMaxLineBytes, 'x');
    zenkor::LanguageTable table;
    table.merge(
        "\xEF\xBB\xBF# comment\n"
        "FIRST=First text\n"
        "  SPACED  =   blanks around go   \r\n"
        "\n"
        "ESCAPES=a\\nb\\tc\\\\d\\qe\n"
        "EDGES=\\sframed\\s\n"
        "EQUALS=a=b\n"
        "bad key=skipped\n"
        "=no key\n"
        "NOEQUALS\n"
        "FIRST=replaced by the later line\n"
        "LONG=" +
        overlong + "\n" + std::string("\0\xff\xfe=\x01\n\0\0\n", 9) + "TRAILING=\\");
    const struct {
        const char* key;
        std::optional<std::string> expected;
    } cases[] = {
        {"FIRST", "replaced by the later line"},
        {"SPACED", "blanks around go"},
        {"ESCAPES", "a\nb\tc\\d\\qe"},
        {"EDGES", " framed "},
        {"EQUALS", "a=b"},
        {"TRAILING", "\\"},
        {"bad key", std::nullopt},
        {"NOEQUALS", std::nullopt},
        {"first", std::nullopt},  // keys keep their case
        {"LONG", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(table.find(c.key), c.expected) << c.key;
    EXPECT_EQ(table.size(), 6u);
}

TEST(LanguageTest, TablesInTheLanguageDirectoriesAddAndOverride) {
    TempHome home;
    home.write("lang/EN1.lang", "CAPTION_BUTTON_SEND=Transmit\nEXTRA_KEY=extra\n");
    home.write("lang/DE1.lang", "CAPTION_BUTTON_SEND=Senden\n");
    home.write("more/DE1.lang", "CAPTION_BUTTON_SEND=Abschicken\nCAPTION_BUTTON_HELP=Hilfe\n");
    Loaded languages;
    ASSERT_TRUE(languages.load("EN1"));
    EXPECT_EQ(lookup("CAPTION_BUTTON_SEND"), "Transmit");
    EXPECT_EQ(lookup("CAPTION_BUTTON_CLEAR"), "Clear");  // the rest stays built in
    EXPECT_EQ(lookup("EXTRA_KEY"), "extra");
    ASSERT_TRUE(languages.load("de1"));
    EXPECT_EQ(lookup("CAPTION_BUTTON_SEND"), "Senden");
    EXPECT_EQ(lookup("CAPTION_BUTTON_CLEAR"), std::nullopt);  // no English fallback
    languages.unload();

    const std::string dirs[] = {(home.path() / "lang").string(), (home.path() / "more").string()};
    const char* const list[] = {dirs[0].c_str(), dirs[1].c_str()};
    zenkor::setLanguageDirectories(list, 2);
    ASSERT_TRUE(languages.load("DE1"));
    EXPECT_EQ(lookup("CAPTION_BUTTON_SEND"), "Abschicken");
    EXPECT_EQ(lookup("CAPTION_BUTTON_HELP"), "Hilfe");
    zenkor::setLanguageDirectories(nullptr, 0);
}

TEST(LanguageTest, LoadsAreCountedPerLanguageAndTheLatestIsInUseAndHoldersGiveTheirsBack) {
    TempHome home;
    home.write("lang/FR1.lang", "CAPTION_BUTTON_SEND=Envoyer\n");
    EXPECT_EQ(lookup("CAPTION_BUTTON_SEND"), std::nullopt);  // nothing loaded
    LANG_unload();                                           // unloads too many do no harm
    LANG_unload("EN1");
    const struct {
        const char* load;
        const char* unload;
        std::optional<std::string> send;  // what a lookup finds afterwards
    } steps[] = {
        {"EN1", nullptr, "Send"},
        {"EN1", nullptr, "Send"},  // a second mask
        {"FR1", nullptr, "Envoyer"},
        {nullptr, "EN1", "Envoyer"},  // an English mask closes: the French one keeps its strings
        {"en1", nullptr, "Send"},     // loaded again, English comes back into use
        {nullptr, "FR1", "Send"},
        {nullptr, "EN1", "Send"},
        {nullptr, "XX9", "Send"},          // a language never loaded unloads nothing
        {nullptr, nullptr, std::nullopt},  // the load left, of the language in use
    };
    for (const auto& step : steps) {
        if (step.load != nullptr)
            LANG_load(step.load);
        else
            LANG_unload(step.unload);
        EXPECT_EQ(lookup("CAPTION_BUTTON_SEND"), step.send)
            << (step.load ? step.load : "unload ") << (step.unload ? step.unload : "");
    }

    // A holder keeps one load and gives it back.
    {
        framework::LoadedLanguage english;
        framework::LoadedLanguage held;
        english.load("EN1");
        for (int activation = 0; activation < 3; ++activation)
            held.load("FR1");
        EXPECT_EQ(lookup("CAPTION_BUTTON_SEND"), "Envoyer");
        held.load("EN1");  // the French load is given back
        LANG_load("FR1");
        LANG_unload("FR1");
        EXPECT_EQ(lookup("CAPTION_BUTTON_SEND"), "Send") << "no French load left";
        framework::LoadedLanguage never;  // a holder that never loaded unloads nothing
    }
    EXPECT_EQ(lookup("CAPTION_BUTTON_SEND"), std::nullopt);
}

TEST(LanguageTest, UnknownAndUnsafeLanguagesFindNothing) {
    TempHome home;
    home.write("evil.lang", "CAPTION_BUTTON_SEND=from outside the language directory\n");
    home.write("lang/sub/X.lang", "CAPTION_BUTTON_SEND=from a sub-directory\n");
    const char* const codes[] = {"XX9", "../evil", "sub/X", "", "EN1\n", nullptr};
    for (const char* code : codes) {
        Loaded languages;
        EXPECT_FALSE(languages.load(code)) << (code ? code : "(null)");
        EXPECT_EQ(lookup("CAPTION_BUTTON_SEND"), std::nullopt) << (code ? code : "(null)");
    }
}

TEST(LanguageTest, StringsAreCutToTheBufferAndConvertedToTheCodePage) {
    TempHome home;
    home.write("lang/TST.lang",
               "CAFE=Caf\xC3\xA9\nEURO=\xE2\x82\xAC 5\nHAN=\xE4\xB8\xAD\nBROKEN=a\xC3z\n");
    Loaded languages;
    ASSERT_TRUE(languages.load("TST"));
    EXPECT_EQ(lookup("CAFE"), "Caf\xE9");
    EXPECT_EQ(lookup("EURO"), "\x80 5");  // the euro sign of code page 1252
    EXPECT_EQ(lookup("HAN"), "?");        // not in the code page
    EXPECT_EQ(lookup("CAFE", 3), "Ca");
    EXPECT_EQ(lookup("CAFE", 1), "");
    EXPECT_EQ(lookup("BROKEN"), "a?z");
    char untouched = 'x';
    EXPECT_FALSE(LANG_getString("CAFE", &untouched, 0));
    EXPECT_EQ(untouched, 'x');

    // The code page in use when the string is asked for counts, not the one at load time.
    home.write("lang/RU1.lang", "SEND=\xD0\x9F\xD1\x83\xD1\x81\xD0\xBA\n");
    ASSERT_TRUE(languages.load("RU1"));
    ASSERT_TRUE(text::setSystemCodePage(1251));
    EXPECT_EQ(lookup("SEND"), "\xCF\xF3\xF1\xEA");
    ASSERT_TRUE(text::setSystemCodePage(1252));
    EXPECT_EQ(lookup("SEND"), "????");
}

}  // namespace
