// What the stand-in terminal prints: one line per happening, in the order it happens. Texts
// of the masks (system code page) are printed as UTF-8, with line breaks and other control
// characters escaped as the log escapes them, so that no text can forge a line.
#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "platform/ui/agent.h"
#include "platform/zenkor/log.h"

namespace host {

// Prints the lines; the toolkit, the log and the shell report to it while it is installed.
class Transcript final : public ui::Observer, public zenkor::LogObserver {
  public:
    using LineSink = std::function<void(std::string_view)>;

    // Prints every line on out.
    explicit Transcript(std::ostream& out);
    // Hands every line (without its line end) to sink.
    explicit Transcript(LineSink sink);
    ~Transcript() override;
    Transcript(const Transcript&) = delete;
    Transcript& operator=(const Transcript&) = delete;

    // A line of UTF-8 text as it stands.
    void line(std::string_view utf8);
    // A line whose last part is text of the system code page.
    void line(std::string_view head, std::string_view ansiText);
    // A line that echoes a command ("> type 848 125"); it is not output of the run, so
    // lastLine() does not change.
    void echo(std::string_view commandText);

    // The last line printed by the run (without echoes); none before the first.
    const std::optional<std::string>& lastLine() const { return lastLine_; }
    // A fault of the masks seen since the start (an internal error of the run).
    bool faulted() const { return faulted_; }

    // ui::Observer
    void messageBox(std::string_view title, std::string_view text) override;
    void posted(unsigned message) override;
    void chooserEncoder(std::string_view list) override;
    void chooserMonth(int kind) override;
    void fault(std::string_view text) override;

    // zenkor::LogObserver
    void diagnostic(std::string_view component, std::string_view function, int category,
                    std::string_view text) override;
    void error(std::string_view component, std::string_view function, int code,
               std::string_view text) override;

  private:
    LineSink sink_;
    bool faulted_ = false;
    std::optional<std::string> lastLine_;
};

// System code page text as UTF-8.
std::string ansiToUtf8(std::string_view ansi);
// System code page text as UTF-8, escaped to stay on one line.
std::string printable(std::string_view ansi);

}  // namespace host
