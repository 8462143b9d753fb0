// The dialog toolkit over real windows: dialogs from the module's templates, message boxes of
// the system, and the agent's desk for a stand-in terminal that drives them.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/agent.h"
#include "platform/ui/dialog.h"

namespace ui::win32 {

class Win32Dialog;

// The window class that stands for an outside control in the templates.
inline constexpr wchar_t kOutsideControlClass[] = L"FarewrightOutsideControl";

class Win32Toolkit final : public Toolkit, public AgentDesk {
  public:
    Win32Toolkit();
    ~Win32Toolkit() override;
    Win32Toolkit(const Win32Toolkit&) = delete;
    Win32Toolkit& operator=(const Win32Toolkit&) = delete;

    // ---- ui::Toolkit ----
    std::unique_ptr<Dialog> createDialog(DialogId templateId, DialogProc& proc,
                                         Dialog* owner) override;
    void messageBox(std::string_view text, std::string_view title, Icon icon) override;
    void setHostWindow(NativeWindow parent) override {
        hostWindow_ = reinterpret_cast<HWND>(parent);
    }

    // ---- ui::AgentDesk ----
    void setObserver(Observer* observer) override { observer_ = observer; }
    Observer* observer() const override { return observer_; }
    void setInputPump(std::function<bool()> pump) override { pump_ = std::move(pump); }
    ChooserAnswers& answers() override { return answers_; }
    std::vector<AgentDialog*> liveDialogs() const override;
    AgentDialog* liveDialog(DialogId id) const override;
    std::optional<AgentFocus> agentFocus() const override;
    void dispatchPosted() override;

    // A key message on its way to a control: the dialog the control belongs to sees it first
    // (DialogProc::preTranslateKey). True when the dialog consumed it.
    bool preTranslateKey(const MSG& message);

    // ---- used by Win32Dialog ----
    // One turn of a modal loop over dialog: a command of the input pump when there is one,
    // else one message of the queue. False when the input or the queue has ended.
    bool runOnce(HWND dialog);
    void showMessageBox(HWND owner, std::string_view text, std::string_view title, Icon icon);
    void forget(Win32Dialog& dialog);
    bool isLive(const Dialog* dialog) const;
    // The live dialog whose window is window or holds it, or nullptr.
    Win32Dialog* dialogOf(HWND window) const;
    // Reports a programming error of the masks (see Observer::fault).
    void fault(std::string_view text) const;

  private:
    Observer* observer_ = nullptr;
    std::function<bool()> pump_;
    ChooserAnswers answers_;
    std::vector<Win32Dialog*> dialogs_;
    HWND hostWindow_ = nullptr;
};

Win32Toolkit& win32Toolkit();

}  // namespace ui::win32
