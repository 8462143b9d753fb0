#include "platform/zenkor/ini_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>
#include "tests/support/system_lines.h"

namespace {

using zenkor::IniFile;

TEST(IniFileTest, ReadsAsTheProfileApiReads) {
    const struct {
        const char* text;
        const char* section;
        const char* key;
        std::optional<std::string> expected;
    } cases[] = {
        {"[S]\nK=V\n", "S", "K", "V"},
        {"[Sec AZ]\nKey az=V\n", "sEC az", "kEY AZ", "V"},  // names without case
        {"  [ S ]  \n  K  =  V W  \n", "S", "K", "V W"},
        {"[S]\nK=\"  quoted  \"\n", "S", "K", "  quoted  "},
        {"[S]\nK=\"\"x\"\"\n", "S", "K", "\"x\""},  // only one pair goes
        {"[S]\nK=\"\"\nL='\n", "S", "K", ""},       // an empty pair, and a lone quote stays
        {"[S]\nK=\"\"\nL='\n", "S", "L", "'"},
        {"[S]\nK=\"mixed'\n", "S", "K", "\"mixed'"},
        {"[S]\nK=a=b=c\n", "S", "K", "a=b=c"},
        {"[S]\nK=v ; not a comment\n", "S", "K", "v ; not a comment"},
        {"[S]\n;K=comment\n", "S", "K", std::nullopt},
        {"[S]\nK\n", "S", "K", std::nullopt},  // no "="
        {"K=before any section\n[S]\n", "S", "K", std::nullopt},
        {"[S]\nK=first\n[T]\n[s]\nK=second\nJ=j\n", "S", "K", "first"},
        {"[S]\nK=first\n[T]\n[s]\nK=second\nJ=j\n", "S", "J", std::nullopt},  // first section
        {"[S]\rK=cr\rL=x", "S", "K", "cr"},
        {"[S] trailing words\nK=V", "S", "K", "V"},  // no final line break
        {"[S\nK=V\n", "S", "K", "V"},                // header without "]"
        {"[S]\nK=[T]\nL=1\n", "S", "L", "1"},        // "[" inside a line opens nothing
        {"[S]\nK=x\r \t[T]\nL=1\n", "T", "L", "1"},  // blanks before a header
        {"[S]\nK=V\n", "T", "K", std::nullopt},
        {"[S]\n\tK\t=\tV\t\n", "S", "K", "V"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IniFile(std::string(c.text)).find(c.section, c.key), c.expected)
            << "reading [" << c.section << "] " << c.key << " from \"" << c.text << "\"";
    }
}

// A value is quoted only when it must be to read back as written; a line break ends it.
TEST(IniFileTest, ValuesAreQuotedOnlyWhenNeededAndReadBackAsWritten) {
    const struct {
        const char* value;
        const char* written;
    } quoted[] = {
        {"ABC 123", "ABC 123"}, {" A", "\" A\""},          {"A ", "\"A \""},
        {"\"A\"", "\"\"A\"\""}, {"A;B", "\"A;B\""},        {"A=B", "\"A=B\""},
        {"one\r\ntwo", "one"},  {" lead\nx", "\" lead\""},
    };
    std::vector<std::string> values = {
        "",    "\tTab\t", "'single'",       "\"",        "a\"", "\"a", "=", "\"\"", "\x1a", "\v\f",
        "[S]", "#hash",   "mixed ' and \"", "\xE9t\xE9",
    };
    for (const auto& c : quoted) {
        EXPECT_EQ(IniFile::writtenValue(c.value), c.written) << "value \"" << c.value << "\"";
        values.push_back(c.value);
    }
    for (const std::string& value : values) {
        IniFile ini;
        ASSERT_TRUE(ini.set("Section", "KEY", value));
        EXPECT_EQ(IniFile(ini.serialize()).find("Section", "KEY"),
                  value.substr(0, value.find_first_of("\r\n")))
            << "value \"" << value << "\" written as " << ini.serialize();
    }
}

TEST(IniFileTest, WritingKeepsEverythingElseAsItWas) {
    const struct {
        const char* name;
        const char* before;
        const char* section;
        const char* key;
        const char* value;
        std::string after;
    } cases[] = {
        {"changed key keeps its place and spelling", "; top\n[A]\nkey=old\nother=1\n\n[B]\nx=2\n",
         "a", "KEY", "new", "; top\n[A]\nkey=new\nother=1\n\n[B]\nx=2\n"},
        {"new key after the last key of its section", "[A]\nx=1\n\n; about B\n[B]\ny=2\n", "A", "z",
         "3", "[A]\nx=1\nz=3\n\n; about B\n[B]\ny=2\n"},
        {"new section at the end", "[A]\nx=1\n", "B", "y", "2", "[A]\nx=1\n\n[B]\ny=2\n"},
        {"new section in an empty file: the system's line ends", "", "B", "y", "2",
         testing_support::systemLines("[B]\ny=2\n")},
        {"file without a final line break", "[A]\nx=1", "A", "y", "2", "[A]\nx=1\ny=2\n"},
        {"line ends of the file are kept", "[A]\r\nx=1\r\n", "A", "y", "2",
         "[A]\r\nx=1\r\ny=2\r\n"},
        {"junk and comments stay", "garbage\n[A]\n;c\nnoequals\nx=1\n#x\n", "A", "x", "9",
         "garbage\n[A]\n;c\nnoequals\nx=9\n#x\n"},
        {"the first of two keys is the one changed", "[A]\nx=1\nx=2\n", "A", "x", "3",
         "[A]\nx=3\nx=2\n"},
    };
    for (const auto& c : cases) {
        IniFile ini{std::string(c.before)};
        ASSERT_TRUE(ini.set(c.section, c.key, c.value)) << c.name;
        EXPECT_EQ(ini.serialize(), c.after) << c.name;
    }
}

TEST(IniFileTest, SeveralChangesKeepTheirOrderAndListAsTheyRead) {
    IniFile ini(std::string("[A]\na=1\nA=dup\n=nameless\n\n[B]\nb=1\n[a]\nz=9\n"));
    ASSERT_TRUE(ini.set("A", "n1", "x"));
    ASSERT_TRUE(ini.set("C", "c1", "y"));
    ASSERT_TRUE(ini.set("A", "n2", "z"));
    ASSERT_TRUE(ini.set("A", "N1", "x2"));  // the added key, changed again
    ASSERT_TRUE(ini.set("c", "c2", "w"));
    EXPECT_EQ(ini.serialize(),
              "[A]\na=1\nA=dup\n=nameless\nn1=x2\nn2=z\n\n[B]\nb=1\n[a]\nz=9\n\n[C]\nc1=y\nc2=w\n");
    const std::vector<std::string> sections{"A", "B", "C"};
    EXPECT_EQ(ini.sectionNames(), sections);
    const std::vector<std::pair<std::string, std::string>> keys{
        {"a", "1"}, {"n1", "x2"}, {"n2", "z"}};
    EXPECT_EQ(ini.entries("a"), keys);
}

TEST(IniFileTest, NamesThatCannotBeReadBackAreRefused) {
    const struct {
        const char* section;
        const char* key;
    } cases[] = {
        {"", "K"},    {"S]", "K"},  {" S", "K"}, {"S\n", "K"}, {"S", ""},
        {"S", "K=1"}, {"S", "K\t"}, {"S", "[K"}, {"S", ";K"},  {"S", "K\r"},
    };
    const std::string before = "[S]\nK=1\n";
    for (const auto& c : cases) {
        IniFile ini(before);
        EXPECT_FALSE(ini.set(c.section, c.key, "v"))
            << "section \"" << c.section << "\" key \"" << c.key << "\"";
        EXPECT_EQ(ini.serialize(), before);
    }
}

TEST(IniFileTest, UnchangedFilesSerializeByteForByte) {
    // Deterministic noise: random bytes weighted toward the characters the reader looks at.
    std::uint32_t state = 12345;
    auto next = [&state] {
        state = state * 1103515245u + 12345u;
        return state >> 8;
    };
    const char interesting[] = "[]=;\r\n \t\"'aK";
    for (int round = 0; round < 200; ++round) {
        std::string text;
        const std::size_t length = next() % 300;
        for (std::size_t i = 0; i < length; ++i) {
            text += next() % 2 ? interesting[next() % (sizeof interesting - 1)]
                               : static_cast<char>(next() % 256);
        }
        IniFile ini(text);
        ASSERT_EQ(ini.serialize(), text) << "round " << round;
        // A value written into any of it reads back.
        ASSERT_TRUE(ini.set("K", "a", " v;1 "));
        ASSERT_EQ(IniFile(ini.serialize()).find("K", "a"), " v;1 ") << "round " << round;
    }
}

TEST(IniFileTest, HugeFilesAndLinesAreHandled) {
    std::string oneLine(16u << 20, 'x');
    oneLine.replace(0, 5, "[S]\nk");
    IniFile line(oneLine);
    ASSERT_TRUE(line.set("S", "new", "1"));
    EXPECT_EQ(line.serialize().size(), oneLine.size() + 6);

    std::string manyKeys = "[S]\n";
    while (manyKeys.size() < (2u << 20))
        manyKeys += "k" + std::to_string(manyKeys.size()) + "=v\n";
    IniFile keys(manyKeys);
    EXPECT_EQ(keys.find("S", "k4"), "v");
    EXPECT_EQ(keys.serialize(), manyKeys);
}

}  // namespace
