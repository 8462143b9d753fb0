// A dialog over a real window, created from the module's template: every ui::Dialog operation
// is the Win32 call it stands for, and the agent's actions are the messages a person's input
// would send.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/agent.h"
#include "platform/ui/stand_in_controls.h"
#include "platform/ui/win32/gdi_object.h"
#include "platform/ui/win32/module_template.h"
#include "platform/ui/win32/tooltips.h"

namespace ui::win32 {

class Win32Toolkit;

class Win32Dialog final : public AgentDialog {
  public:
    // Use Win32Toolkit::createDialog.
    Win32Dialog(Win32Toolkit& toolkit, DialogId templateId, DialogProc& proc, Dialog* owner);
    ~Win32Dialog() override;  // destroys the window
    Win32Dialog(const Win32Dialog&) = delete;
    Win32Dialog& operator=(const Win32Dialog&) = delete;

    // Creates the window (WM_INITDIALOG reaches the proc meanwhile) with parent as its parent
    // or owner. False when the module has no such template.
    bool create(HWND parent, Placement placement);
    HWND window() const { return window_; }

    // ---- ui::Dialog ----
    DialogId templateId() const override { return templateId_; }
    bool hasControl(ControlId id) const override;
    ControlKind kind(ControlId id) const override;
    std::string text(ControlId id) const override;
    void setText(ControlId id, std::string_view text) override;
    void enable(ControlId id, bool on) override;
    bool isEnabled(ControlId id) const override;
    void show(ControlId id, bool on) override;
    bool isVisible(ControlId id) const override;
    void setChecked(ControlId id, bool on) override;
    bool isChecked(ControlId id) const override;
    void setLimit(ControlId id, int chars) override;
    void setFocus(ControlId id) override;
    std::optional<ControlId> focus() const override;
    void clearList(ControlId id) override;
    int addItem(ControlId id, std::string_view text, long data) override;
    int itemCount(ControlId id) const override;
    long itemData(ControlId id, int index) const override;
    std::string itemText(ControlId id, int index) const override;
    int selection(ControlId id) const override;
    void select(ControlId id, int index) override;
    bool isSelected(ControlId id, int index) const override;
    void setSelected(ControlId id, int index, bool on) override;
    void setFont(ControlId id, const ui::Font& font) override;
    void setTooltip(ControlId id, std::string_view text) override;
    void makeLink(ControlId id) override;
    void showWindow(bool on) override;
    bool isWindowVisible() const override;
    void enableWindow(bool on) override;
    bool isWindowEnabled() const override;
    void sendSetText(std::optional<std::string_view> text) override;
    void post(unsigned message) override;
    void messageBox(std::string_view text, std::string_view title, Icon icon) override;
    void runModal() override;
    void endModal() override { endRequested_ = true; }
    EncoderControl* encoderControl(ControlId id) override;
    CalendarControl* calendarControl(ControlId id) override;
    NativeWindow nativeWindow() const override { return reinterpret_cast<NativeWindow>(window_); }

    // ---- ui::AgentDialog (win32_agent.cpp) ----
    std::string typeText(ControlId id, std::string_view text) override;
    std::string click(ControlId id) override;
    std::string key(ControlId id, Key key) override;
    std::string doubleClick(ControlId id) override;
    std::string selectCode(ControlId id, long code) override;
    std::string pick(ControlId id, const std::vector<int>& positions) override;
    std::vector<std::string> dump(ControlId id) const override;
    std::string caption() const override;
    std::vector<headless::Control> controlStates() const override;

    // ---- the window's side (dialog_procedure.cpp, control_behaviour.cpp) ----
    // The dialog procedure's answer to a message, or nothing for the default handling.
    std::optional<INT_PTR> handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    DialogProc& proc() const { return proc_; }
    // The kind of a control as the template made it (or makeLink turned it).
    ControlKind kindOf(ControlId id) const;

  private:
    // The control's window; reports an unknown control as a fault.
    HWND need(ControlId id) const;
    HWND find(ControlId id) const { return window_ != nullptr ? GetDlgItem(window_, id) : nullptr; }
    bool reachable(HWND control) const;
    std::string unknown(ControlId id) const;
    // The messages of a left click (down, up) at the middle of control.
    void clickAt(HWND control, bool twice);
    std::optional<INT_PTR> paint(HDC dc, ControlId id);
    HBRUSH brushOf(Colorref color);
    // The outside controls over their places in the template (outside_controls.cpp): the real
    // ones where they are registered, else the stand-ins answer.
    void hostOutsideControls();
    // A label's old text goes with its background when it paints transparently.
    void repaintUnder(HWND control);
    // The text colour the dialog gives a label when it paints, if it gives one.
    std::optional<Colorref> labelColor(HWND control) const;

    Win32Toolkit& toolkit_;
    DialogId templateId_;
    DialogProc& proc_;
    Dialog* owner_;
    HWND window_ = nullptr;
    bool endRequested_ = false;
    std::set<ControlId> links_;
    std::map<ControlId, Font> fonts_;
    std::map<Colorref, Brush> brushes_;
    std::unique_ptr<Tooltips> tooltips_;
    std::unique_ptr<StandInEncoder> encoder_;
    std::unique_ptr<StandInCalendar> calendar_;
    std::unique_ptr<EncoderControl> hostedEncoder_;
    std::unique_ptr<CalendarControl> hostedCalendar_;
    // Shared with running modal loops so that they notice when the dialog is destroyed.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace ui::win32
