// quorvex-host: the stand-in for the terminal. Reads a script (or, on a terminal, commands
// typed at a prompt), drives one mask at a time and prints what the mask does.
#include <fstream>
#include <iostream>

#include "host/command_line.h"
#include "host/runner.h"
#include "host/script.h"
#include "host/transcript.h"
#include "platform/file/file.h"
#include "platform/text/codepage.h"

int main(int argc, char** argv) {
    const host::CommandLineParse parsed = host::parseCommandLine(argc, argv);
    if (parsed.help) {
        std::cout << host::usageText();
        return 0;
    }
    if (!parsed.commandLine) {
        std::cerr << parsed.error << '\n' << host::usageText();
        return 2;
    }
    const host::CommandLine& options = *parsed.commandLine;
    if (!text::setSystemCodePage(options.codePage)) {
        std::cerr << "code page " << options.codePage << " is not supported\n" << host::usageText();
        return 2;
    }
    if (options.home)
        file::setHomeDirectory(*options.home);

    std::ifstream scriptFile;
    if (!options.readsStandardInput()) {
        scriptFile.open(options.script, std::ios::binary);
        if (!scriptFile) {
            std::cerr << "cannot read the script " << options.script << '\n';
            return 2;
        }
    }
    std::istream& in = options.readsStandardInput() ? std::cin : scriptFile;
    const bool interactive = host::runsInteractively(options);
    host::ScriptReader reader =
        interactive ? host::ScriptReader(in, host::ReaderMode::Interactive, std::cout, std::cerr)
                    : host::ScriptReader(in);

    host::Transcript transcript(std::cout);
    bool completed = false;
    {
        host::Runner runner(reader, transcript);
        completed = runner.run();
    }
    if (!completed && reader.error()) {
        std::cerr << reader.error()->message() << '\n';
        return 2;
    }
    return 0;
}
