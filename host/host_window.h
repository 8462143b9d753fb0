// The terminal's own window, in which the masks' forms are embedded, and the agent's answer
// to every message box: on Windows a real top-level window; elsewhere the headless toolkit
// needs neither.
#pragma once

#include <memory>

namespace host {

class HostWindow {
  public:
    virtual ~HostWindow() = default;
};

// Opens the window and makes it the parent of the forms created while it lives.
std::unique_ptr<HostWindow> openHostWindow();

}  // namespace host
