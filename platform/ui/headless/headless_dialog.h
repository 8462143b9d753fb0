// A dialog of the headless toolkit: its controls in memory, the ui::Dialog calls of the masks,
// and the agent's actions (typing, clicks, keys, list choices) as an input source drives them.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/ui/agent.h"
#include "platform/ui/dialog.h"
#include "platform/ui/dialog_template.h"
#include "platform/ui/headless/headless_control.h"
#include "platform/ui/stand_in_controls.h"

namespace ui::headless {

class HeadlessToolkit;

class HeadlessDialog final : public AgentDialog {
  public:
    // Use HeadlessToolkit::createDialog; the constructor does not send WM_INITDIALOG.
    HeadlessDialog(HeadlessToolkit& toolkit, const DialogTemplate& tmpl, DialogProc& proc,
                   Dialog* owner);
    ~HeadlessDialog() override;
    HeadlessDialog(const HeadlessDialog&) = delete;
    HeadlessDialog& operator=(const HeadlessDialog&) = delete;

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

    void setFont(ControlId id, const Font& font) override;
    void setTooltip(ControlId id, std::string_view text) override;
    void makeLink(ControlId id) override;

    void showWindow(bool on) override { visible_ = on; }
    bool isWindowVisible() const override { return visible_; }
    void enableWindow(bool on) override { enabled_ = on; }
    bool isWindowEnabled() const override { return enabled_; }
    void sendSetText(std::optional<std::string_view> text) override;
    void post(unsigned message) override;
    void messageBox(std::string_view text, std::string_view title, Icon icon) override;
    void runModal() override;
    void endModal() override { endRequested_ = true; }

    EncoderControl* encoderControl(ControlId id) override;
    CalendarControl* calendarControl(ControlId id) override;

    // ---- ui::AgentDialog ----
    std::string typeText(ControlId id, std::string_view text) override;
    std::string click(ControlId id) override;
    std::string key(ControlId id, Key key) override;
    std::string doubleClick(ControlId id) override;
    std::string selectCode(ControlId id, long code) override;
    std::string pick(ControlId id, const std::vector<int>& positions) override;
    std::vector<std::string> dump(ControlId id) const override;
    std::string caption() const override { return caption_; }
    std::vector<Control> controlStates() const override { return controls_; }

    Dialog* owner() const { return owner_; }
    DialogProc& proc() const { return proc_; }
    const std::vector<Control>& controls() const { return controls_; }

    // Sends WM_INITDIALOG (the toolkit does, once, when creating the dialog).
    void initialize();
    // Called by the toolkit when the focus arrives or leaves.
    void notifyFocus(ControlId id, Notify code);
    void deliverPrivateMessage(unsigned message);

  private:
    Control* find(ControlId id);
    const Control* find(ControlId id) const;
    // find() that reports an unknown control as a fault.
    Control* need(ControlId id);
    const Control* need(ControlId id) const;
    // need() that also reports a control of a kind the operation does not apply to (kinds: a
    // bit per ControlKind) as a fault, and answers nullptr for it.
    Control* need(ControlId id, std::string_view operation, unsigned kinds);
    const Control* need(ControlId id, std::string_view operation, unsigned kinds) const;
    std::string unknown(ControlId id) const;
    bool reachable(const Control& c) const;
    void command(ControlId id, Notify code);
    void clickControl(Control& c);
    void tabFrom(ControlId id);

    HeadlessToolkit& toolkit_;
    DialogId templateId_;
    DialogProc& proc_;
    Dialog* owner_;
    std::string caption_;
    std::vector<Control> controls_;
    // Where each named control stands in controls_ (the first, should a number come twice).
    std::unordered_map<ControlId, std::size_t> positions_;
    bool visible_ = false;
    bool enabled_ = true;
    bool endRequested_ = false;
    std::unique_ptr<StandInEncoder> encoder_;
    std::unique_ptr<StandInCalendar> calendar_;
    // Shared with running modal loops so that they notice when the dialog is destroyed.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace ui::headless
