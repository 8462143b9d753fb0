// The command line of quorvex-host:
//
//     quorvex-host [--home DIR | --fresh-home] [--codepage N] [--echo] [--check FILE] [SCRIPT]
//     quorvex-host --help | --version
//
// SCRIPT "-" or none reads standard input. Options with a value may also be written
// "--home=DIR"; "--" ends the options (so a script may be named "-x").
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
    // Run in a new temporary home, removed at the end.
    bool freshHome = false;
    // Print each command ("> type 848 125") before its output.
    bool echo = false;
    // Compare the transcript with this file instead of printing it.
    std::string check;

    bool readsStandardInput() const { return script.empty(); }
};

// The outcome of reading the command line: exactly one of commandLine, help, version or error.
struct CommandLineParse {
    std::optional<CommandLine> commandLine;
    bool help = false;     // --help or -h: print the program's help on stdout and exit 0
    bool version = false;  // --version: print versionText() on stdout and exit 0
    std::string error;     // unusable command line: print on stderr with the usage, exit 2
};

// Reads the arguments after the program name.
CommandLineParse parseCommandLine(const std::vector<std::string_view>& arguments);
CommandLineParse parseCommandLine(int argc, const char* const* argv);

// "usage: quorvex-host ..." and a line per option.
std::string usageText();
// "quorvex-host VERSION".
std::string versionText();

// True when the host should run interactively: the script comes from standard input and
// standard input is a terminal.
bool runsInteractively(const CommandLine& commandLine);

}  // namespace host
