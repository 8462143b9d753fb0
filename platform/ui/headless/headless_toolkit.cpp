#include "platform/ui/headless/headless_toolkit.h"

#include <algorithm>
#include <cstdlib>
#include <iostream>

#include "platform/ui/headless/headless_dialog.h"

namespace ui::headless {

namespace {

// Most posted messages one dispatch delivers: a dialog that posts again from every delivery
// must not keep the host from its next command.
constexpr int kMostDeliveriesPerDispatch = 10000;

}  // namespace

HeadlessToolkit::HeadlessToolkit() = default;
HeadlessToolkit::~HeadlessToolkit() = default;

std::unique_ptr<Dialog> HeadlessToolkit::createDialog(DialogId templateId, DialogProc& proc,
                                                      Dialog* owner) {
    const DialogTemplate* tmpl = findTemplate(templateId);
    if (tmpl == nullptr)
        return nullptr;
    return createFromTemplate(*tmpl, proc, owner);
}

std::unique_ptr<HeadlessDialog> HeadlessToolkit::createFromTemplate(const DialogTemplate& tmpl,
                                                                    DialogProc& proc,
                                                                    Dialog* owner) {
    auto dialog = std::make_unique<HeadlessDialog>(*this, tmpl, proc, owner);
    dialogs_.push_back(dialog.get());
    dialog->initialize();
    return dialog;
}

void HeadlessToolkit::messageBox(std::string_view text, std::string_view title, Icon icon) {
    (void)icon;
    if (observer_ != nullptr) {
        observer_->messageBox(title, text);
    } else {
        std::cerr << "msgbox " << title << " " << text << "\n";
    }
}

bool HeadlessToolkit::pumpInput() {
    if (!pump_)
        return false;
    // The command the pump runs may replace the pump itself.
    std::function<bool()> pump = pump_;
    return pump();
}

HeadlessDialog* HeadlessToolkit::findDialog(DialogId id) const {
    for (auto it = dialogs_.rbegin(); it != dialogs_.rend(); ++it) {
        if ((*it)->templateId() == id)
            return *it;
    }
    return nullptr;
}

std::vector<AgentDialog*> HeadlessToolkit::liveDialogs() const {
    return {dialogs_.begin(), dialogs_.end()};
}

AgentDialog* HeadlessToolkit::liveDialog(DialogId id) const {
    return findDialog(id);
}

std::optional<AgentFocus> HeadlessToolkit::agentFocus() const {
    if (!focus_)
        return std::nullopt;
    return AgentFocus{focus_->dialog, focus_->control};
}

bool HeadlessToolkit::isLive(const Dialog* dialog) const {
    return std::find(dialogs_.begin(), dialogs_.end(), dialog) != dialogs_.end();
}

void HeadlessToolkit::postMessage(HeadlessDialog& dialog, unsigned message) {
    if (observer_ != nullptr)
        observer_->posted(message);
    posted_.push_back(Posted{&dialog, message});
}

void HeadlessToolkit::dispatchPosted() {
    // One at a time from the front: a delivery may post more, destroy a dialog (whose
    // messages are then dropped) or run a modal loop that dispatches in turn.
    for (int delivered = 0; delivered < kMostDeliveriesPerDispatch && !posted_.empty();
         ++delivered) {
        Posted next = posted_.front();
        posted_.pop_front();
        next.dialog->deliverPrivateMessage(next.message);
    }
}

void HeadlessToolkit::moveFocus(HeadlessDialog& dialog, ControlId control) {
    if (focus_ && focus_->dialog == &dialog && focus_->control == control)
        return;
    std::optional<FocusPlace> old = focus_;
    focus_ = FocusPlace{&dialog, control};
    if (old)
        old->dialog->notifyFocus(old->control, Notify::KillFocus);
    // The old control's owner may have moved the focus elsewhere meanwhile.
    if (focus_ && focus_->dialog == &dialog && focus_->control == control) {
        dialog.notifyFocus(control, Notify::SetFocus);
    }
}

void HeadlessToolkit::forgetDialog(HeadlessDialog& dialog) {
    std::erase(dialogs_, &dialog);
    std::erase_if(posted_, [&](const Posted& p) { return p.dialog == &dialog; });
    if (focus_ && focus_->dialog == &dialog)
        focus_.reset();
}

void HeadlessToolkit::fault(std::string_view text) {
    if (observer_ != nullptr) {
        observer_->fault(text);
        return;
    }
    std::cerr << "fault: " << text << "\n";
    std::abort();
}

HeadlessToolkit& headlessToolkit() {
    static HeadlessToolkit toolkit;
    return toolkit;
}

}  // namespace ui::headless
