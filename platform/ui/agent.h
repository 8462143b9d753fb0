// The agent's side of a toolkit: what a stand-in terminal does where a person would sit at the
// form (typing, clicks, keys, answers for the choosers) and what it sees there. Both backends
// offer it; the masks never use it.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/chooser_answers.h"
#include "platform/ui/dialog.h"
#include "platform/ui/headless/headless_control.h"

namespace ui {

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

class AgentDialog : public Dialog {
  public:
    // ---- agent actions: "" on success, else why the action cannot be done ----
    // An action on a control the agent cannot reach (disabled or hidden, or in a disabled
    // dialog) succeeds and does nothing, as input to such a window goes nowhere.

    // Focus to the edit, its text replaced by text as typed (up to the first line break,
    // upper-cased, cut at the limit), then one change notification.
    virtual std::string typeText(ControlId id, std::string_view text) = 0;
    // A left click: focus to the control (buttons, check boxes, radios, edits, lists), then
    // its action.
    virtual std::string click(ControlId id) = 0;
    // The key pressed with the focus moved to id first.
    virtual std::string key(ControlId id, Key key) = 0;
    // A left double-click in an edit.
    virtual std::string doubleClick(ControlId id) = 0;
    // Chooses the drop-down entry whose item data is code (a selection change).
    virtual std::string selectCode(ControlId id, long code) = 0;
    // Selects exactly these positions of a list box (a selection change).
    virtual std::string pick(ControlId id, const std::vector<int>& positions) = 0;

    // ---- what the agent sees ----
    // The properties of a control, one per line without the control's name: "kind edit",
    // "enabled 1", "visible 1", "checked 0", "limit 3", "color 0x0000FF", "tooltip TEXT",
    // "text TEXT", "item CODE 0|1 TEXT". Empty for an unknown control.
    virtual std::vector<std::string> dump(ControlId id) const = 0;
    // The window's own text (its caption, or the last text sent to it).
    virtual std::string caption() const = 0;
    // The state of every control, in the order of the template.
    virtual std::vector<headless::Control> controlStates() const = 0;
};

// Where the focus is: a control of a live dialog.
struct AgentFocus {
    AgentDialog* dialog;
    ControlId control;
};

class AgentDesk {
  public:
    virtual ~AgentDesk() = default;

    // nullptr: none. Without an observer a fault is printed to stderr and aborts.
    virtual void setObserver(Observer* observer) = 0;
    virtual Observer* observer() const = 0;
    // The source of agent input that modal loops pump: runs the next agent command and answers
    // false when the input has ended. Without one, modal loops end at once.
    virtual void setInputPump(std::function<bool()> pump) = 0;
    // Answers for the next choosers, taken in the order queued.
    virtual ChooserAnswers& answers() = 0;

    // The live dialogs in creation order; the most recent live one of a template, or nullptr.
    virtual std::vector<AgentDialog*> liveDialogs() const = 0;
    virtual AgentDialog* liveDialog(DialogId id) const = 0;
    virtual std::optional<AgentFocus> agentFocus() const = 0;
    // Delivers the messages posted so far (and those their delivery posts, within a bound).
    virtual void dispatchPosted() = 0;
};

// The process's agent desk: that of the toolkit ui::toolkit() answers.
AgentDesk& agentDesk();

// What both backends tell the agent alike.
// Typed text as a single-line edit takes it: up to its first NUL or line break.
std::string_view typedLine(std::string_view text);
// A colour as dump shows it: "0x" and six hex digits (BBGGRR).
std::string colorText(Colorref color);
// Why an action on a control cannot be done.
std::string unknownControl(ControlId id, DialogId dialog);
std::string notAnEdit(ControlId id);

}  // namespace ui
