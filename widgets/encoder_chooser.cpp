#include "widgets/encoder_chooser.h"

#include "platform/com/bstr.h"
#include "platform/text/codepage.h"

namespace widgets {
namespace {

constexpr const char* kComponent = "EncDialog";
constexpr int kStatusCode = 200;  // a status text of the encoder control
constexpr std::size_t kMaxText = 1023;

std::string limited(std::string text) {
    if (text.size() > kMaxText)
        text.resize(kMaxText);
    return text;
}

}  // namespace

EncoderChooser::EncoderChooser(ui::Toolkit& toolkit, std::string_view list)
    : ChooserDialog(toolkit, kComponent, kTemplate), list_(limited(std::string(list))) {}

framework::CodeChoice EncoderChooser::run(ui::Dialog& over) {
    result_ = {};
    if (!runDialog(over))
        return {};
    return result_;
}

void EncoderChooser::onInitDialog(ui::Dialog& dialog) {
    if (!attach(dialog, dialog.encoderControl(kControl), kControl, "encoder"))
        return;
    const com::Bstr list(text::fromAnsi(list_));
    const HRESULT hr = control_->SetCodeList(list.get());
    if (FAILED(hr)) {
        log_.error(kComponent, "OnInitDialog", kNotStartedCode,
                   "The encoder control refused the code list (0x%08lX)", hexCode(hr));
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
    if (!live())
        return S_OK;  // a late event: the run has ended
    result_.first = limited(text::toAnsi(code));
    com::Bstr second;
    const HRESULT got = control_->GetSecondText(second.out());
    if (SUCCEEDED(got)) {
        result_.second = limited(text::toAnsi(second.view()));
    } else {
        log_.error(kComponent, "OnCodeChosen", kNotReadCode,
                   "Not able to read the second text (0x%08lX)", hexCode(got));
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

}  // namespace widgets
