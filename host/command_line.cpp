#include "host/command_line.h"

#ifdef _WIN32
#include <io.h>
#define isatty _isatty
#define STDIN_FILENO 0
#else
#include <unistd.h>
#endif

#include <charconv>

namespace host {
namespace {

constexpr std::string_view kHome = "--home";
constexpr std::string_view kCodePage = "--codepage";
constexpr std::string_view kCheck = "--check";

CommandLineParse failure(std::string why) {
    CommandLineParse parse;
    parse.error = std::move(why);
    return parse;
}

bool readCodePage(std::string_view text, unsigned& codePage) {
    unsigned value = 0;
    const char* end = text.data() + text.size();
    auto [stop, code] = std::from_chars(text.data(), end, value);
    if (text.empty() || code != std::errc() || stop != end || value == 0 || value > 65535) {
        return false;
    }
    codePage = value;
    return true;
}

}  // namespace

CommandLineParse parseCommandLine(const std::vector<std::string_view>& arguments) {
    CommandLine commandLine;
    bool haveScript = false;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string_view argument = arguments[i];
        bool isOption = !optionsEnded && argument.size() > 1 && argument[0] == '-';
        if (!isOption) {
            if (haveScript) {
                return failure("more than one script: " + std::string(argument));
            }
            haveScript = true;
            commandLine.script = argument == "-" && !optionsEnded ? "" : std::string(argument);
            if (argument.empty()) {
                return failure("the script name is empty");
            }
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (argument == "--help" || argument == "-h" || argument == "--version") {
            CommandLineParse parse;
            parse.help = argument != "--version";
            parse.version = !parse.help;
            return parse;
        }
        if (argument == "--echo" || argument == "--fresh-home") {
            (argument == "--echo" ? commandLine.echo : commandLine.freshHome) = true;
            continue;
        }
        // "--name value" or "--name=value"
        std::string_view name = argument;
        std::optional<std::string_view> value;
        if (auto equals = argument.find('='); equals != std::string_view::npos) {
            name = argument.substr(0, equals);
            value = argument.substr(equals + 1);
        }
        if (name != kHome && name != kCodePage && name != kCheck) {
            return failure("unknown option " + std::string(argument));
        }
        if (!value) {
            if (i + 1 == arguments.size()) {
                return failure(std::string(name) + " needs a value");
            }
            value = arguments[++i];
        }
        if (name == kHome) {
            if (value->empty()) {
                return failure("--home needs a directory");
            }
            commandLine.home = std::string(*value);
        } else if (name == kCheck) {
            if (value->empty()) {
                return failure("--check needs a transcript file");
            }
            commandLine.check = std::string(*value);
        } else if (!readCodePage(*value, commandLine.codePage)) {
            return failure("--codepage needs a code page number (1 to 65535), not \"" +
                           std::string(*value) + "\"");
        }
    }
    if (commandLine.home && commandLine.freshHome) {
        return failure("--home and --fresh-home exclude each other");
    }
    CommandLineParse parse;
    parse.commandLine = std::move(commandLine);
    return parse;
}

CommandLineParse parseCommandLine(int argc, const char* const* argv) {
    std::vector<std::string_view> arguments;
    for (int i = 1; i < argc; ++i) {
        arguments.emplace_back(argv[i]);
    }
    return parseCommandLine(arguments);
}

std::string usageText() {
    return "usage: quorvex-host [--home DIR | --fresh-home] [--codepage N] [--echo]\n"
           "                    [--check FILE.out] [SCRIPT]\n"
           "       quorvex-host --help | --version\n"
           "  SCRIPT          the script to run; - or none reads standard input (on a\n"
           "                  terminal: a prompt with line editing and completion)\n"
           "  --home DIR      where Quorvex.ini, the start-up queue and the log live\n"
           "                  (default $QUORVEX_HOME, else $XDG_CONFIG_HOME/quorvex,\n"
           "                  else ~/.config/quorvex)\n"
           "  --fresh-home    run in a new temporary home, removed at the end\n"
           "  --codepage N    the system code page of the masks (default 1252)\n"
           "  --echo          print each command (\"> type 848 125\") before its output\n"
           "  --check FILE    compare the transcript with FILE instead of printing it:\n"
           "                  exit 1 and show the difference when they differ\n"
           "Exit status: 0 the script ran to its end; 1 an `expect` or --check failed;\n"
           "2 an unusable command line or a script error (FILE:LINE: why on stderr).\n"
           "Full reference: docs/script-reference.md\n";
}

std::string versionText() {
    return "quorvex-host " FAREWRIGHT_VERSION "\n";
}

bool runsInteractively(const CommandLine& commandLine) {
    return commandLine.readsStandardInput() && ::isatty(STDIN_FILENO) == 1;
}

}  // namespace host
