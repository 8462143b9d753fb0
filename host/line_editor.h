// The prompt of an interactive session: line editing, history (kept in the home) and
// completion of commands, classes and control symbols, through the system's editline library.
#pragma once

#include <functional>
#include <string>

#include "host/script.h"

namespace host {

class LineEditor final : public LineInput {
  public:
    // mainForm answers the form whose control symbols complete a control name.
    explicit LineEditor(std::function<int()> mainForm);
    ~LineEditor() override;
    LineEditor(const LineEditor&) = delete;
    LineEditor& operator=(const LineEditor&) = delete;

    bool readLine(std::string& line) override;

  private:
    std::string historyFile_;
};

}  // namespace host
