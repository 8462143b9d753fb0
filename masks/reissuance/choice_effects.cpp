#include "masks/reissuance/choice_effects.h"

#include "framework/language.h"

namespace masks::reissue {
namespace {

bool Applies(Choices when, long choice) {
    return choice >= 0 && choice < 32 && (when & (Choices{1} << choice)) != 0;
}

}  // namespace

void ApplyEffects(ui::Dialog& form, framework::DecoratedControls& controls,
                  std::span<const Effect> effects, long choice, bool restoring) {
    for (const Effect& e : effects) {
        const bool on = Applies(e.when, choice);
        switch (e.act) {
            case Act::EnabledIf:
                form.enable(e.id, on);
                break;
            case Act::ShownIf:
                form.show(e.id, on);
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
                    form.setText(e.id, framework::StringOrKey(e.key));
                break;
        }
    }
}

}  // namespace masks::reissue
