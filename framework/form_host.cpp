#include "framework/form_host.h"

#include <array>

#include "framework/guard.h"
#include "framework/language.h"
#include "framework/shared_settings.h"
#include "platform/shell/open_address.h"
#include "platform/ui/dialog_template.h"
#include "platform/ui/toolkit.h"
#include "resources/resource.h"

namespace framework {
namespace {

constexpr ui::Colorref kStatusText = 0x000000;

struct Caption {
    ui::ControlId ButtonIds::*button;
    const char* key;
};

// In the order the captions are set; a caption whose key has no string stays the template's.
constexpr std::array<Caption, 6> kCaptions = {{
    {&ButtonIds::clear, "CAPTION_BUTTON_CLEAR"},
    {&ButtonIds::cancel, "CAPTION_BUTTON_CANCEL"},
    {&ButtonIds::help, "CAPTION_BUTTON_HELP"},
    {&ButtonIds::recall, "CAPTION_BUTTON_RECALL"},
    {&ButtonIds::send, "CAPTION_BUTTON_SEND"},
    {&ButtonIds::back, "_LAB_BACK"},
}};

struct ButtonOf {
    ui::ControlId ButtonIds::*id;
    Button button;
};

constexpr std::array<ButtonOf, 6> kButtons = {{
    {&ButtonIds::send, Button::Send},
    {&ButtonIds::recall, Button::Recall},
    {&ButtonIds::clear, Button::Clear},
    {&ButtonIds::cancel, Button::Cancel},
    {&ButtonIds::help, Button::Help},
    {&ButtonIds::back, Button::Back},
}};

}  // namespace

template <class Body>
void FormHost::handleMessage(const char* function, Body&& body) noexcept {
    FormOwner& owner = owner_;  // the bracket may outlive this form host
    owner.enterMessage();
    Guarded(owner.log(), component_, function, std::forward<Body>(body));
    owner.leaveMessage();
}

FormHost::FormHost(FormOwner& owner, const FormInfo& info, const char* component)
    : owner_(owner), info_(info), component_(component) {}

FormHost::~FormHost() {
    DestroyForm();
}

bool FormHost::CreateForm(ui::Dialog* owner) {
    form_ = ui::toolkit().createDialog(info_.form, *this, owner);
    if (!form_)
        window_ = nullptr;
    return form_ != nullptr;
}

void FormHost::DestroyForm() {
    window_ = nullptr;
    std::unique_ptr<ui::Dialog> form = std::move(form_);
    form.reset();
    controls_.reset();
}

void FormHost::onInitDialog(ui::Dialog& dialog) {
    Guarded(owner_.log(), component_, "OnInitDialog", [&] { activate(dialog); });
}

void FormHost::activate(ui::Dialog& dialog) {
    window_ = &dialog;
    BeforeSetup();
    controls_ = std::make_unique<DecoratedControls>(dialog, owner_.choosers());
    SetupForm();
    controls_->activateLinks();
    dialog.show(IDC_STATUS_LINE, false);
    for (const Caption& caption : kCaptions) {
        const ui::ControlId id = info_.buttons.*caption.button;
        if (id == 0)
            continue;
        if (auto text = FindString(caption.key))
            dialog.setText(id, *text);
    }
    AfterActivation();
}

void FormHost::ApplyChoiceRules() {
    for (const ChoiceRule& rule : info_.rules)
        ApplyChoiceRule(rule);
}

void FormHost::ApplyChoiceRule(const ChoiceRule& rule) {
    if (hasForm())
        framework::ApplyChoiceRule(form(), controls(), rule, owner_.restoreFlag());
}

std::optional<Button> FormHost::buttonOf(ui::ControlId id) const {
    for (const ButtonOf& b : kButtons) {
        const ui::ControlId button = info_.buttons.*b.id;
        if (button != 0 && button == id)
            return b.button;
    }
    return std::nullopt;
}

void FormHost::onCommand(ui::ControlId id, ui::Notify code) {
    handleMessage("OnCommand", [&] {
        if (!hasForm())
            return;
        if (code == ui::Notify::Clicked) {
            if (const std::optional<Button> button = buttonOf(id)) {
                OnButton(*button);
                return;
            }
        }
        if (controls_->onCommand(id, code))
            return;
        for (const ChoiceRule& rule : info_.rules) {
            if (ChangesChoice(rule.source, id, code))
                ApplyChoiceRule(rule);
        }
        if (hasForm())
            OnFormCommand(id, code);
    });
}

bool FormHost::preTranslateKey(ui::ControlId, ui::Key key) {
    if (info_.keys != FormKeys::SendAndRecall)
        return false;
    bool consumed = false;
    handleMessage("PreTranslateAccelerator", [&] {
        if (!hasForm())
            return;
        if (key == ui::Key::Enter) {
            consumed = true;
            OnButton(Button::Send);
        } else if (key == ui::Key::AltUp) {
            consumed = true;
            OnButton(Button::Recall);
        }
    });
    return consumed;
}

void FormHost::onControlKey(ui::ControlId id, ui::Key key) {
    handleMessage("OnKeyDown", [&] {
        if (hasForm())
            controls_->onControlKey(id, key);
    });
}

void FormHost::onPrivateMessage(unsigned message) {
    handleMessage("OnPrivateMessage", [&] {
        if (hasForm())
            OnPrivateMessage(message);
    });
}

void FormHost::onSetText(std::optional<std::string_view> text) {
    handleMessage("OnSetText", [&] {
        if (!hasForm())
            return;
        if (text)
            form().setText(IDC_STATUS_LINE, *text);
        form().show(IDC_STATUS_LINE, text.has_value());
    });
}

std::optional<ui::Paint> FormHost::onCtlColor(ui::ControlId id) {
    if (id == ui::kUnnamed)
        return ui::Paint{std::nullopt, kBackground};
    if (id == IDC_STATUS_LINE)
        return ui::Paint{kStatusText, std::nullopt};
    if (controls_)
        return controls_->paint(id);
    return std::nullopt;
}

void FormHost::ClearForm() {
    const ui::DialogTemplate* t = ui::findTemplate(info_.form);
    if (t == nullptr)
        return;
    for (const ui::ControlTemplate& c : t->controls) {
        if (c.kind == ui::ControlKind::Edit)
            form().setText(c.id, "");
    }
}

std::optional<ui::ControlId> FormHost::FirstTabStop() {
    const ui::DialogTemplate* t = ui::findTemplate(info_.form);
    if (t == nullptr || !hasForm())
        return std::nullopt;
    for (const ui::ControlTemplate& c : t->controls) {
        const bool label = c.kind == ui::ControlKind::Static || c.kind == ui::ControlKind::Link ||
                           c.kind == ui::ControlKind::Group;
        if (c.tabStop() && !label && c.id != ui::kUnnamed && form().isEnabled(c.id) &&
            form().isVisible(c.id)) {
            return c.id;
        }
    }
    return std::nullopt;
}

void OpenHelp(const char* section, const std::string& language) {
    shell::openAddress(ReadZenkorMain(section, HelpKey(language).c_str()));
}

}  // namespace framework
