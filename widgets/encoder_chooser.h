// The encoder chooser ("Coder"): a modal dialog hosting the outside encoder control, which
// lets the agent pick a code from an encoder list. One object per run.
#pragma once

#include <string>
#include <string_view>

#include "framework/choosers.h"
#include "platform/ui/dialog.h"
#include "platform/zenkor/log.h"
#include "resources/resource.h"
#include "widgets/chooser_dialog.h"

namespace widgets {

class EncoderChooser final : private ChooserDialog<ui::EncoderControl> {
  public:
    static constexpr ui::DialogId kTemplate = IDD_CODER;
    static constexpr ui::ControlId kControl = IDC_ENCODER_CONTROL;
    // Events of the encoder control.
    static constexpr DISPID kCodeChosen = 2;  // (BSTR code)
    static constexpr DISPID kStatus = 3;      // (BSTR text)
    static constexpr DISPID kClosed = 4;      // ()

    // The list text is kept to its first 1023 bytes.
    EncoderChooser(ui::Toolkit& toolkit, std::string_view list);

    // Runs the dialog modally over `over`. Answers the chosen code and the second text of the
    // choice (at most 1023 bytes each), or two empty texts when nothing was chosen.
    framework::CodeChoice run(ui::Dialog& over);

  private:
    void onInitDialog(ui::Dialog& dialog) override;
    HRESULT onEvent(DISPID id, const DISPPARAMS& params) override;
    HRESULT onCodeChosen(const DISPPARAMS& params);
    HRESULT onStatus(const DISPPARAMS& params);

    std::string list_;
    framework::CodeChoice result_;
};

}  // namespace widgets
