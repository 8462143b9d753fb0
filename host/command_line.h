// The command line of quorvex-host:
//
//     quorvex-host [--home DIR] [--codepage N] [SCRIPT]
//
// SCRIPT "-" or none reads standard input. Options may also be written "--home=DIR" and
// "--codepage=N"; "--" ends the options (so a script may be named "-x").
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace host {

inline constexpr unsigned kDefaultCodePage = 1252;

struct CommandLine {
    // The directory given with --home; none means the default home directory
    // ($QUORVEX_HOME, else $XDG_CONFIG_HOME/quorvex, else ~/.config/quorvex).
    std::optional<std::string> home;
    // The system code page given with --codepage (1 to 65535). Whether the masks can convert
    // it is for text::setSystemCodePage to answer.
    unsigned codePage = kDefaultCodePage;
    // The script file; empty when the script comes from standard input ("-" or none).
    std::string script;

    bool readsStandardInput() const { return script.empty(); }
};

// The outcome of reading the command line: exactly one of commandLine, help or error.
struct CommandLineParse {
    std::optional<CommandLine> commandLine;
    bool help = false;  // --help or -h: print usageText() on stdout and exit 0
    std::string error;  // unusable command line: print on stderr with the usage, exit 2
};

// Reads the arguments after the program name.
CommandLineParse parseCommandLine(const std::vector<std::string_view>& arguments);
CommandLineParse parseCommandLine(int argc, const char* const* argv);

// "usage: quorvex-host [--home DIR] [--codepage N] [SCRIPT]" and a line per option.
std::string usageText();

// True when the host should run interactively: the script comes from standard input and
// standard input is a terminal.
bool runsInteractively(const CommandLine& commandLine);

}  // namespace host
