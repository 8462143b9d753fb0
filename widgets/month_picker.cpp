#include "widgets/month_picker.h"

#include <memory>

namespace widgets {
namespace {

constexpr const char* kComponent = "MthView";
constexpr int kNotStartedCode = 201;  // the dialog or its control could not be started
constexpr int kNoDateCode = 202;      // the control announced a date but did not give it

unsigned long hex(HRESULT hr) {
    return static_cast<unsigned long>(static_cast<DWORD>(hr));
}

}  // namespace

MonthPicker::MonthPicker(ui::Toolkit& toolkit, int kind)
    : toolkit_(toolkit), layout_(dateLayoutOf(kind)) {}

std::optional<std::string> MonthPicker::run(ui::Dialog& over) {
    noChoice_ = true;
    ended_ = false;
    std::unique_ptr<ui::Dialog> dialog = toolkit_.createDialog(kTemplate, *this, &over);
    if (dialog == nullptr) {
        connection_.disconnect();
        dialog_ = nullptr;
        control_ = nullptr;
        log_.error(kComponent, "DoModal", kNotStartedCode, "Dialog template %d not found",
                   kTemplate);
        return std::nullopt;
    }
    if (!ended_)
        dialog->showWindow(true);
    // The control may answer at once (even while the window shows): then no loop runs.
    if (!ended_) {
        running_ = true;
        dialog->runModal();
        running_ = false;
    }
    // The control goes with the dialog window: disconnect from it first.
    connection_.disconnect();
    control_ = nullptr;
    dialog_ = nullptr;
    if (noChoice_)
        return std::nullopt;
    return formatDate(layout_, day_, month_, year_);
}

void MonthPicker::onInitDialog(ui::Dialog& dialog) {
    dialog_ = &dialog;
    control_ = dialog.calendarControl(kControl);
    if (control_ == nullptr) {
        log_.error(kComponent, "OnInitDialog", kNotStartedCode, "Calendar control %d not found",
                   kControl);
        close();
        return;
    }
    HRESULT hr = connection_.connect(*control_, *this);
    if (FAILED(hr)) {
        log_.error(kComponent, "OnInitDialog", kNotStartedCode,
                   "Not able to connect to the calendar control (0x%08lX)", hex(hr));
        close();
        return;
    }
    control_->SetDateFormat(static_cast<SHORT>(layout_));
    hr = control_->Start();
    if (FAILED(hr)) {
        log_.error(kComponent, "OnInitDialog", kNotStartedCode,
                   "Not able to start the calendar control (0x%08lX)", hex(hr));
        close();
    }
}

HRESULT MonthPicker::onEvent(DISPID id, const DISPPARAMS&) {
    switch (id) {
        case kClosed:
            close();
            return S_OK;
        case kDateChosen:
            if (!ended_ && control_ != nullptr)
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
        log_.error(kComponent, "OnDateChosen", kNoDateCode,
                   "Not able to read the chosen date (0x%08lX)", hex(hr));
        return;
    }
    day_ = day;
    month_ = month;
    year_ = year;
    noChoice_ = false;
}

void MonthPicker::close() {
    if (ended_)
        return;
    ended_ = true;
    if (running_ && dialog_ != nullptr)
        dialog_->endModal();
}

}  // namespace widgets
