#include "widgets/encoder_chooser.h"

#include <memory>

#include "platform/com/bstr.h"
#include "platform/text/codepage.h"

namespace widgets {
namespace {

constexpr const char* kComponent = "EncDialog";
constexpr int kStatusCode = 200;      // a status text of the encoder control
constexpr int kNotStartedCode = 201;  // the dialog or its control could not be started
constexpr int kNoSecondTextCode = 202;
constexpr std::size_t kMaxText = 1023;

std::string limited(std::string text) {
    if (text.size() > kMaxText)
        text.resize(kMaxText);
    return text;
}

unsigned long hex(HRESULT hr) {
    return static_cast<unsigned long>(static_cast<DWORD>(hr));
}

}  // namespace

EncoderChooser::EncoderChooser(ui::Toolkit& toolkit, std::string_view list)
    : toolkit_(toolkit), list_(limited(std::string(list))) {}

framework::CodeChoice EncoderChooser::run(ui::Dialog& over) {
    result_ = {};
    ended_ = false;
    std::unique_ptr<ui::Dialog> dialog = toolkit_.createDialog(kTemplate, *this, &over);
    if (dialog == nullptr) {
        connection_.disconnect();
        dialog_ = nullptr;
        control_ = nullptr;
        log_.error(kComponent, "DoModal", kNotStartedCode, "Dialog template %d not found",
                   kTemplate);
        return {};
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
    return result_;
}

void EncoderChooser::onInitDialog(ui::Dialog& dialog) {
    dialog_ = &dialog;
    control_ = dialog.encoderControl(kControl);
    if (control_ == nullptr) {
        log_.error(kComponent, "OnInitDialog", kNotStartedCode, "Encoder control %d not found",
                   kControl);
        close();
        return;
    }
    HRESULT hr = connection_.connect(*control_, *this);
    if (FAILED(hr)) {
        log_.error(kComponent, "OnInitDialog", kNotStartedCode,
                   "Not able to connect to the encoder control (0x%08lX)", hex(hr));
        close();
        return;
    }
    const com::Bstr list(text::fromAnsi(list_));
    hr = control_->SetCodeList(list.get());
    if (FAILED(hr)) {
        log_.error(kComponent, "OnInitDialog", kNotStartedCode,
                   "The encoder control refused the code list (0x%08lX)", hex(hr));
        close();
    }
}

HRESULT EncoderChooser::onEvent(DISPID id, const DISPPARAMS& params) {
    switch (id) {
        case kCodeChosen:
            return onCodeChosen(params);
        case kStatus:
            return onStatus(params);
        case kClosed:
            close();
            return S_OK;
        default:
            return DISP_E_MEMBERNOTFOUND;
    }
}

HRESULT EncoderChooser::onCodeChosen(const DISPPARAMS& params) {
    std::u16string_view code;
    const HRESULT hr = stringArgument(params, 0, code);
    if (FAILED(hr))
        return hr;
    if (ended_ || control_ == nullptr)
        return S_OK;  // a late event: the run has ended
    result_.first = limited(text::toAnsi(code));
    com::Bstr second;
    const HRESULT got = control_->GetSecondText(second.out());
    if (SUCCEEDED(got)) {
        result_.second = limited(text::toAnsi(second.view()));
    } else {
        log_.error(kComponent, "OnCodeChosen", kNoSecondTextCode,
                   "Not able to read the second text (0x%08lX)", hex(got));
    }
    close();
    return S_OK;
}

HRESULT EncoderChooser::onStatus(const DISPPARAMS& params) {
    std::u16string_view status;
    const HRESULT hr = stringArgument(params, 0, status);
    if (FAILED(hr))
        return hr;
    // The status text comes from outside: it is an argument, never the format.
    log_.error(kComponent, "OnStatus", kStatusCode, "%s", text::toAnsi(status).c_str());
    return S_OK;
}

void EncoderChooser::close() {
    if (ended_)
        return;
    ended_ = true;
    if (running_ && dialog_ != nullptr)
        dialog_->endModal();
}

}  // namespace widgets
