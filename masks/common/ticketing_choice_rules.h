// The choice rules that every ticketing form has, as tables over the form's own controls: the
// endorsement lines by endorsement type, the tour code by IT code type, and the copies by
// print option and electronic ticketing.
#pragma once

#include <array>

#include "framework/choice_rules.h"

namespace masks {

// The endorsement lines and their labels, and the keys of the texts each form has its own of.
struct EndorsementControls {
    ui::ControlId line1, label1, line2, label2;
    const char* edTooltip;          // line 1 for ED (type 1)
    const char* eoTooltip;          // line 1 for EO (type 2)
    const char* eoDomesticTooltip;  // line 1 for EO and ED of domestic travel (type 4)
    const char* edDomesticTooltip;  // line 2 for type 4
    const char* edLabel;            // the label of an ED line
    const char* eoLabel;            // the label of an EO line
};

// Types 1 to 4 (ED, EO, EO on two lines, EO and ED) open the first line, 3 and 4 the second,
// each with its length, tooltip and label.
constexpr std::array<framework::Effect, 24> EndorsementEffects(const EndorsementControls& c) {
    using framework::Act;
    using framework::When;
    return {{
        {c.line1, Act::EnabledIf, When(1, 2, 3, 4)},
        {c.line1, Act::Empty},
        {c.line1, Act::Limit, When(1), 60},
        {c.line1, Act::Limit, When(2), 58},
        {c.line1, Act::Limit, When(3), 29},
        {c.line1, Act::Limit, When(4), 83},
        {c.line1, Act::Tooltip, When(1), 0, c.edTooltip},
        {c.line1, Act::Tooltip, When(2), 0, c.eoTooltip},
        {c.line1, Act::Tooltip, When(3), 0, "_TIP_EO_LINE1"},
        {c.line1, Act::Tooltip, When(4), 0, c.eoDomesticTooltip},
        {c.label1, Act::ShownIf, When(1, 2, 3, 4)},
        {c.label1, Act::Text, When(1), 0, c.edLabel},
        {c.label1, Act::Text, When(2), 0, c.eoLabel},
        {c.label1, Act::Text, When(3), 0, "LAB_TKTG_ENDORSE_EO1"},
        {c.label1, Act::Text, When(4), 0, c.eoLabel},
        {c.line2, Act::EnabledIf, When(3, 4)},
        {c.line2, Act::Empty},
        {c.line2, Act::Limit, When(3), 29},
        {c.line2, Act::Limit, When(4), 83},
        {c.line2, Act::Tooltip, When(3), 0, "_TIP_EO_LINE2"},
        {c.line2, Act::Tooltip, When(4), 0, c.edDomesticTooltip},
        {c.label2, Act::ShownIf, When(3, 4)},
        {c.label2, Act::Text, When(3), 0, "LAB_TKTG_ENDORSE_EO2"},
        {c.label2, Act::Text, When(4), 0, c.edLabel},
    }};
}

// Every IT code item but the empty one and "no tour code" (9) asks for the tour code.
constexpr std::array<framework::Effect, 2> ItCodeEffects(ui::ControlId code) {
    using framework::Act;
    using framework::When;
    return {{
        {code, Act::EnabledIf, When(1, 2, 3, 4, 5, 6, 7, 8)},
        {code, Act::Empty},
    }};
}

// The override box and the print option list that electronic ticketing opens, and the fields
// of the copies: agent coupon, passenger receipt, audit coupon, card charge form and exchange
// authority form.
struct PrintingControls {
    ui::ControlId overrideBox, printOption;
    std::array<ui::ControlId, 5> copies;
};

// Any choice of a print option opens the copies.
constexpr std::array<framework::Effect, 5> PrintOptionEffects(const PrintingControls& c) {
    using framework::Act;
    std::array<framework::Effect, 5> effects{};
    for (std::size_t i = 0; i < c.copies.size(); ++i)
        effects[i] = {c.copies[i], Act::EnabledIf};
    return effects;
}

// Electronic ticketing opens the override box, the print option and the copies; without it
// they are cleared.
constexpr std::array<framework::Effect, 14> ElectronicTicketingEffects(const PrintingControls& c) {
    using framework::Act;
    using framework::When;
    std::array<framework::Effect, 14> effects = {{
        {c.overrideBox, Act::EnabledIf, When(1)},
        {c.overrideBox, Act::Uncheck, When(0)},
        {c.printOption, Act::EnabledIf, When(1)},
        {c.printOption, Act::ResetList, When(0)},
    }};
    for (std::size_t i = 0; i < c.copies.size(); ++i) {
        effects[4 + 2 * i] = {c.copies[i], Act::EnabledIf, When(1)};
        effects[5 + 2 * i] = {c.copies[i], Act::Empty, When(0)};
    }
    return effects;
}

}  // namespace masks
