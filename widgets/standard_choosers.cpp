#include "widgets/standard_choosers.h"

#include "platform/ui/toolkit.h"
#include "widgets/encoder_chooser.h"
#include "widgets/month_picker.h"

namespace widgets {

framework::CodeChoice StandardChoosers::chooseCode(ui::Dialog& over, std::string_view list) {
    EncoderChooser chooser(toolkit_, list);
    return chooser.run(over);
}

std::optional<std::string> StandardChoosers::chooseDate(ui::Dialog& over, int kind) {
    MonthPicker picker(toolkit_, kind);
    return picker.run(over);
}

framework::Choosers& standardChoosers() {
    static StandardChoosers choosers(ui::toolkit());
    return choosers;
}

}  // namespace widgets
