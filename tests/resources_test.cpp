// What the forms and string tables of the module promise the code that uses them.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/text/codepage.h"
#include "platform/ui/dialog_template.h"
#include "platform/ui/string_table.h"
#include "resources/resource.h"

namespace {

using ui::ControlKind;
using ui::ControlTemplate;
using ui::DialogTemplate;

constexpr ui::DialogId kMaskForms[] = {IDD_ISSLOGTKT, IDD_ISSMANUALVOIDTKT, IDD_ISSBSPDAMAGEDTKT};

const DialogTemplate& templateOf(ui::DialogId id) {
    const DialogTemplate* t = ui::findTemplate(id);
    if (t == nullptr)
        throw std::runtime_error("no template " + std::to_string(id));
    return *t;
}

TEST(ResourcesTest, RadioGroupsStartWithTheirFirstButtonAndEndAtTheNextGroup) {
    const std::pair<ui::DialogId, std::vector<ui::ControlId>> groups[] = {
        {IDD_ISSLOGTKT, {IDC_LOGTKT_OPTAT, IDC_LOGTKT_ATB2, IDC_LOGTKT_TAT}},
        {IDD_ISSBSPDAMAGEDTKT, {IDC_DAMAGED_OPTAT, IDC_DAMAGED_ATB2}},
    };
    for (const auto& [form, radios] : groups) {
        SCOPED_TRACE("form " + std::to_string(form));
        const DialogTemplate& t = templateOf(form);
        EXPECT_EQ(std::ranges::count(t.controls, ControlKind::Radio, &ControlTemplate::kind),
                  std::ssize(radios));
        const auto first = std::ranges::find(t.controls, radios[0], &ControlTemplate::id);
        ASSERT_NE(first, t.controls.end());
        EXPECT_TRUE(first->group());
        for (std::size_t i = 1; i < radios.size(); ++i) {
            EXPECT_EQ(first[i].id, radios[i]) << "radios adjacent";
            EXPECT_EQ(first[i].kind, ControlKind::Radio);
            EXPECT_FALSE(first[i].group()) << "radio " << radios[i];
        }
        EXPECT_TRUE(first[radios.size()].group()) << "group ends";
    }
}

TEST(ResourcesTest, EveryMaskFormHasTheStatusLineAndFieldsThatCapitaliseAndTakeTheTab) {
    for (ui::DialogId form : kMaskForms) {
        SCOPED_TRACE("form " + std::to_string(form));
        int edits = 0, statusLines = 0;
        for (const ControlTemplate& c : templateOf(form).controls) {
            statusLines += c.id == IDC_STATUS_LINE && c.kind == ControlKind::Static;
            if (c.kind != ControlKind::Edit)
                continue;
            ++edits;
            EXPECT_TRUE(c.uppercase() && c.tabStop()) << "edit " << c.id;
        }
        EXPECT_GT(edits, 0);
        EXPECT_EQ(statusLines, 1);
    }
}

TEST(ResourcesTest, TheChoosersHostOnlyTheirOutsideControl) {
    for (auto [dialog, hosted] :
         {std::pair{IDD_CODER, IDC_ENCODER_CONTROL}, std::pair{IDD_MONTH, IDC_CALENDAR_CONTROL}}) {
        const DialogTemplate& t = templateOf(dialog);
        ASSERT_EQ(t.controls.size(), 1u) << "dialog " << dialog;
        EXPECT_EQ(t.controls[0].id, hosted);
        EXPECT_EQ(t.controls[0].kind, ControlKind::Custom);
        EXPECT_STRNE(t.controls[0].windowClass, "");
    }
    EXPECT_EQ(ui::findTemplate(4242), nullptr);
}

TEST(ResourcesTest, String101IsTheByteA5InEachCodePage) {
    for (unsigned codePage : {1252u, 1251u}) {
        ASSERT_TRUE(text::setSystemCodePage(codePage));
        EXPECT_EQ(ui::loadString(IDS_CONTINUATION_MARK), "\xA5") << "code page " << codePage;
        EXPECT_EQ(ui::loadString(IDS_CONTINUATION_MARK_UTF8), "\xC2\xA5")
            << "code page " << codePage;
        EXPECT_EQ(ui::loadString(4242), "");
    }
    text::setSystemCodePage(1252);
    // Code pages without a table of their own use the default one.
    EXPECT_EQ(ui::stringTable(437).data(), ui::stringTable(1252).data());
}

}  // namespace
