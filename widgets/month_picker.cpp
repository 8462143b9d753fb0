#include "widgets/month_picker.h"

namespace widgets {
namespace {

constexpr const char* kComponent = "MthView";

}  // namespace

MonthPicker::MonthPicker(ui::Toolkit& toolkit, int kind)
    : ChooserDialog(toolkit, kComponent, kTemplate), layout_(dateLayoutOf(kind)) {}

std::optional<std::string> MonthPicker::run(ui::Dialog& over) {
    noChoice_ = true;
    if (!runDialog(over) || noChoice_)
        return std::nullopt;
    return formatDate(layout_, day_, month_, year_);
}

void MonthPicker::onInitDialog(ui::Dialog& dialog) {
    if (!attach(dialog, dialog.calendarControl(kControl), kControl, "calendar"))
        return;
    control_->SetDateFormat(static_cast<SHORT>(layout_));
    const HRESULT hr = control_->Start();
    if (FAILED(hr)) {
        log_.error(kComponent, "OnInitDialog", kNotStartedCode,
                   "Not able to start the calendar control (0x%08lX)", hexCode(hr));
        close();
    }
}

HRESULT MonthPicker::onEvent(DISPID id, const DISPPARAMS&) {
    switch (id) {
        case kClosed:
            close();
            return S_OK;
        case kDateChosen:
            if (live())
                readDate();
            close();
            return S_OK;
        default:
            return DISP_E_MEMBERNOTFOUND;
    }
}

void MonthPicker::readDate() {
    SHORT day = 0;
    SHORT month = 0;
    SHORT year = 0;
    HRESULT hr = control_->GetDay(&day);
    if (SUCCEEDED(hr))
        hr = control_->GetMonth(&month);
    if (SUCCEEDED(hr))
        hr = control_->GetYear(&year);
    if (FAILED(hr)) {
        // Half a date is no date: the field keeps its text.
        log_.error(kComponent, "OnDateChosen", kNotReadCode,
                   "Not able to read the chosen date (0x%08lX)", hexCode(hr));
        return;
    }
    day_ = day;
    month_ = month;
    year_ = year;
    noChoice_ = false;
}

}  // namespace widgets
