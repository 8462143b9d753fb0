// The dialog layer: one interface through which masks read and write their forms by dialog
// and control ID, shaped after the Win32 calls it maps onto. Masks keep no copy of a form.
//
// An unknown control ID is a programming error: the backend reports it and the call does
// nothing (reads answer empty values). So is a call on a control of a kind it does not apply
// to: checks on check boxes and radio buttons, limits on edits, list calls on drop-down and
// multiple-selection lists, setText on anything but lists, makeLink on labels.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/ui/outside_controls.h"
#include "platform/ui/types.h"

namespace ui {

class Dialog;

// The owner's side of a dialog: its window procedure, split by message.
class DialogProc {
  public:
    virtual ~DialogProc() = default;
    // WM_INITDIALOG: sent once while the dialog is created.
    virtual void onInitDialog(Dialog& dialog) = 0;
    // WM_COMMAND and the notifications of controls.
    virtual void onCommand(ControlId id, Notify code) { (void)id, (void)code; }
    // Every key the host passes to the active control, before the control sees it. Answers
    // true when the key was consumed.
    virtual bool preTranslateKey(ControlId focus, Key key) {
        (void)focus, (void)key;
        return false;
    }
    // A key that reached a control (F1 in an edit, Enter or Space on a link label).
    virtual void onControlKey(ControlId id, Key key) { (void)id, (void)key; }
    // A private message (3000 to 3999) posted to the dialog, when it is dispatched.
    virtual void onPrivateMessage(unsigned message) { (void)message; }
    // WM_SETTEXT to the dialog window: text, or nullopt for a null text.
    virtual void onSetText(std::optional<std::string_view> text) { (void)text; }
    // WM_CTLCOLORSTATIC / WM_CTLCOLORDLG (kUnnamed for the dialog and unnamed statics).
    virtual std::optional<Paint> onCtlColor(ControlId id) {
        (void)id;
        return std::nullopt;
    }
};

class Dialog {
  public:
    virtual ~Dialog() = default;  // destroys the window

    virtual DialogId templateId() const = 0;
    virtual bool hasControl(ControlId id) const = 0;
    virtual ControlKind kind(ControlId id) const = 0;

    // Text of a control, read through a 1024-byte buffer: at most 1023 bytes.
    virtual std::string text(ControlId id) const = 0;
    virtual void setText(ControlId id, std::string_view text) = 0;
    virtual void enable(ControlId id, bool on) = 0;
    virtual bool isEnabled(ControlId id) const = 0;
    virtual void show(ControlId id, bool on) = 0;
    virtual bool isVisible(ControlId id) const = 0;
    virtual void setChecked(ControlId id, bool on) = 0;
    virtual bool isChecked(ControlId id) const = 0;
    // Edits: most characters the agent may type (0: unlimited).
    virtual void setLimit(ControlId id, int chars) = 0;
    virtual void setFocus(ControlId id) = 0;
    virtual std::optional<ControlId> focus() const = 0;

    // Lists (drop-down and multiple-selection).
    virtual void clearList(ControlId id) = 0;
    virtual int addItem(ControlId id, std::string_view text, long data) = 0;
    virtual int itemCount(ControlId id) const = 0;
    virtual long itemData(ControlId id, int index) const = 0;
    virtual std::string itemText(ControlId id, int index) const = 0;
    // Drop-down: the selected position or -1; select(-1) clears the selection.
    virtual int selection(ControlId id) const = 0;
    virtual void select(ControlId id, int index) = 0;
    // Multiple selection.
    virtual bool isSelected(ControlId id, int index) const = 0;
    virtual void setSelected(ControlId id, int index, bool on) = 0;

    // Decoration.
    virtual void setFont(ControlId id, const Font& font) = 0;
    virtual void setTooltip(ControlId id, std::string_view text) = 0;
    // Turns a static into a link label (notifying clicks, hand cursor).
    virtual void makeLink(ControlId id) = 0;

    // The dialog window.
    virtual void showWindow(bool on) = 0;
    virtual bool isWindowVisible() const = 0;
    virtual void enableWindow(bool on) = 0;
    virtual bool isWindowEnabled() const = 0;
    // WM_SETTEXT to the dialog window (its DialogProc::onSetText answers it).
    virtual void sendSetText(std::optional<std::string_view> text) = 0;
    // Posts a private message (3000 to 3999) to the dialog.
    virtual void post(unsigned message) = 0;
    // A modal message box owned by the dialog, with the single button OK.
    virtual void messageBox(std::string_view text, std::string_view title, Icon icon) = 0;
    // Runs a modal loop until endModal (or until the input ends).
    virtual void runModal() = 0;
    virtual void endModal() = 0;

    // The outside control hosted as control id, or nullptr.
    virtual EncoderControl* encoderControl(ControlId id) = 0;
    virtual CalendarControl* calendarControl(ControlId id) = 0;

    // The dialog's window for the operating system (0 when there is none).
    virtual NativeWindow nativeWindow() const { return 0; }
};

// Creates dialogs from the module's templates.
class Toolkit {
  public:
    virtual ~Toolkit() = default;
    // Creates the dialog of a template, hidden unless the template says visible, owned by
    // owner (or by the host window when null), and sends WM_INITDIALOG to proc before
    // returning. Answers nullptr for an unknown template.
    virtual std::unique_ptr<Dialog> createDialog(DialogId templateId, DialogProc& proc,
                                                 Dialog* owner) = 0;
    // A message box with no owner.
    virtual void messageBox(std::string_view text, std::string_view title, Icon icon) = 0;
    // Dialogs created afterwards with no owner become child windows of parent (a container's
    // window); 0 makes them top-level windows again.
    virtual void setHostWindow(NativeWindow parent) { (void)parent; }
};

}  // namespace ui
