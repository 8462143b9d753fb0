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

const ControlTemplate* control(const DialogTemplate& t, ui::ControlId id) {
    auto it = std::find_if(t.controls.begin(), t.controls.end(),
                           [id](const ControlTemplate& c) { return c.id == id; });
    return it == t.controls.end() ? nullptr : &*it;
}

std::set<ui::ControlId> idsOfKind(const DialogTemplate& t, ControlKind kind) {
    std::set<ui::ControlId> ids;
    for (const ControlTemplate& c : t.controls) {
        if (c.kind == kind)
            ids.insert(c.id);
    }
    return ids;
}

TEST(ResourcesTest, TheManualVoidFormHoldsItsFieldsLabelsButtonsAndStatusLine) {
    const DialogTemplate& t = templateOf(119);
    EXPECT_EQ(idsOfKind(t, ControlKind::Edit),
              (std::set<ui::ControlId>{848, 855, 849, 857, 851, 838, 853, 840}));
    EXPECT_EQ(idsOfKind(t, ControlKind::Static),
              (std::set<ui::ControlId>{847, 856, 850, 858, 852, 839, 854, 841, 599}));
    EXPECT_EQ(idsOfKind(t, ControlKind::Button),
              (std::set<ui::ControlId>{842, 843, 844, 845, 846}));
    for (ui::ControlId edit : idsOfKind(t, ControlKind::Edit)) {
        EXPECT_TRUE(control(t, edit)->uppercase) << "edit " << edit;
        EXPECT_TRUE(control(t, edit)->tabStop) << "edit " << edit;
    }
}

TEST(ResourcesTest, EachLabelStandsBesideItsFieldInTableOrder) {
    struct Row {
        ui::ControlId label, edit;
    };
    const Row rows[] = {{847, 848}, {856, 855}, {850, 849}, {858, 857},
                        {852, 851}, {839, 838}, {854, 853}, {841, 840}};
    const DialogTemplate& t = templateOf(119);
    int previousY = -1;
    for (const Row& r : rows) {
        const ControlTemplate* label = control(t, r.label);
        const ControlTemplate* edit = control(t, r.edit);
        ASSERT_TRUE(label && edit) << r.label << "/" << r.edit;
        EXPECT_LE(label->x + label->width, edit->x) << "label " << r.label << " left of its edit";
        EXPECT_LT(label->y, edit->y + edit->height) << "label " << r.label << " on the row";
        EXPECT_GT(label->y + label->height, edit->y) << "label " << r.label << " on the row";
        EXPECT_GT(edit->y, previousY) << "edit " << r.edit << " below the previous row";
        previousY = edit->y;
    }
    const ControlTemplate* status = control(t, 599);
    for (ui::ControlId b : {842, 843, 844, 845, 846}) {
        EXPECT_GT(control(t, b)->y, previousY) << "button " << b << " below the fields";
        EXPECT_GT(status->y, control(t, b)->y) << "status line below button " << b;
    }
}

TEST(ResourcesTest, CommandButtonsCarryTheirTemplateCaptions) {
    struct Form {
        ui::DialogId id;
        ui::ControlId send;
    };
    const char* captions[] = {"Send", "Recall", "Clear", "Canel", "Help"};
    for (Form f : {Form{116, 820}, Form{119, 842}, Form{124, 870}}) {
        const DialogTemplate& t = templateOf(f.id);
        for (int i = 0; i < 5; ++i) {
            const ControlTemplate* b = control(t, f.send + i);
            ASSERT_NE(b, nullptr) << "form " << f.id << " button " << f.send + i;
            EXPECT_EQ(b->kind, ControlKind::Button);
            EXPECT_STREQ(b->text, captions[i]) << "form " << f.id << " button " << f.send + i;
        }
        ASSERT_NE(control(t, 599), nullptr) << "form " << f.id;
        EXPECT_EQ(control(t, 599)->kind, ControlKind::Static);
    }
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

TEST(ResourcesTest, TheFormsHoldTheirFields) {
    struct Form {
        ui::DialogId id;
        std::set<ui::ControlId> edits, labels;
    };
    const Form forms[] = {
        {116, {835, 841, 833, 842, 839, 831, 829}, {825, 837, 836, 832, 840, 830, 828, 599}},
        {124, {863, 864, 866, 868}, {859, 862, 865, 867, 869, 599}},
    };
    for (const Form& f : forms) {
        const DialogTemplate& t = templateOf(f.id);
        EXPECT_EQ(idsOfKind(t, ControlKind::Edit), f.edits) << "form " << f.id;
        EXPECT_EQ(idsOfKind(t, ControlKind::Static), f.labels) << "form " << f.id;
    }
}

TEST(ResourcesTest, TheChoosersHostTheirOutsideControls) {
    struct Chooser {
        ui::DialogId id;
        const char* caption;
        int width, height;
        ui::ControlId hosted;
        int x, y, w, h;
    };
    const Chooser choosers[] = {{202, "Coder", 300, 273, 122, 4, 4, 291, 263},
                                {204, "Month", 456, 130, 123, 0, 0, 456, 130}};
    for (const Chooser& c : choosers) {
        const DialogTemplate& t = templateOf(c.id);
        EXPECT_STREQ(t.caption, c.caption);
        EXPECT_EQ(std::vector<int>({t.width, t.height}), std::vector<int>({c.width, c.height}));
        ASSERT_EQ(t.controls.size(), 1u) << "dialog " << c.id;
        const ControlTemplate& h = t.controls[0];
        EXPECT_EQ(h.id, c.hosted);
        EXPECT_EQ(h.kind, ControlKind::Custom);
        EXPECT_STRNE(h.windowClass, "");
        EXPECT_EQ(std::vector<int>({h.x, h.y, h.width, h.height}),
                  std::vector<int>({c.x, c.y, c.w, c.h}))
            << "dialog " << c.id;
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
