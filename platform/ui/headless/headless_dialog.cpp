#include "platform/ui/headless/headless_dialog.h"

#include <algorithm>
#include <cctype>

#include "platform/text/codepage.h"
#include "platform/ui/headless/headless_toolkit.h"
#include "platform/ui/owner_disabled.h"
#include "resources/resource.h"

namespace ui::headless {

namespace {

// Texts are read through a 1024-byte buffer.
constexpr std::size_t kMostTextBytes = 1023;
constexpr unsigned kFirstPrivateMessage = 3000;
constexpr unsigned kLastPrivateMessage = 3999;

bool takesFocusOnClick(ControlKind kind) {
    switch (kind) {
        case ControlKind::Edit:
        case ControlKind::Button:
        case ControlKind::CheckBox:
        case ControlKind::Radio:
        case ControlKind::Combo:
        case ControlKind::ListBox:
        case ControlKind::Link:  // a press on a link label takes the focus
            return true;
        default:
            return false;
    }
}

// Window class names compare without regard to case, as the system compares them.
bool sameClass(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

// The kinds of control an operation of the masks applies to, one bit per kind.
using Kinds = unsigned;
constexpr Kinds bit(ControlKind kind) {
    return 1u << static_cast<unsigned>(kind);
}
constexpr Kinds kAnyKind = ~0u;
constexpr Kinds kEdits = bit(ControlKind::Edit);
constexpr Kinds kChecks = bit(ControlKind::CheckBox) | bit(ControlKind::Radio);
constexpr Kinds kLists = bit(ControlKind::Combo) | bit(ControlKind::ListBox);
constexpr Kinds kLabels = bit(ControlKind::Static) | bit(ControlKind::Link);
// A list shows its items, not a text of its own.
constexpr Kinds kTexts = kAnyKind & ~kLists;

}  // namespace

HeadlessDialog::HeadlessDialog(HeadlessToolkit& toolkit, const DialogTemplate& tmpl,
                               DialogProc& proc, Dialog* owner)
    : toolkit_(toolkit), templateId_(tmpl.id), proc_(proc), owner_(owner) {
    caption_ = text::fromUtf16(text::toUtf16(tmpl.caption, text::kUtf8), text::systemCodePage());
    controls_.reserve(tmpl.controls.size());
    for (const ControlTemplate& t : tmpl.controls) {
        if (t.id != kUnnamed)
            positions_.emplace(t.id, controls_.size());
        controls_.push_back(Control::fromTemplate(t));
        if (t.kind != ControlKind::Custom || !sameClass(t.windowClass, kOutsideControlClass))
            continue;
        if (t.id == IDC_ENCODER_CONTROL)
            encoder_ = std::make_unique<StandInEncoder>(toolkit_);
        if (t.id == IDC_CALENDAR_CONTROL)
            calendar_ = std::make_unique<StandInCalendar>(toolkit_);
    }
}

HeadlessDialog::~HeadlessDialog() {
    *alive_ = false;
    toolkit_.forgetDialog(*this);
}

void HeadlessDialog::initialize() {
    proc_.onInitDialog(*this);
}

// ---- lookup ----

Control* HeadlessDialog::find(ControlId id) {
    if (id == kUnnamed)
        return nullptr;
    const auto at = positions_.find(id);
    return at == positions_.end() ? nullptr : &controls_[at->second];
}

const Control* HeadlessDialog::find(ControlId id) const {
    return const_cast<HeadlessDialog*>(this)->find(id);
}

std::string HeadlessDialog::unknown(ControlId id) const {
    return unknownControl(id, templateId_);
}

Control* HeadlessDialog::need(ControlId id) {
    Control* c = find(id);
    if (c == nullptr)
        toolkit_.fault(unknown(id));
    return c;
}

const Control* HeadlessDialog::need(ControlId id) const {
    const Control* c = find(id);
    if (c == nullptr)
        toolkit_.fault(unknown(id));
    return c;
}

Control* HeadlessDialog::need(ControlId id, std::string_view operation, unsigned kinds) {
    Control* c = need(id);
    if (c == nullptr || (kinds & bit(c->kind)) != 0)
        return c;
    toolkit_.fault(std::string(operation) + " on " + kindName(c->kind) + " control " +
                   std::to_string(id) + " in dialog " + std::to_string(templateId_));
    return nullptr;
}

const Control* HeadlessDialog::need(ControlId id, std::string_view operation,
                                    unsigned kinds) const {
    return const_cast<HeadlessDialog*>(this)->need(id, operation, kinds);
}

bool HeadlessDialog::hasControl(ControlId id) const {
    return find(id) != nullptr;
}

ControlKind HeadlessDialog::kind(ControlId id) const {
    const Control* c = need(id);
    return c != nullptr ? c->kind : ControlKind::Static;
}

// ---- text and state ----

std::string HeadlessDialog::text(ControlId id) const {
    const Control* c = need(id);
    if (c == nullptr)
        return {};
    std::string_view t;
    if (c->kind == ControlKind::Combo) {
        if (c->selection >= 0)
            t = c->items[static_cast<std::size_t>(c->selection)].text;
    } else if (c->kind != ControlKind::ListBox) {
        t = c->text;
    }
    return std::string(t.substr(0, kMostTextBytes));
}

void HeadlessDialog::setText(ControlId id, std::string_view text) {
    text = windowText(text);
    Control* c = need(id, "setText", kTexts);
    if (c == nullptr)
        return;
    if (c->kind != ControlKind::Edit) {
        c->text = text;
        return;
    }
    c->text = c->uppercase ? upperCase(std::string(text), text::systemCodePage()) : text;
    command(id, Notify::Changed);
}

void HeadlessDialog::enable(ControlId id, bool on) {
    if (Control* c = need(id))
        c->enabled = on;
}

bool HeadlessDialog::isEnabled(ControlId id) const {
    const Control* c = need(id);
    return c != nullptr && c->enabled;
}

void HeadlessDialog::show(ControlId id, bool on) {
    if (Control* c = need(id))
        c->visible = on;
}

bool HeadlessDialog::isVisible(ControlId id) const {
    const Control* c = need(id);
    return c != nullptr && c->visible;
}

void HeadlessDialog::setChecked(ControlId id, bool on) {
    if (Control* c = need(id, "setChecked", kChecks))
        c->checked = on;
}

bool HeadlessDialog::isChecked(ControlId id) const {
    const Control* c = need(id, "isChecked", kChecks);
    return c != nullptr && c->checked;
}

void HeadlessDialog::setLimit(ControlId id, int chars) {
    if (Control* c = need(id, "setLimit", kEdits))
        c->limit = std::max(chars, 0);
}

void HeadlessDialog::setFocus(ControlId id) {
    if (need(id) != nullptr)
        toolkit_.moveFocus(*this, id);
}

std::optional<ControlId> HeadlessDialog::focus() const {
    auto place = toolkit_.focus();
    if (!place || place->dialog != this)
        return std::nullopt;
    return place->control;
}

// ---- lists ----

void HeadlessDialog::clearList(ControlId id) {
    Control* c = need(id, "clearList", kLists);
    if (c == nullptr)
        return;
    c->items.clear();
    c->selection = -1;
}

int HeadlessDialog::addItem(ControlId id, std::string_view text, long data) {
    Control* c = need(id, "addItem", kLists);
    if (c == nullptr)
        return -1;
    c->items.push_back(ListItem{std::string(text), data, false});
    return static_cast<int>(c->items.size()) - 1;
}

int HeadlessDialog::itemCount(ControlId id) const {
    const Control* c = need(id, "itemCount", kLists);
    return c != nullptr ? static_cast<int>(c->items.size()) : 0;
}

long HeadlessDialog::itemData(ControlId id, int index) const {
    const Control* c = need(id, "itemData", kLists);
    if (c == nullptr || index < 0 || index >= static_cast<int>(c->items.size()))
        return -1;
    return c->items[static_cast<std::size_t>(index)].data;
}

std::string HeadlessDialog::itemText(ControlId id, int index) const {
    const Control* c = need(id, "itemText", kLists);
    if (c == nullptr || index < 0 || index >= static_cast<int>(c->items.size()))
        return {};
    return c->items[static_cast<std::size_t>(index)].text.substr(0, kMostTextBytes);
}

int HeadlessDialog::selection(ControlId id) const {
    const Control* c = need(id, "selection", kLists);
    if (c == nullptr)
        return -1;
    if (c->kind == ControlKind::ListBox) {
        auto it = std::find_if(c->items.begin(), c->items.end(),
                               [](const ListItem& item) { return item.selected; });
        return it == c->items.end() ? -1 : static_cast<int>(it - c->items.begin());
    }
    return c->selection;
}

void HeadlessDialog::select(ControlId id, int index) {
    Control* c = need(id, "select", kLists);
    if (c == nullptr)
        return;
    bool inRange = index >= 0 && index < static_cast<int>(c->items.size());
    if (c->kind == ControlKind::Combo) {
        c->selection = inRange ? index : -1;
        return;
    }
    for (ListItem& item : c->items)
        item.selected = false;
    if (inRange)
        c->items[static_cast<std::size_t>(index)].selected = true;
}

bool HeadlessDialog::isSelected(ControlId id, int index) const {
    const Control* c = need(id, "isSelected", kLists);
    if (c == nullptr || index < 0 || index >= static_cast<int>(c->items.size()))
        return false;
    if (c->kind == ControlKind::Combo)
        return c->selection == index;
    return c->items[static_cast<std::size_t>(index)].selected;
}

void HeadlessDialog::setSelected(ControlId id, int index, bool on) {
    Control* c = need(id, "setSelected", kLists);
    if (c == nullptr || index < 0 || index >= static_cast<int>(c->items.size()))
        return;
    if (c->kind == ControlKind::Combo) {
        if (on) {
            c->selection = index;
        } else if (c->selection == index) {
            c->selection = -1;
        }
        return;
    }
    c->items[static_cast<std::size_t>(index)].selected = on;
}

// ---- decoration ----

void HeadlessDialog::setFont(ControlId id, const Font& font) {
    if (Control* c = need(id))
        c->font = font;
}

void HeadlessDialog::setTooltip(ControlId id, std::string_view text) {
    Control* c = need(id);
    if (c == nullptr)
        return;
    if (text.empty()) {
        c->tooltip.reset();
    } else {
        c->tooltip = std::string(text);
        // A label passes the mouse on to its dialog unless it notifies: to show its tooltip
        // it notifies from now on.
        if (isLabel(c->kind))
            c->notifies = true;
    }
}

void HeadlessDialog::makeLink(ControlId id) {
    if (Control* c = need(id, "makeLink", kLabels)) {
        c->kind = ControlKind::Link;
        c->notifies = true;
    }
}

// ---- the window ----

void HeadlessDialog::sendSetText(std::optional<std::string_view> text) {
    proc_.onSetText(text);
}

void HeadlessDialog::post(unsigned message) {
    if (message < kFirstPrivateMessage || message > kLastPrivateMessage) {
        toolkit_.fault("private message " + std::to_string(message) + " out of range in dialog " +
                       std::to_string(templateId_));
        return;
    }
    toolkit_.postMessage(*this, message);
}

void HeadlessDialog::deliverPrivateMessage(unsigned message) {
    proc_.onPrivateMessage(message);
}

void HeadlessDialog::messageBox(std::string_view text, std::string_view title, Icon icon) {
    toolkit_.messageBox(text, title, icon);
}

EncoderControl* HeadlessDialog::encoderControl(ControlId id) {
    return id == IDC_ENCODER_CONTROL ? encoder_.get() : nullptr;
}

CalendarControl* HeadlessDialog::calendarControl(ControlId id) {
    return id == IDC_CALENDAR_CONTROL ? calendar_.get() : nullptr;
}

void HeadlessDialog::runModal() {
    // The dialog may be destroyed by anything the loop runs; alive tells.
    std::shared_ptr<bool> alive = alive_;
    OwnerDisabled ownerDisabled(
        owner_, [&toolkit = toolkit_](const Dialog* d) { return toolkit.isLive(d); });
    endRequested_ = false;
    // Hosted outside controls answer first, with what the host queued before the loop.
    if (encoder_)
        encoder_->takeTurn();
    if (*alive && calendar_)
        calendar_->takeTurn();
    if (*alive)
        toolkit_.dispatchPosted();
    while (*alive && !endRequested_) {
        if (!toolkit_.pumpInput())
            break;
        if (*alive)
            toolkit_.dispatchPosted();
    }
    if (*alive)
        endRequested_ = false;
}

// ---- agent actions ----

bool HeadlessDialog::reachable(const Control& c) const {
    return enabled_ && c.enabled && c.visible;
}

void HeadlessDialog::command(ControlId id, Notify code) {
    proc_.onCommand(id, code);
}

void HeadlessDialog::notifyFocus(ControlId id, Notify code) {
    if (const Control* c = find(id); c != nullptr && c->notifiesFocus())
        command(id, code);
}

void HeadlessDialog::clickControl(Control& c) {
    switch (c.kind) {
        case ControlKind::CheckBox:
            c.checked = !c.checked;
            break;
        case ControlKind::Radio: {
            // The group runs from the nearest WS_GROUP control up to the next one.
            auto self = controls_.begin() + (&c - controls_.data());
            auto first = self;
            while (first != controls_.begin() && !first->group)
                --first;
            auto last = self + 1;
            while (last != controls_.end() && !last->group)
                ++last;
            for (auto it = first; it != last; ++it) {
                if (it->kind == ControlKind::Radio)
                    it->checked = false;
            }
            c.checked = true;
            break;
        }
        case ControlKind::Button:
        case ControlKind::Link:
            break;
        case ControlKind::Static:
            if (!c.notifies)
                return;
            break;
        default:
            return;  // no click notification
    }
    command(c.id, Notify::Clicked);
}

std::string HeadlessDialog::typeText(ControlId id, std::string_view text) {
    Control* c = find(id);
    if (c == nullptr)
        return unknown(id);
    if (c->kind != ControlKind::Edit)
        return notAnEdit(id);
    if (!reachable(*c))
        return {};
    std::shared_ptr<bool> alive = alive_;
    toolkit_.moveFocus(*this, id);
    if (!*alive)
        return {};
    std::string typed(typedLine(windowText(text)));
    if (c->uppercase)
        typed = upperCase(std::move(typed), text::systemCodePage());
    if (c->limit > 0 && typed.size() > static_cast<std::size_t>(c->limit))
        typed.resize(c->limit);
    c->text = std::move(typed);
    command(id, Notify::Changed);
    return {};
}

std::string HeadlessDialog::click(ControlId id) {
    Control* c = find(id);
    if (c == nullptr)
        return unknown(id);
    if (!reachable(*c))
        return {};
    if (takesFocusOnClick(c->kind)) {
        std::shared_ptr<bool> alive = alive_;
        toolkit_.moveFocus(*this, id);
        if (!*alive || !reachable(*c))
            return {};
    }
    clickControl(*c);
    return {};
}

std::string HeadlessDialog::key(ControlId id, Key key) {
    Control* c = find(id);
    if (c == nullptr)
        return unknown(id);
    if (!reachable(*c))
        return {};
    std::shared_ptr<bool> alive = alive_;
    toolkit_.moveFocus(*this, id);
    if (!*alive)
        return {};
    if (proc_.preTranslateKey(id, key) || !*alive)
        return {};
    switch (key) {
        case Key::F1:
            if (c->kind == ControlKind::Edit)
                proc_.onControlKey(id, key);
            break;
        case Key::Enter:
            if (c->kind == ControlKind::Link)
                proc_.onControlKey(id, key);
            break;
        case Key::Space:
            if (c->kind == ControlKind::Link) {
                proc_.onControlKey(id, key);
            } else {
                clickControl(*c);
            }
            break;
        case Key::Tab:
            tabFrom(id);
            break;
        case Key::AltUp:
            break;
    }
    return {};
}

void HeadlessDialog::tabFrom(ControlId id) {
    auto at = std::find_if(controls_.begin(), controls_.end(),
                           [id](const Control& c) { return c.id == id; });
    if (at == controls_.end())
        return;
    std::size_t start = static_cast<std::size_t>(at - controls_.begin());
    for (std::size_t step = 1; step <= controls_.size(); ++step) {
        const Control& next = controls_[(start + step) % controls_.size()];
        if (next.tabStop && reachable(next) && !isLabel(next.kind) && next.id != kUnnamed) {
            toolkit_.moveFocus(*this, next.id);
            return;
        }
    }
}

std::string HeadlessDialog::doubleClick(ControlId id) {
    Control* c = find(id);
    if (c == nullptr)
        return unknown(id);
    if (c->kind != ControlKind::Edit)
        return notAnEdit(id);
    if (!reachable(*c))
        return {};
    std::shared_ptr<bool> alive = alive_;
    toolkit_.moveFocus(*this, id);
    if (*alive)
        command(id, Notify::DoubleClicked);
    return {};
}

std::string HeadlessDialog::selectCode(ControlId id, long code) {
    Control* c = find(id);
    if (c == nullptr)
        return unknown(id);
    if (c->kind != ControlKind::Combo) {
        return "control " + std::to_string(id) + " is not a drop-down list";
    }
    auto item = std::find_if(c->items.begin(), c->items.end(),
                             [code](const ListItem& i) { return i.data == code; });
    if (item == c->items.end()) {
        return "no entry with code " + std::to_string(code) + " in control " + std::to_string(id);
    }
    int index = static_cast<int>(item - c->items.begin());
    if (!reachable(*c))
        return {};
    std::shared_ptr<bool> alive = alive_;
    toolkit_.moveFocus(*this, id);
    if (!*alive || index >= static_cast<int>(c->items.size()))
        return {};
    c->selection = index;
    command(id, Notify::SelChange);
    return {};
}

std::string HeadlessDialog::pick(ControlId id, const std::vector<int>& positions) {
    Control* c = find(id);
    if (c == nullptr)
        return unknown(id);
    if (c->kind != ControlKind::ListBox) {
        return "control " + std::to_string(id) + " is not a list box";
    }
    for (int p : positions) {
        if (p < 0 || p >= static_cast<int>(c->items.size())) {
            return "no entry at position " + std::to_string(p) + " in control " +
                   std::to_string(id);
        }
    }
    if (!c->multipleSelect && positions.size() > 1) {
        return "control " + std::to_string(id) + " allows only one selection";
    }
    if (!reachable(*c))
        return {};
    std::shared_ptr<bool> alive = alive_;
    toolkit_.moveFocus(*this, id);
    if (!*alive)
        return {};
    for (ListItem& item : c->items)
        item.selected = false;
    for (int p : positions) {
        if (p < static_cast<int>(c->items.size())) {
            c->items[static_cast<std::size_t>(p)].selected = true;
        }
    }
    command(id, Notify::SelChange);
    return {};
}

std::vector<std::string> HeadlessDialog::dump(ControlId id) const {
    const Control* c = find(id);
    if (c == nullptr)
        return {};
    auto flag = [](bool b) { return b ? "1" : "0"; };
    std::vector<std::string> lines;
    lines.push_back(std::string("kind ") + kindName(c->kind));
    lines.push_back(std::string("enabled ") + flag(c->enabled));
    lines.push_back(std::string("visible ") + flag(c->visible));
    if (c->kind == ControlKind::CheckBox || c->kind == ControlKind::Radio) {
        lines.push_back(std::string("checked ") + flag(c->checked));
    }
    if (c->kind == ControlKind::Edit)
        lines.push_back("limit " + std::to_string(c->limit));
    if (isLabel(c->kind)) {
        std::optional<Paint> paint = proc_.onCtlColor(id);
        if (paint && paint->text)
            lines.push_back("color " + colorText(*paint->text));
    }
    if (c->tooltip)
        lines.push_back("tooltip " + *c->tooltip);
    std::string shown = c->kind == ControlKind::Combo
                            ? (c->selection >= 0 ? c->items[c->selection].text : std::string())
                        : c->kind == ControlKind::ListBox ? std::string()
                                                          : c->text;
    lines.push_back("text " + shown);
    for (std::size_t i = 0; i < c->items.size(); ++i) {
        bool selected = c->kind == ControlKind::Combo ? c->selection == static_cast<int>(i)
                                                      : c->items[i].selected;
        lines.push_back("item " + std::to_string(c->items[i].data) + " " + flag(selected) + " " +
                        c->items[i].text);
    }
    return lines;
}

}  // namespace ui::headless
