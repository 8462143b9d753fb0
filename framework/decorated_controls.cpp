#include "framework/decorated_controls.h"

#include <algorithm>

#include "framework/language.h"
#include "framework/shared_settings.h"
#include "platform/ui/dialog_template.h"

namespace framework {
namespace {

// Font heights are logical units (those of the label font). A point size of a template is
// the character height of so many points of a 96-unit logical inch, as a negative height.
constexpr int kUnitsPerInch = 96;
constexpr int kPointsPerInch = 72;

constexpr int heightOfPoints(int points) {
    return -((points * kUnitsPerInch + kPointsPerInch / 2) / kPointsPerInch);
}

const ui::Font kLabelFont{"Arial", 14, 700, false, false};

// The form's own font, underlined.
ui::Font linkFont(const ui::Dialog& form) {
    const ui::DialogTemplate* t = ui::findTemplate(form.templateId());
    ui::Font font{t != nullptr ? t->fontFace : "MS Shell Dlg",
                  heightOfPoints(t != nullptr ? t->fontSize : 8)};
    font.underline = true;
    return font;
}

template <class Items>
auto findIn(Items& items, ControlId id) -> decltype(&*items.begin()) {
    auto it = std::find_if(items.begin(), items.end(), [id](const auto& i) { return i.id == id; });
    return it == items.end() ? nullptr : &*it;
}

}  // namespace

void DecoratedControls::setupLabel(ControlId id, const char* labelKey, const char* tooltipKey,
                                   bool mandatory) {
    form_.setTooltip(id, StringOrKey(tooltipKey));
    setLabelStyle(id, mandatory);
    form_.setText(id, StringOrKey(labelKey));
}

void DecoratedControls::setLabelStyle(ControlId id, bool mandatory) {
    if (Label* label = findIn(labels_, id)) {
        label->mandatory = mandatory;
    } else {
        labels_.push_back({id, mandatory});
    }
    form_.setFont(id, kLabelFont);
}

void DecoratedControls::setMandatory(ControlId id, bool mandatory) {
    if (Link* link = findLink(id)) {
        link->mandatory = mandatory;
        return;
    }
    setLabelStyle(id, mandatory);
}

void DecoratedControls::setupEdit(ControlId id, const char* tooltipKey, int maxLength,
                                  ChooserSpec chooser) {
    std::string tooltip = StringOrKey(tooltipKey);
    form_.setTooltip(id, tooltip);
    form_.setLimit(id, maxLength);
    edits_.push_back({id, std::move(tooltip), chooser});
}

void DecoratedControls::setTooltip(ControlId id, const char* key) {
    std::string tooltip = StringOrKey(key);
    form_.setTooltip(id, tooltip);
    if (Edit* edit = findEdit(id)) {
        edit->tooltip = std::move(tooltip);
        if (form_.focus() == id)
            form_.sendSetText(edit->tooltip);
    }
}

void DecoratedControls::setupLink(ControlId id, ControlId edit, const char* labelKey,
                                  const char* tooltipKey, bool mandatory, ChooserSpec chooser) {
    form_.setTooltip(id, StringOrKey(tooltipKey));
    form_.setText(id, StringOrKey(labelKey));
    links_.push_back({id, edit, mandatory, false, false, chooser});
}

void DecoratedControls::activateLinks() {
    for (Link& link : links_) {
        if (link.active)
            continue;
        form_.makeLink(link.id);
        form_.setFont(link.id, linkFont(form_));
        link.active = true;
    }
}

const DecoratedControls::Edit* DecoratedControls::findEdit(ControlId id) const {
    return findIn(edits_, id);
}

DecoratedControls::Edit* DecoratedControls::findEdit(ControlId id) {
    return findIn(edits_, id);
}

DecoratedControls::Link* DecoratedControls::findLink(ControlId id) {
    return findIn(links_, id);
}

const DecoratedControls::Label* DecoratedControls::findLabel(ControlId id) const {
    return findIn(labels_, id);
}

bool DecoratedControls::onCommand(ControlId id, ui::Notify code) {
    if (const Edit* edit = findEdit(id)) {
        if (code == ui::Notify::SetFocus) {
            form_.sendSetText(edit->tooltip);
            return true;
        }
        if (code == ui::Notify::DoubleClicked) {
            openChooser(id);
            return true;
        }
        return false;
    }
    if (Link* link = findLink(id); link != nullptr && code == ui::Notify::Clicked) {
        clickLink(*link);
        return true;
    }
    return false;
}

bool DecoratedControls::onControlKey(ControlId id, ui::Key key) {
    if (key == ui::Key::F1 && findEdit(id) != nullptr) {
        openChooser(id);
        return true;
    }
    if (Link* link = findLink(id);
        link != nullptr && (key == ui::Key::Enter || key == ui::Key::Space)) {
        clickLink(*link);
        return true;
    }
    return false;
}

std::optional<ui::Paint> DecoratedControls::paint(ControlId id) const {
    if (const Label* label = findLabel(id)) {
        return ui::Paint{label->mandatory ? kMandatoryText : kOptionalText, kBackground};
    }
    for (const Link& link : links_) {
        if (link.id != id)
            continue;
        const ui::Colorref colour =
            link.visited ? kVisitedLink : (link.mandatory ? kMandatoryText : kOptionalLink);
        return ui::Paint{colour, kBackground};
    }
    return std::nullopt;
}

void DecoratedControls::openChooser(ControlId edit) {
    if (const Edit* e = findEdit(edit))
        runChooser(edit, e->chooser);
}

void DecoratedControls::clickLink(Link& link) {
    if (!form_.isEnabled(link.edit))
        return;
    link.visited = true;
    runChooser(link.edit, link.chooser);
}

void DecoratedControls::runChooser(ControlId edit, const ChooserSpec& chooser) {
    switch (chooser.kind) {
        case ChooserSpec::Kind::None:
            return;
        case ChooserSpec::Kind::Date: {
            const std::optional<std::string> date = choosers_.chooseDate(form_, chooser.dateKind);
            if (date && !date->empty())
                form_.setText(edit, *date);
            form_.setFocus(edit);
            return;
        }
        case ChooserSpec::Kind::Encoder: {
            const CodeChoice choice = choosers_.chooseCode(form_, EncoderList(chooser.encoderKey));
            if (!chooser.twoTarget) {
                if (!choice.first.empty())
                    form_.setText(edit, choice.first);
                form_.setFocus(edit);
                return;
            }
            if (!choice.first.empty())
                form_.setText(chooser.firstTarget, choice.first);
            if (!choice.second.empty())
                form_.setText(chooser.secondTarget, choice.second);
            return;
        }
    }
}

}  // namespace framework
