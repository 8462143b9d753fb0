// quorvex-host: the stand-in for the terminal. Reads a script (or, on a terminal, commands
// typed at a prompt), drives one mask at a time and prints what the mask does.
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>

#include "host/command_line.h"
#include "host/help.h"
#include "host/home_files.h"
#include "host/host_window.h"
#include "host/line_editor.h"
#include "host/runner.h"
#include "host/script.h"
#include "host/transcript.h"
#include "host/transcript_diff.h"
#include "platform/file/file.h"
#include "platform/text/codepage.h"

namespace {

// --check: exit 1 with the difference on stderr unless the transcript equals the file.
int compareTranscript(const std::string& expectedFile, const std::string& actual,
                      const std::string& scriptName) {
    // Relative to the working directory, not to the home.
    const file::ReadResult expected =
        file::readWholeFile(std::filesystem::absolute(expectedFile).string());
    if (!expected.opened) {
        std::cerr << "cannot read the transcript " << expectedFile << '\n';
        return host::kExitScriptError;
    }
    if (expected.content == actual)
        return 0;
    std::cerr << scriptName << ": the transcript differs from " << expectedFile << '\n';
    const auto diff = host::unifiedDiff(host::splitLines(expected.content),
                                        host::splitLines(actual), expectedFile, "transcript");
    for (const std::string& line : diff)
        std::cerr << line << '\n';
    if (diff.empty())
        std::cerr << "(they differ only in line ends)\n";
    return host::kExitFailedCheck;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef SIGXFSZ
    // A file-size limit makes a write fail (and be reported) instead of ending the process.
    std::signal(SIGXFSZ, SIG_IGN);
#endif

    const host::CommandLineParse parsed = host::parseCommandLine(argc, argv);
    if (parsed.help || parsed.version) {
        std::cout << (parsed.help ? host::programHelp() : host::versionText());
        return 0;
    }
    if (!parsed.commandLine) {
        std::cerr << parsed.error << '\n' << host::usageText();
        return host::kExitScriptError;
    }
    const host::CommandLine& options = *parsed.commandLine;
    if (!text::setSystemCodePage(options.codePage)) {
        std::cerr << "code page " << options.codePage << " is not supported\n" << host::usageText();
        return host::kExitScriptError;
    }
    std::unique_ptr<host::FreshHome> freshHome;
    if (options.freshHome) {
        freshHome = std::make_unique<host::FreshHome>();
        if (freshHome->path().empty()) {
            std::cerr << "cannot make a temporary home\n";
            return host::kExitScriptError;
        }
        file::setHomeDirectory(freshHome->path());
    } else if (options.home) {
        file::setHomeDirectory(
            std::filesystem::absolute(*options.home).lexically_normal().string());
    }
    if (std::string problem = host::homeProblem(file::homeDirectory()); !problem.empty())
        std::cerr << "warning: " << problem << '\n';

    std::ifstream scriptFile;
    if (!options.readsStandardInput()) {
        scriptFile.open(options.script, std::ios::binary);
        if (!scriptFile) {
            std::cerr << "cannot read the script " << options.script << '\n';
            return host::kExitScriptError;
        }
    }
    std::istream& in = options.readsStandardInput() ? std::cin : scriptFile;
    const bool interactive = host::runsInteractively(options);
    const std::string source =
        options.readsStandardInput() ? std::string(host::kStandardInputName) : options.script;

    std::ostringstream captured;
    host::Transcript transcript(options.check.empty() ? std::cout : captured);
    const std::unique_ptr<host::HostWindow> window = host::openHostWindow();
    bool completed = false;
    std::optional<host::ScriptError> error;
    {
        host::Runner* running = nullptr;
        std::unique_ptr<host::LineInput> input;
        if (interactive)
            input = host::makeLineEditor(
                [&running] { return running != nullptr ? running->mainForm() : 0; });
        else
            input = std::make_unique<host::StreamInput>(in);
        host::ScriptReader reader(
            *input, interactive ? host::ReaderMode::Interactive : host::ReaderMode::Script, source,
            std::cerr);
        host::RunnerOptions runnerOptions;
        runnerOptions.echo = options.echo;
        runnerOptions.notices = interactive ? &std::cerr : nullptr;
        host::Runner runner(reader, transcript, runnerOptions);
        running = &runner;
        completed = runner.run();
        error = reader.error();
    }
    if (!completed && error) {
        std::cerr << error->message() << '\n';
        return error->status;
    }
    if (!options.check.empty())
        return compareTranscript(options.check, captured.str(), source);
    return 0;
}
