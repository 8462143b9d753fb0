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

#include "platform/ui/dialog.h"
#include "platform/ui/dialog_template.h"

namespace ui::headless {

class HeadlessDialog;

// Told of everything the toolkit shows, in the order it happens.
class Observer {
  public:
    virtual ~Observer() = default;
    virtual void messageBox(std::string_view title, std::string_view text) = 0;
    // A private message was posted (before it is dispatched).
    virtual void posted(unsigned message) = 0;
    // An encoder chooser received its code list.
    virtual void chooserEncoder(std::string_view list) = 0;
    // A month picker started; kind is its last date format (0 by default).
    virtual void chooserMonth(int kind) = 0;
    // A programming error of the masks (e.g. an unknown control ID).
    virtual void fault(std::string_view text) = 0;
};

// The control with the focus, process-wide.
struct FocusPlace {
    HeadlessDialog* dialog;
    ControlId control;
};

class HeadlessToolkit final : public Toolkit {
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

    // nullptr: none. Without an observer a fault is printed to stderr and aborts.
    void setObserver(Observer* observer) { observer_ = observer; }
    Observer* observer() const { return observer_; }

    // The source of agent input that modal loops pump: runs the next agent command and answers
    // false when the input has ended. Without one, modal loops end at once.
    void setInputPump(std::function<bool()> pump) { pump_ = std::move(pump); }
    // Runs one step of the input pump; false when there is none or the input has ended.
    bool pumpInput();

    // Answers for the next choosers, taken in the order queued. code and second are system
    // code page text.
    void queueEncoderAnswer(std::string code, std::string second = {});
    void queueDate(int year, int month, int day);
    void clearQueuedAnswers();

    // The live dialogs in creation order; the most recent live one of a template, or nullptr.
    const std::vector<HeadlessDialog*>& dialogs() const { return dialogs_; }
    HeadlessDialog* findDialog(DialogId id) const;

    // The control with the focus, if any.
    std::optional<FocusPlace> focus() const { return focus_; }

    // Delivers the posted messages (also those posted while delivering, within a bound).
    void dispatchPosted();
    std::size_t pendingPosted() const { return posted_.size(); }

    // Reports a programming error of the masks (see Observer::fault).
    void fault(std::string_view text);

    // ---- used by HeadlessDialog and the stand-in outside controls ----
    struct EncoderAnswer {
        std::string code;
        std::string second;
    };
    struct DateAnswer {
        int year, month, day;
    };
    std::optional<EncoderAnswer> takeEncoderAnswer();
    std::optional<DateAnswer> takeDate();
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
    std::deque<EncoderAnswer> encoderAnswers_;
    std::deque<DateAnswer> dates_;
    std::vector<HeadlessDialog*> dialogs_;
    std::deque<Posted> posted_;
    std::optional<FocusPlace> focus_;
};

// The process-wide headless toolkit (also what ui::toolkit() answers on this platform).
HeadlessToolkit& headlessToolkit();

}  // namespace ui::headless
