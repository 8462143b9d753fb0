// The headless dialog toolkit: dialogs live in memory, built from the generated templates, and
// the agent reaches them through HeadlessDialog's agent actions. What a person would see (a
// message box, a posted message, a chooser opening) goes to an Observer. All texts are bytes
// of the system code page.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/agent.h"
#include "platform/ui/dialog.h"
#include "platform/ui/dialog_template.h"

namespace ui::headless {

class HeadlessDialog;

using Observer = ui::Observer;

// The control with the focus, process-wide.
struct FocusPlace {
    HeadlessDialog* dialog;
    ControlId control;
};

class HeadlessToolkit final : public Toolkit, public AgentDesk {
  public:
    HeadlessToolkit();
    ~HeadlessToolkit() override;
    HeadlessToolkit(const HeadlessToolkit&) = delete;
    HeadlessToolkit& operator=(const HeadlessToolkit&) = delete;

    std::unique_ptr<Dialog> createDialog(DialogId templateId, DialogProc& proc,
                                         Dialog* owner) override;
    void messageBox(std::string_view text, std::string_view title, Icon icon) override;
    // createDialog for a template given as such (tests build their own).
    std::unique_ptr<HeadlessDialog> createFromTemplate(const DialogTemplate& tmpl, DialogProc& proc,
                                                       Dialog* owner);

    // ---- ui::AgentDesk ----
    void setObserver(Observer* observer) override { observer_ = observer; }
    Observer* observer() const override { return observer_; }
    void setInputPump(std::function<bool()> pump) override { pump_ = std::move(pump); }
    ChooserAnswers& answers() override { return answers_; }
    std::vector<AgentDialog*> liveDialogs() const override;
    AgentDialog* liveDialog(DialogId id) const override;
    std::optional<AgentFocus> agentFocus() const override;
    void dispatchPosted() override;

    // Runs one step of the input pump; false when there is none or the input has ended.
    bool pumpInput();

    // Answers for the next choosers, taken in the order queued. code and second are system
    // code page text.
    void queueEncoderAnswer(std::string code, std::string second = {}) {
        answers_.queueEncoder(std::move(code), std::move(second));
    }
    void queueDate(int year, int month, int day) { answers_.queueDate(year, month, day); }
    void clearQueuedAnswers() { answers_.clear(); }

    // The live dialogs in creation order; the most recent live one of a template, or nullptr.
    const std::vector<HeadlessDialog*>& dialogs() const { return dialogs_; }
    HeadlessDialog* findDialog(DialogId id) const;

    // The control with the focus, if any.
    std::optional<FocusPlace> focus() const { return focus_; }

    std::size_t pendingPosted() const { return posted_.size(); }

    // Reports a programming error of the masks (see Observer::fault).
    void fault(std::string_view text);

    // ---- used by HeadlessDialog ----
    void postMessage(HeadlessDialog& dialog, unsigned message);
    // Moves the focus, sending KillFocus to the old control and SetFocus to the new one.
    void moveFocus(HeadlessDialog& dialog, ControlId control);
    void forgetDialog(HeadlessDialog& dialog);
    // Whether dialog is one of the live dialogs.
    bool isLive(const Dialog* dialog) const;

  private:
    struct Posted {
        HeadlessDialog* dialog;
        unsigned message;
    };

    Observer* observer_ = nullptr;
    std::function<bool()> pump_;
    ChooserAnswers answers_;
    std::vector<HeadlessDialog*> dialogs_;
    std::deque<Posted> posted_;
    std::optional<FocusPlace> focus_;
};

// The process-wide headless toolkit (also what ui::toolkit() answers on this platform).
HeadlessToolkit& headlessToolkit();

}  // namespace ui::headless
