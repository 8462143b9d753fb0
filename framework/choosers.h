// The choosers a decorated field opens (the encoder chooser and the month picker). The
// framework only asks; the widgets layer answers.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/ui/dialog.h"

namespace framework {

struct CodeChoice {
    std::string first;   // the chosen code
    std::string second;  // the second text of the choice
};

class Choosers {
  public:
    virtual ~Choosers() = default;
    // Runs the encoder chooser modally over `over` with an encoder list; empty texts when the
    // agent chose nothing.
    virtual CodeChoice chooseCode(ui::Dialog& over, std::string_view list) = 0;
    // Runs the month picker modally over `over`; the date written in layout `kind`, or
    // nullopt when no date was chosen.
    virtual std::optional<std::string> chooseDate(ui::Dialog& over, int kind) = 0;
};

}  // namespace framework
