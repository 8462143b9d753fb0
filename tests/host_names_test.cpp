// How quorvex-host understands names: symbols of resource.h for dialogs and controls, the
// nearest names it offers for a mistyped one, and what Tab completes.
#include <gtest/gtest.h>

#include <algorithm>

#include "host/completion.h"
#include "host/control_name.h"
#include "host/resource_symbols.h"
#include "host/suggest.h"
#include "platform/ui/dialog_template.h"
#include "resources/resource.h"

namespace {

TEST(ControlNames, NumbersAndSymbolsOnTheirDialogs) {
    const struct {
        const char* text;
        int mainForm;
        const char* outcome;  // "DIALOG:CONTROL" (0: the main form) or the start of the why
    } cases[] = {
        {"848", 119, "0:848"},
        {"IDC_MANVOID_AIRLINE", 119, "0:848"},
        {"119:IDC_MANVOID_AIRLINE", 0, "119:848"},
        {"IDD_ISSMANUALVOIDTKT:848", 0, "119:848"},
        {"105:312", 104, "105:312"},
        // 838 is the log ticket's TAT radio and the manual void's date: the symbol decides.
        {"IDC_LOGTKT_TAT", 116, "0:838"},
        {"IDC_LOGTKT_TAT", 119,
         "`IDC_LOGTKT_TAT` is not on IDD_ISSMANUALVOIDTKT (119) but on IDD_ISSLOGTKT (116)"},
        {"IDC_STATUS_LINE", 124, "0:599"},
        {"IDC_ENCODER_CONTROL", 0, "0:122"},  // no mask: the value alone
        {"IDD_CODER:IDC_CALENDAR_CONTROL", 0,
         "`IDC_CALENDAR_CONTROL` is not on IDD_CODER (202) but on IDD_MONTH (204)"},
        {"IDC_MANVOID_AIRLIN", 119,
         "no control `IDC_MANVOID_AIRLIN` on IDD_ISSMANUALVOIDTKT "
         "(119); did you mean `IDC_MANVOID_AIRLINE`"},
        {"IDD_NOPE:848", 0, "no dialog `IDD_NOPE`"},
        {"0:848", 0, "`0` is not a dialog"},
        {"-3:848", 0, "`-3` is not a dialog"},
        {"8x8", 119, "`8x8` is not a control"},
        {"", 119, "`` is not a control"},
        {"119:", 119, "`119:` is not a control"},
    };
    for (const auto& c : cases) {
        const host::ControlNameParse parse = host::parseControlName(c.text, c.mainForm);
        const std::string got = parse.name ? std::to_string(parse.name->dialog) + ":" +
                                                 std::to_string(parse.name->control)
                                           : parse.error;
        EXPECT_EQ(got.substr(0, std::string(c.outcome).size()), c.outcome) << c.text;
        EXPECT_EQ(parse.name.has_value(), parse.error.empty()) << c.text;
    }
}

// The generated tables agree with the templates: every symbol a dialog uses names a control
// that the dialog's template has, and every dialog symbol has a template.
TEST(ResourceSymbols, EveryPlacementIsAControlOfItsTemplate) {
    ASSERT_FALSE(host::dialogControlSymbols().empty());
    for (const host::DialogControlSymbol& p : host::dialogControlSymbols()) {
        const auto dialog = host::symbolValue(p.dialog);
        const auto control = host::symbolValue(p.control);
        ASSERT_TRUE(dialog && control) << p.dialog << ":" << p.control;
        const ui::DialogTemplate* tmpl = ui::findTemplate(*dialog);
        ASSERT_NE(tmpl, nullptr) << p.dialog;
        EXPECT_EQ(std::ranges::count(tmpl->controls, *control, &ui::ControlTemplate::id), 1)
            << p.dialog << " holds " << p.control << " once";
        EXPECT_EQ(host::controlSymbol(*dialog, *control), p.control);
    }
    EXPECT_EQ(host::dialogSymbol(119), "IDD_ISSMANUALVOIDTKT");
    EXPECT_EQ(host::describeControl(116, 838), "IDC_LOGTKT_TAT (838)");
    EXPECT_EQ(host::describeControl(119, 838), "IDC_MANVOID_DATE (838)");
    EXPECT_EQ(host::describeControl(IDD_CODER, 999), "control 999");
}

TEST(Suggestions, NearestNamesAndSmallSets) {
    const std::vector<std::string_view> keys = {"enter", "alt+up", "f1", "space", "tab"};
    const std::vector<std::string_view> many = {"ini",  "file", "queue", "create", "destroy",
                                                "lang", "type", "click", "key",    "dump"};
    const struct {
        const char* word;
        std::vector<std::string_view> candidates;
        const char* tail;
    } cases[] = {
        {"entr", keys, "; did you mean `enter`? The keys are enter, alt+up, f1, space, tab."},
        {"ENTER", keys, "; did you mean `enter`? The keys are enter, alt+up, f1, space, tab."},
        {"spcae", keys, "; did you mean `space`? The keys are enter, alt+up, f1, space, tab."},
        {"zzz", keys, ". The keys are enter, alt+up, f1, space, tab."},
        {"tpye", many, "; did you mean `type`?"},
        {"destr", many, "; did you mean `destroy`?"},
        {"xyzzy", many, ""},
        {"x", {}, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(host::suggestionFor(c.word, c.candidates, "keys"), c.tail) << c.word;
    // At most three, the nearest first.
    const std::vector<std::string_view> near = {"IDC_A1", "IDC_A12", "IDC_A2", "IDC_A3", "IDC_B"};
    EXPECT_EQ(host::nearestNames("IDC_A1", near),
              (std::vector<std::string_view>{"IDC_A1", "IDC_A12", "IDC_A2"}));
}

TEST(Completion, CommandsClassesSymbolsAndKeys) {
    const struct {
        const char* line;
        int mainForm;
        std::vector<std::string> completions;
    } cases[] = {
        {"dr", 0, {"draw"}},
        {"help de", 0, {"destroy"}},
        {"create IssM", 0, {"IssManualVoidTkt"}},
        {"type IDC_MANVOID_AI", 119, {"IDC_MANVOID_AIRLINE_LABEL", "IDC_MANVOID_AIRLINE"}},
        {"type IDC_MANVOID_AI", 116, {}},
        {"click IDD_ISSL", 119, {"IDD_ISSLOGTKT:"}},
        {"click IDD_ISSLOGTKT:IDC_LOGTKT_O", 119, {"IDD_ISSLOGTKT:IDC_LOGTKT_OPTAT"}},
        {"key 840 a", 119, {"alt+up"}},
        {"draw IDD_M", 0, {"IDD_MONTH"}},
        {"ini Z", 0, {"ZenkorMain.ini"}},
        {"type 848 IDC_", 119, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(host::completionsFor(c.line, c.mainForm), c.completions) << c.line;
}

}  // namespace
