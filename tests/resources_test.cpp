// The dialog templates and string tables generated from the resource script.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/text/codepage.h"
#include "platform/ui/dialog_template.h"
#include "platform/ui/string_table.h"

namespace {

using ui::ControlKind;
using ui::ControlTemplate;
using ui::DialogTemplate;

const DialogTemplate& templateOf(ui::DialogId id) {
    const DialogTemplate* t = ui::findTemplate(id);
    if (t == nullptr)
        throw std::runtime_error("no template " + std::to_string(id));
    return *t;
}

std::set<ui::ControlId> idsOfKind(const DialogTemplate& t, ControlKind kind) {
    std::set<ui::ControlId> ids;
    for (const ControlTemplate& c : t.controls) {
        if (c.kind == kind)
            ids.insert(c.id);
    }
    return ids;
}

TEST(ResourcesTest, RadioGroupsStartWithTheirFirstButtonAndEndAtTheNextGroup) {
    struct Group {
        ui::DialogId form;
        std::vector<ui::ControlId> radios;
    };
    const Group groups[] = {{116, {826, 827, 838}}, {124, {860, 861}}};
    for (const Group& g : groups) {
        const DialogTemplate& t = templateOf(g.form);
        EXPECT_EQ(idsOfKind(t, ControlKind::Radio),
                  std::set<ui::ControlId>(g.radios.begin(), g.radios.end()));
        auto first = std::find_if(t.controls.begin(), t.controls.end(),
                                  [&](const ControlTemplate& c) { return c.id == g.radios[0]; });
        ASSERT_NE(first, t.controls.end());
        EXPECT_TRUE(first->group) << "form " << g.form;
        for (std::size_t i = 1; i < g.radios.size(); ++i) {
            EXPECT_EQ(first[i].id, g.radios[i]) << "form " << g.form << " radios adjacent";
            EXPECT_FALSE(first[i].group) << "form " << g.form << " radio " << g.radios[i];
        }
        EXPECT_TRUE(first[g.radios.size()].group) << "form " << g.form << " group ends";
    }
    EXPECT_EQ(idsOfKind(templateOf(116), ControlKind::CheckBox), std::set<ui::ControlId>{834});
}

TEST(ResourcesTest, TheFormsHoldTheirUpperCaseFieldsAndLabels) {
    struct Form {
        ui::DialogId id;
        std::set<ui::ControlId> edits, labels;
    };
    const Form forms[] = {
        {119,
         {848, 855, 849, 857, 851, 838, 853, 840},
         {847, 856, 850, 858, 852, 839, 854, 841, 599}},
        {116, {835, 841, 833, 842, 839, 831, 829}, {825, 837, 836, 832, 840, 830, 828, 599}},
        {124, {863, 864, 866, 868}, {859, 862, 865, 867, 869, 599}},
    };
    for (const Form& f : forms) {
        const DialogTemplate& t = templateOf(f.id);
        EXPECT_EQ(idsOfKind(t, ControlKind::Edit), f.edits) << "form " << f.id;
        EXPECT_EQ(idsOfKind(t, ControlKind::Static), f.labels) << "form " << f.id;
        for (const ControlTemplate& c : t.controls) {
            EXPECT_TRUE(c.kind != ControlKind::Edit || (c.uppercase && c.tabStop))
                << "form " << f.id << " edit " << c.id;
        }
    }
}

TEST(ResourcesTest, TheChoosersHostOnlyTheirOutsideControl) {
    for (auto [dialog, hosted] : {std::pair{202, 122}, std::pair{204, 123}}) {
        const DialogTemplate& t = templateOf(dialog);
        ASSERT_EQ(t.controls.size(), 1u) << "dialog " << dialog;
        EXPECT_EQ(t.controls[0].id, hosted);
        EXPECT_EQ(t.controls[0].kind, ControlKind::Custom);
        EXPECT_STRNE(t.controls[0].windowClass, "");
    }
    EXPECT_EQ(ui::findTemplate(4242), nullptr);
}

TEST(ResourcesTest, String101IsTheByteA5InEachCodePage) {
    struct Case {
        unsigned codePage;
        std::u16string table101, table102;
    };
    const Case cases[] = {{1252, u"\u00A5", u"\u00C2\u00A5"}, {1251, u"\u0490", u"\u0412\u0490"}};
    for (const Case& c : cases) {
        std::map<int, std::u16string> table;
        for (const ui::StringResource& s : ui::stringTable(c.codePage))
            table[s.id] = s.text;
        EXPECT_EQ(table[101], c.table101) << "code page " << c.codePage;
        EXPECT_EQ(table[102], c.table102) << "code page " << c.codePage;

        ASSERT_TRUE(text::setSystemCodePage(c.codePage));
        EXPECT_EQ(ui::loadString(101), "\xA5") << "code page " << c.codePage;
        EXPECT_EQ(ui::loadString(102), "\xC2\xA5") << "code page " << c.codePage;
        EXPECT_EQ(ui::loadString(4242), "");
    }
    text::setSystemCodePage(1252);
    // Code pages without a table of their own use the default one.
    EXPECT_EQ(ui::stringTable(437).data(), ui::stringTable(1252).data());
}

}  // namespace
