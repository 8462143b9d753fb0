// Line editing through the system's editline library.
#include <editline/readline.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "host/completion.h"
#include "host/line_editor.h"
#include "platform/file/file.h"

namespace host {
namespace {

constexpr int kHistoryLines = 500;

// The library calls back through plain functions; one editor runs at a time.
std::function<int()> currentMainForm;
std::vector<std::string> matches;
std::size_t nextMatch = 0;

char* generate(const char* /*text*/, int state) {
    if (state == 0)
        nextMatch = 0;
    if (nextMatch >= matches.size())
        return nullptr;
    return ::strdup(matches[nextMatch++].c_str());
}

char** complete(const char* text, int start, int /*end*/) {
    rl_attempted_completion_over = 1;  // no file names
    const std::string before(rl_line_buffer, static_cast<std::size_t>(start));
    matches = completionsFor(before + text, currentMainForm ? currentMainForm() : 0);
    return rl_completion_matches(text, generate);
}

class LineEditor final : public LineInput {
  public:
    explicit LineEditor(std::function<int()> mainForm)
        : historyFile_(file::joinPath(file::homeDirectory(), "quorvex-host.history")) {
        currentMainForm = std::move(mainForm);
        rl_readline_name = "quorvex-host";
        rl_attempted_completion_function = complete;
        using_history();
        read_history(historyFile_.c_str());
    }
    ~LineEditor() override {
        write_history(historyFile_.c_str());
        history_truncate_file(historyFile_.c_str(), kHistoryLines);
        currentMainForm = nullptr;
    }
    LineEditor(const LineEditor&) = delete;
    LineEditor& operator=(const LineEditor&) = delete;

    bool readLine(std::string& line) override {
        char* read = readline(std::string(kPrompt).c_str());
        if (read == nullptr)
            return false;
        line = read;
        std::free(read);
        if (line.find_first_not_of(" \t") != std::string::npos)
            add_history(line.c_str());
        return true;
    }

  private:
    std::string historyFile_;
};

}  // namespace

std::unique_ptr<LineInput> makeLineEditor(std::function<int()> mainForm) {
    return std::make_unique<LineEditor>(std::move(mainForm));
}

}  // namespace host
