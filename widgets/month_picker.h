// The month picker ("Month"): a modal dialog hosting the outside calendar control, which lets
// the agent pick a date. One object per run.
#pragma once

#include <optional>
#include <string>

#include "platform/ui/dialog.h"
#include "platform/zenkor/log.h"
#include "resources/resource.h"
#include "widgets/chooser_dialog.h"
#include "widgets/date_layout.h"

namespace widgets {

class MonthPicker final : private ChooserDialog<ui::CalendarControl> {
  public:
    static constexpr ui::DialogId kTemplate = IDD_MONTH;
    static constexpr ui::ControlId kControl = IDC_CALENDAR_CONTROL;
    // Events of the calendar control.
    static constexpr DISPID kClosed = 1;      // () closed without a date
    static constexpr DISPID kDateChosen = 2;  // () read the day, month and year

    // `kind` is the date format kind of the field the date is for.
    MonthPicker(ui::Toolkit& toolkit, int kind);

    // Runs the dialog modally over `over`. Answers the chosen date in the field's layout, or
    // nullopt when no date was chosen.
    std::optional<std::string> run(ui::Dialog& over);

  private:
    void onInitDialog(ui::Dialog& dialog) override;
    HRESULT onEvent(DISPID id, const DISPPARAMS& params) override;
    void readDate();

    DateLayout layout_;
    SHORT day_ = 0;
    SHORT month_ = 0;
    SHORT year_ = 0;
    bool noChoice_ = true;  // cleared only when a date was read
};

}  // namespace widgets
