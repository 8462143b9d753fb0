// What every chooser shares: a modal dialog hosting one outside control, whose events reach
// the chooser through a sink connected while the dialog lives, and which ends the dialog.
#pragma once

#include <memory>

#include "platform/ui/dialog.h"
#include "platform/zenkor/log.h"
#include "widgets/event_sink.h"

namespace widgets {

// Error codes of the choosers' log (200, a status text of the encoder control, is its own).
inline constexpr int kNotStartedCode = 201;  // the dialog or its control could not be started
inline constexpr int kNotReadCode = 202;     // the control announced a choice but did not give it

// An HRESULT as the unsigned number the log prints in hex.
inline unsigned long hexCode(HRESULT hr) {
    return static_cast<unsigned long>(static_cast<DWORD>(hr));
}

template <class Control>
class ChooserDialog : protected ui::DialogProc, protected EventTarget {
  protected:
    ChooserDialog(ui::Toolkit& toolkit, const char* component, ui::DialogId templateId)
        : component_(component), toolkit_(toolkit), templateId_(templateId) {}
    ~ChooserDialog() = default;

    // Runs the dialog modally over `over` until the control's events close it. The control
    // may answer at once (even while the window shows): then no loop runs. False, logged,
    // when the dialog could not be created.
    bool runDialog(ui::Dialog& over) {
        ended_ = false;
        const std::unique_ptr<ui::Dialog> dialog = toolkit_.createDialog(templateId_, *this, &over);
        if (dialog == nullptr) {
            forget();
            log_.error(component_, "DoModal", kNotStartedCode, "Dialog template %d not found",
                       templateId_);
            return false;
        }
        if (!ended_)
            dialog->showWindow(true);
        if (!ended_) {
            running_ = true;
            dialog->runModal();
            running_ = false;
        }
        forget();  // the control goes with the dialog window: disconnect from it first
        return true;
    }

    // At the dialog's start: finds the hosted control and connects the sink to it. False,
    // logged and closed, when either fails.
    bool attach(ui::Dialog& dialog, Control* control, ui::ControlId id, const char* name) {
        dialog_ = &dialog;
        control_ = control;
        if (control_ == nullptr) {
            log_.error(component_, "OnInitDialog", kNotStartedCode, "%s control %d not found", name,
                       id);
            close();
            return false;
        }
        const HRESULT hr = connection_.connect(*control_, *this);
        if (FAILED(hr)) {
            log_.error(component_, "OnInitDialog", kNotStartedCode,
                       "Not able to connect to the %s control (0x%08lX)", name, hexCode(hr));
            close();
            return false;
        }
        return true;
    }

    // Ends the run (once): the modal loop stops, later events are dropped.
    void close() {
        if (ended_)
            return;
        ended_ = true;
        if (running_ && dialog_ != nullptr)
            dialog_->endModal();
    }

    // Whether an event still belongs to a live run.
    bool live() const { return !ended_ && control_ != nullptr; }

    CZenkorLog log_;
    const char* component_;
    Control* control_ = nullptr;  // hosted by the dialog while it exists

  private:
    void forget() {
        connection_.disconnect();
        control_ = nullptr;
        dialog_ = nullptr;
    }

    ui::Toolkit& toolkit_;
    ui::DialogId templateId_;
    ui::Dialog* dialog_ = nullptr;  // while the dialog exists
    SinkConnection<Control> connection_;
    bool running_ = false;  // inside the modal loop
    bool ended_ = false;    // closed, with or without a choice
};

}  // namespace widgets
