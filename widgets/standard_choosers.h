// The choosers the decorated fields open: the encoder chooser and the month picker, shown
// through a dialog toolkit.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "framework/choosers.h"
#include "platform/ui/dialog.h"

namespace widgets {

class StandardChoosers final : public framework::Choosers {
  public:
    explicit StandardChoosers(ui::Toolkit& toolkit) : toolkit_(toolkit) {}

    framework::CodeChoice chooseCode(ui::Dialog& over, std::string_view list) override;
    std::optional<std::string> chooseDate(ui::Dialog& over, int kind) override;

  private:
    ui::Toolkit& toolkit_;
};

// The choosers of the process, over its dialog toolkit.
framework::Choosers& standardChoosers();

}  // namespace widgets
