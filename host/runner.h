// Carries out the commands of a script against one mask at a time, as the terminal and an
// agent would.
#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "framework/mask_interface.h"
#include "host/script.h"
#include "host/transcript.h"
#include "platform/com/com_ptr.h"

namespace ui {
class AgentDialog;
}

namespace host {

class EventSinkConnection;

struct RunnerOptions {
    // Echo each command ("> type 848 125") into the transcript before its output.
    bool echo = false;
    // Where confirmations for a person at the prompt go (`create` says what it made); none in
    // scripts, whose transcripts hold only what the mask does.
    std::ostream* notices = nullptr;
};

class Runner {
  public:
    Runner(ScriptReader& reader, Transcript& transcript, RunnerOptions options = {});
    ~Runner();
    Runner(const Runner&) = delete;
    Runner& operator=(const Runner&) = delete;

    // Runs the script to its end; false when it stopped at a script error.
    bool run();

    // The dialog a control name without "DIALOG:" means; 0 without a mask.
    int mainForm() const { return mainForm_; }

  private:
    // A control named by a command, found in its live dialog.
    struct Target {
        ui::AgentDialog* dialog = nullptr;
        int control = 0;
        std::string name;  // as the messages name it
    };

    // Runs the next command of the reader; false at the end of the input or when the run
    // must stop.
    bool step();
    // "" on success, else the why of a script error.
    std::string execute(const ScriptCommand& command);
    std::string setup(const ScriptCommand& command);
    // register / unregister: the component server's own entry points, their answer printed.
    std::string registration(bool add);
    std::string mask(const ScriptCommand& command);
    std::string agent(const ScriptCommand& command);
    std::string query(const ScriptCommand& command);
    std::string check(const ScriptCommand& command);
    std::string session(const ScriptCommand& command);
    std::string create(const std::string& coclass);
    void destroy();

    // Finds the control argument i names; "" or the why.
    std::string target(const ScriptCommand& command, std::size_t i, Target& found);
    // The dialog argument i names (the main form without one); 0 and why when there is none.
    int dialogArgument(const ScriptCommand& command, std::string& why);
    // Warnings for what an agent's action on a control will not do as the script may expect.
    void warnAgent(const ScriptCommand& command, const Target& target);
    void warn(std::string_view why);
    void lines(const std::vector<std::string>& text);

    ScriptReader& reader_;
    Transcript& transcript_;
    RunnerOptions options_;
    bool stopped_ = false;
    const ScriptCommand* current_ = nullptr;
    com::Ptr<framework::IZenkorMask> mask_;
    std::unique_ptr<EventSinkConnection> sink_;
    int mainForm_ = 0;
};

}  // namespace host
