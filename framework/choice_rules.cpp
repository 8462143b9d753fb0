#include "framework/choice_rules.h"

#include "framework/decorated_controls.h"
#include "framework/language.h"
#include "framework/list_entries.h"

namespace framework {
namespace {

bool applies(Choices when, long choice) {
    return choice >= 0 && choice < 32 && (when & (Choices{1} << choice)) != 0;
}

}  // namespace

long ReadChoice(const ui::Dialog& form, const ChoiceSource& source) {
    switch (source.kind) {
        case ChoiceSource::Kind::RadioGroup:
            for (std::size_t i = 0; i < source.controls.size(); ++i) {
                if (form.isChecked(source.controls[i]))
                    return static_cast<long>(i);
            }
            return source.fallback;
        case ChoiceSource::Kind::CheckBox:
            return form.isChecked(source.controls.front()) ? 1 : 0;
        case ChoiceSource::Kind::List:
            return SelectedCode(form, source.controls.front());
    }
    return -1;
}

bool ChangesChoice(const ChoiceSource& source, ui::ControlId id, ui::Notify code) {
    const ui::Notify change =
        source.kind == ChoiceSource::Kind::List ? ui::Notify::SelChange : ui::Notify::Clicked;
    if (code != change)
        return false;
    for (ui::ControlId control : source.controls) {
        if (control == id)
            return true;
    }
    return false;
}

void ApplyChoiceRule(ui::Dialog& form, DecoratedControls& controls, const ChoiceRule& rule,
                     const RestoreFlag& restoring) {
    const long choice = ReadChoice(form, rule.source);
    if (rule.source.kind == ChoiceSource::Kind::RadioGroup) {
        // Exactly the chosen button stays ticked, also after a Recall of a profile that held
        // several: what the checks, the entry and the next save read then agrees.
        for (std::size_t i = 0; i < rule.source.controls.size(); ++i)
            form.setChecked(rule.source.controls[i], static_cast<long>(i) == choice);
    }
    ApplyEffects(form, controls, rule.effects, choice, restoring.on());
}

void ApplyEffects(ui::Dialog& form, DecoratedControls& controls, std::span<const Effect> effects,
                  long choice, bool restoring) {
    for (const Effect& e : effects) {
        const bool on = applies(e.when, choice);
        switch (e.act) {
            case Act::EnabledIf:
                form.enable(e.id, on);
                break;
            case Act::ShownIf:
                form.show(e.id, on);
                break;
            case Act::MandatoryIf:
                controls.setMandatory(e.id, on);
                break;
            case Act::Empty:
                if (on && !restoring)
                    form.setText(e.id, "");
                break;
            case Act::ResetList:
                if (on && !restoring && form.itemCount(e.id) > 0)
                    form.select(e.id, 0);
                break;
            case Act::Uncheck:
                if (on && !restoring)
                    form.setChecked(e.id, false);
                break;
            case Act::Limit:
                if (on)
                    form.setLimit(e.id, e.limit);
                break;
            case Act::Tooltip:
                if (on)
                    controls.setTooltip(e.id, e.key);
                break;
            case Act::Text:
                if (on)
                    form.setText(e.id, StringOrKey(e.key));
                break;
        }
    }
}

}  // namespace framework
