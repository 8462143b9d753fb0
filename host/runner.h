// Carries out the commands of a script against one mask at a time, as the terminal and an
// agent would.
#pragma once

#include <optional>
#include <string>

#include "framework/mask_interface.h"
#include "host/script.h"
#include "host/transcript.h"
#include "platform/com/com_ptr.h"

namespace host {

class EventSinkConnection;

class Runner {
  public:
    Runner(ScriptReader& reader, Transcript& transcript);
    ~Runner();
    Runner(const Runner&) = delete;
    Runner& operator=(const Runner&) = delete;

    // Runs the script to its end; false when it stopped at a script error.
    bool run();

  private:
    // Runs the next command of the reader; false at the end of the input or when the run
    // must stop.
    bool step();
    // "" on success, else the why of a script error.
    std::string execute(const ScriptCommand& command);
    std::string setup(const ScriptCommand& command);
    std::string mask(const ScriptCommand& command);
    std::string agent(const ScriptCommand& command);
    std::string query(const ScriptCommand& command);
    std::string create(const std::string& coclass);
    void destroy();

    ScriptReader& reader_;
    Transcript& transcript_;
    bool stopped_ = false;
    com::Ptr<framework::IZenkorMask> mask_;
    std::unique_ptr<EventSinkConnection> sink_;
    int mainForm_ = 0;
};

}  // namespace host
