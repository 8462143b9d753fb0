#include "host/script.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "host/command_line.h"

namespace {

using host::CommandLineParse;
using host::ReaderMode;
using host::ScriptCommand;
using host::ScriptReader;

// Words as "[w1][w2]..."; units outside printable ASCII as \uXXXX.
std::string show(const std::vector<std::u16string>& words) {
    std::string out;
    for (const auto& word : words) {
        out += '[';
        for (char16_t c : word) {
            char unit[8];
            std::snprintf(unit, sizeof unit, c >= 0x20 && c < 0x7F ? "%c" : "\\u%04X",
                          static_cast<unsigned>(c));
            out += unit;
        }
        out += ']';
    }
    return out;
}

// A sound line's words as show() writes them, or the error of a malformed one.
TEST(ScriptLine, WordsQuotesAndEscapes) {
    const std::pair<const char*, const char*> cases[] = {
        {" type\t848  125 ", "[type][848][125]"},
        {"", ""},
        {"# a comment", ""},
        {"type 840 a#b", "[type][840][a#b]"},
        {R"(file x C:\dir\n)", R"([file][x][C:\dir\n])"},
        {R"(type 1 ab"cd)", R"([type][1][ab"cd])"},
        {R"(queue K "TFR=12&X=1")", "[queue][K][TFR=12&X=1]"},
        {R"(type 1 "")", "[type][1][]"},
        {R"(type 1 "a\\b\"c")", R"([type][1][a\b"c])"},
        {R"(type 1 "\n\t")", R"([type][1][\u000A\u0009])"},
        {R"(type 1 "\uD800")", R"([type][1][\uD800])"},
        {R"(type 1 "\u00415")", "[type][1][A5]"},
        {"type 1 \xC2\xA5 \"\xF0\x9F\x98\x80\"", R"([type][1][\u00A5][\uD83D\uDE00])"},
        {R"("quoted" word)", "[quoted][word]"},
        {R"(type 1 "a" "b")", "[type][1][a][b]"},
        {"# \xFF in a comment", ""},
        // malformed lines
        {R"(type 1 "abc)", "unterminated quote"},
        {R"(type 1 "abc\")", "unterminated quote"},
        {R"(type 1 "\x")", R"(bad escape \x)"},
        {R"(type 1 "\u12G4")", R"(bad escape \u12G4 (\u takes four hex digits))"},
        {R"(type 1 "a"b)", "text after a closing quote"},
        {"type 1 \xFF", "invalid UTF-8"},
        {"type 1 \xC0\x80", "invalid UTF-8"},          // overlong NUL
        {"type 1 \xED\xA0\x80", "invalid UTF-8"},      // an encoded surrogate
        {"type 1 \xF4\x90\x80\x80", "invalid UTF-8"},  // above U+10FFFF
        {"type 1 \x80", "invalid UTF-8"},              // stray continuation byte
    };
    for (const auto& [line, outcome] : cases) {
        const host::LineWords got = host::splitScriptLine(line);
        EXPECT_EQ(show(got.words) + got.error, outcome) << "line [" << line << "]";
    }
}

std::vector<ScriptCommand> readAll(ScriptReader& reader) {
    std::vector<ScriptCommand> commands;
    while (auto command = reader.next()) {
        commands.push_back(std::move(*command));
    }
    return commands;
}

TEST(ScriptReaderTest, CommandsCarryTheirLineNumbers) {
    std::istringstream in(
        "\xEF\xBB\xBF# set up\r\n"
        "queue ID_TICKETING_ISSUANCE \"TFR=1\"\r\n"
        "\r\n"
        "create TicketingIssuance\n"
        "   \n"
        "type 848 \"a b\"\r\n"
        "destroy");
    ScriptReader reader(in);
    std::vector<ScriptCommand> commands = readAll(reader);
    std::string got;
    for (const ScriptCommand& c : commands)
        got += std::to_string(c.line) + " " + std::string(c.word) + show(c.arguments) + "\n";
    ASSERT_EQ(got,
              "2 queue[ID_TICKETING_ISSUANCE][TFR=1]\n4 create[TicketingIssuance]\n"
              "6 type[848][a b]\n7 destroy\n");
    EXPECT_FALSE(reader.error().has_value());
    EXPECT_EQ(commands[2].argumentUtf8(1), "a b");
    EXPECT_EQ(commands[2].argumentUtf8(5), "");
}

TEST(ScriptReaderTest, ScriptModeStopsAtTheFirstErrorOrFault) {
    std::istringstream in("click 1\n\nclick \"2\n click 3\n");
    ScriptReader reader(in);
    EXPECT_EQ(readAll(reader).size(), 1u);
    ASSERT_TRUE(reader.error().has_value());
    EXPECT_EQ(reader.error()->message(), "<stdin>:3: unterminated quote");
    EXPECT_FALSE(reader.next().has_value());

    // So does a fault of a command.
    std::istringstream faulty("click 1\nclick 2\n");
    ScriptReader second(faulty);
    auto first = second.next();
    ASSERT_TRUE(first.has_value());
    EXPECT_TRUE(second.fail(first->line, "no control 1"));
    EXPECT_FALSE(second.next().has_value());
    EXPECT_EQ(second.error()->message(), "<stdin>:1: no control 1");
}

TEST(ScriptReaderTest, InteractiveModePromptsAndGoesOnAfterErrors) {
    std::istringstream in("click 1\nclick \"\nclick 3\n");
    std::ostringstream prompt;
    std::ostringstream errors;
    host::StreamInput input(in, &prompt);
    ScriptReader reader(input, ReaderMode::Interactive, "-", errors);
    std::vector<ScriptCommand> commands = readAll(reader);
    ASSERT_EQ(commands.size(), 2u);
    EXPECT_EQ(commands[1].line, 3);
    EXPECT_FALSE(reader.fail(3, "no control 3"));
    reader.warn(3, "cut");
    EXPECT_FALSE(reader.error().has_value());
    EXPECT_EQ(errors.str(), "unterminated quote\nno control 3\nwarning: cut\n");
    // one prompt per line read, and one more for the end of the input
    EXPECT_EQ(prompt.str(), "quorvex> quorvex> quorvex> quorvex> \n");
}

// A line and why its count of arguments is wrong ("" when it fits).
TEST(CommandTable, ArgumentCounts) {
    const std::pair<const char*, const char*> cases[] = {
        {"ini Quorvex.ini User LANG", "`ini` takes 4 arguments"},
        {"queue K", "`queue` takes 2 arguments"},
        {"create", "`create` takes 1 argument"},
        {"destroy now", "`destroy` takes no arguments"},
        {"type 848", "`type` takes 2 arguments"},
        {"type 848 125 6", "`type` takes 2 arguments"},
        {"pick 900", "`pick` takes at least 2 arguments"},
        {"pick 900 0 1 2 3 4 5", ""},
        {"choose", "`choose` takes 1 or 2 arguments"},
        {"choose LHR LONDON", ""},
        {"choose LHR LONDON X", "`choose` takes 1 or 2 arguments"},
        {"pickdate 2024 1", "`pickdate` takes 3 arguments"},
        {"frobnicate 1", "unknown command `frobnicate` (`help` lists the commands)"},
        {"Type 848 1", "unknown command `Type`; did you mean `type`?"},
        {"dum 848", "unknown command `dum`; did you mean `dump`?"},
        {"expect", "`expect` takes 1 or 2 arguments"},
        {"help type extra", "`help` takes 0 or 1 argument"},
    };
    for (const auto& [line, why] : cases) {
        std::istringstream in(line);
        ScriptReader reader(in);
        auto command = reader.next();
        ASSERT_TRUE(command.has_value()) << line;
        EXPECT_EQ(host::checkArguments(*command).value_or(""), why) << "line [" << line << "]";
    }
}

std::string outcomeOf(const CommandLineParse& parse) {
    if (parse.help || parse.version) {
        return parse.help ? "help" : "version";
    }
    if (!parse.commandLine) {
        return parse.error.empty() ? "error without text" : "error";
    }
    const auto& cl = *parse.commandLine;
    return "home=" + cl.home.value_or("(default)") + "|cp=" + std::to_string(cl.codePage) +
           "|script=" + (cl.readsStandardInput() ? "(stdin)" : cl.script) +
           (cl.freshHome ? "|fresh" : "") + (cl.echo ? "|echo" : "") +
           (cl.check.empty() ? "" : "|check=" + cl.check);
}

TEST(CommandLineTest, OptionsAndScript) {
    const std::pair<std::vector<std::string_view>, const char*> cases[] = {
        {{}, "home=(default)|cp=1252|script=(stdin)"},
        {{"run.qvx"}, "home=(default)|cp=1252|script=run.qvx"},
        {{"--home", "/h", "--codepage", "1251", "s"}, "home=/h|cp=1251|script=s"},
        {{"--home=/h", "--codepage=65001"}, "home=/h|cp=65001|script=(stdin)"},
        {{"s", "--home", "/h"}, "home=/h|cp=1252|script=s"},
        {{"--", "-x"}, "home=(default)|cp=1252|script=-x"},
        {{"--help"}, "help"},
        {{"--version", "s"}, "version"},
        {{"--fresh-home", "--echo", "s"}, "home=(default)|cp=1252|script=s|fresh|echo"},
        {{"--check", "s.out", "s"}, "home=(default)|cp=1252|script=s|check=s.out"},
        {{"--check=s.out"}, "home=(default)|cp=1252|script=(stdin)|check=s.out"},
        {{"--home", "/h", "--fresh-home"}, "error"},
        {{"--check"}, "error"},
        {{"--check="}, "error"},
        {{"-h", "--bogus"}, "help"},
        {{"a", "b"}, "error"},
        {{"--home"}, "error"},
        {{"--codepage", "abc"}, "error"},
        {{"--codepage", "0"}, "error"},
        {{"--codepage", "70000"}, "error"},
        {{"--verbose"}, "error"},
        {{""}, "error"},
    };
    for (const auto& [arguments, outcome] : cases) {
        EXPECT_EQ(outcomeOf(host::parseCommandLine(arguments)), outcome)
            << testing::PrintToString(arguments);
    }
}

}  // namespace
