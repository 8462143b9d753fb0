// The headless dialog backend: what both backends do alike, and what only this one has: forms
// of the tests' own templates, the letters of each code page, one focus for the whole process,
// faults on a call to a control of another kind, and an abort without an observer.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/text/codepage.h"
#include "platform/ui/headless/headless_dialog.h"
#include "platform/ui/headless/headless_toolkit.h"
#include "platform/ui/toolkit.h"
#include "resources/resource.h"
#include "tests/support/dialog_behaviours.h"
#include "tests/support/recording_dialog.h"

namespace testing_support {

// Each test gets a toolkit of its own, so that no state leaks between tests.
struct Headless {
    ui::headless::HeadlessToolkit toolkit;
};
INSTANTIATE_TYPED_TEST_SUITE_P(Headless, DialogBehaviour, Headless);

}  // namespace testing_support

namespace {

using testing_support::at;
using testing_support::DialogBehaviour;
using testing_support::Lines;
using testing_support::RecordingProc;
using ui::ControlId;
using ui::headless::HeadlessDialog;

constexpr ui::DialogId kManualVoid = IDD_ISSMANUALVOIDTKT;
constexpr ui::DialogId kDamaged = IDD_ISSBSPDAMAGEDTKT;

class HeadlessTest : public DialogBehaviour<testing_support::Headless> {
  protected:
    ~HeadlessTest() override { text::setSystemCodePage(1252); }
    ui::headless::HeadlessToolkit& toolkit = backend.toolkit;
};

TEST_F(HeadlessTest, LettersOfTheCodePageAreUpperCased) {
    struct Case {
        unsigned codePage;
        const char* text;
        const char* expected;
    };
    const Case cases[] = {
        {1252, "\xE9\xFF\x9A", "\xC9\x9F\x8A"},          // e acute, y diaeresis, s caron
        {1252, "\xDF\xB5\xF7\xA5", "\xDF\xB5\xF7\xA5"},  // sharp s, micro, division, yen stay
        {1251, "\xE0\xFF\xB8\xB4", "\xC0\xDF\xA8\xA5"},  // Cyrillic a, ya, yo, ghe upturn
        {1250, "\xE9z", "\xE9Z"},                        // no table: ASCII letters only
    };
    for (const Case& c : cases)
        EXPECT_EQ(ui::headless::upperCase(c.text, c.codePage), c.expected) << c.codePage;
    // Typing and setting both follow the system code page.
    ASSERT_TRUE(text::setSystemCodePage(1251));
    ui::AgentDialog& d = open(kManualVoid);
    d.typeText(IDC_MANVOID_AIRLINE, "\xE0");
    d.setText(IDC_MANVOID_LOCATOR, "\xFF");
    EXPECT_EQ(d.text(IDC_MANVOID_AIRLINE) + d.text(IDC_MANVOID_LOCATOR), "\xC0\xDF");
}

// A form with a control of each kind, in the styles that decide what they tell.
constexpr std::uint32_t kShown = ui::style::kVisible | ui::style::kTabStop;
constexpr std::uint32_t kNotifyingButton = kShown | ui::style::kButtonNotify;
constexpr ui::ControlTemplate kEveryKind[] = {
    {30, ui::ControlKind::Edit, "", 0, 0, 9, 9, kShown, 0, ""},
    {31, ui::ControlKind::Combo, "", 0, 0, 9, 9, kShown, 0, ""},
    {32, ui::ControlKind::ListBox, "", 0, 0, 9, 9, kShown, 0, ""},
    {33, ui::ControlKind::Button, "", 0, 0, 9, 9, kShown, 0, ""},
    {34, ui::ControlKind::Button, "", 0, 0, 9, 9, kNotifyingButton, 0, ""},
    {35, ui::ControlKind::CheckBox, "", 0, 0, 9, 9, kNotifyingButton, 0, ""},
    {36, ui::ControlKind::Static, "", 0, 0, 9, 9, kShown, 0, ""},
    {37, ui::ControlKind::Static, "", 0, 0, 9, 9, kShown | ui::style::kStaticNotify, 0, ""},
    {38, ui::ControlKind::Radio, "", 0, 0, 9, 9, kShown, 0, ""},
};
constexpr ui::DialogTemplate kEveryKindForm{902, "", 50, 50, "", 8, kEveryKind};

TEST_F(HeadlessTest, ARadioGroupEndsAtTheNextGroupStart) {
    using ui::ControlKind;
    constexpr std::uint32_t kStarts = kShown | ui::style::kGroup;
    static constexpr ui::ControlTemplate controls[] = {
        {20, ControlKind::Radio, "A", 0, 0, 9, 9, kStarts, 0, ""},
        {21, ControlKind::Radio, "B", 0, 0, 9, 9, kShown, 0, ""},
        {22, ControlKind::Static, "", 0, 0, 9, 9, ui::style::kVisible | ui::style::kGroup, 0, ""},
        {23, ControlKind::Radio, "C", 0, 0, 9, 9, kShown, 0, ""},
        {24, ControlKind::Radio, "D", 0, 0, 9, 9, kStarts, 0, ""},
        {25, ControlKind::Radio, "E", 0, 0, 9, 9, kShown, 0, ""},
    };
    static constexpr ui::DialogTemplate form{901, "", 50, 50, "", 8, controls};
    auto d = toolkit.createFromTemplate(form, proc, nullptr);
    for (ControlId id : {20, 23, 24})
        d->setChecked(id, true);
    take();
    d->click(21);  // the group 20..21; a radio button without BS_NOTIFY tells no focus change
    EXPECT_EQ(take(), (Lines{"clicked 21"}));
    d->click(25);  // the group 24..25; 23 sits in the static's group
    std::vector<bool> checked;
    for (ControlId id : {20, 21, 23, 24, 25})
        checked.push_back(d->isChecked(id));
    EXPECT_EQ(checked, (std::vector<bool>{false, true, true, false, true}));
}

// As real windows do: edits and lists tell focus changes, buttons only with BS_NOTIFY, labels
// never; labels tell clicks only when they notify (SS_NOTIFY, a tooltip, a link).
TEST_F(HeadlessTest, ControlsTellFocusAndClicksAsTheirStylesSay) {
    auto d = toolkit.createFromTemplate(kEveryKindForm, proc, nullptr);
    take();
    struct Case {
        ControlId focus;
        Lines heard;  // leaving the last one, arriving here
    };
    const Case focusCases[] = {
        {30, {"setfocus 30"}},
        {31, {"killfocus 30", "setfocus 31"}},
        {32, {"killfocus 31", "setfocus 32"}},
        {33, {"killfocus 32"}},
        {34, {"setfocus 34"}},
        {35, {"killfocus 34", "setfocus 35"}},
        {36, {"killfocus 35"}},
        {30, {"setfocus 30"}},
    };
    for (const Case& c : focusCases) {
        d->setFocus(c.focus);
        EXPECT_EQ(take(), c.heard) << "focus to " << c.focus;
    }
    const Case clickCases[] = {{36, {}}, {37, {"clicked 37"}}};
    for (const Case& c : clickCases) {
        d->click(c.focus);
        EXPECT_EQ(take(), c.heard) << "click on " << c.focus;
    }
    d->setTooltip(36, "a label with a tooltip notifies");
    d->click(36);
    EXPECT_EQ(take(), Lines{"clicked 36"});
}

TEST_F(HeadlessTest, FocusIsOneForTheWholeProcess) {
    ui::AgentDialog& form = open(kManualVoid);
    RecordingProc other{log, "other"};
    owned.push_back(toolkit.createDialog(kDamaged, other, &form));
    HeadlessDialog& second = static_cast<HeadlessDialog&>(*owned.back());
    form.setFocus(IDC_MANVOID_AIRLINE);
    form.setFocus(IDC_MANVOID_AIRLINE);  // no change, no notification
    second.setFocus(IDC_DAMAGED_TICKET);
    EXPECT_EQ(take(), (Lines{"other init", at("setfocus #", IDC_MANVOID_AIRLINE),
                             at("killfocus #", IDC_MANVOID_AIRLINE),
                             at("other setfocus #", IDC_DAMAGED_TICKET)}));
    EXPECT_EQ(form.focus(), std::nullopt);
    EXPECT_EQ(second.focus(), IDC_DAMAGED_TICKET);
    owned.pop_back();  // destroying the focused dialog leaves no focus behind
    EXPECT_FALSE(toolkit.focus().has_value());
}

// A form with lists: a drop-down, a multiple-selection list and a single-selection one.
constexpr std::uint32_t kShownList = ui::style::kVisible | ui::style::kTabStop;
constexpr ui::ControlTemplate kListControls[] = {
    {10, ui::ControlKind::Combo, "", 0, 0, 50, 80, kShownList | ui::style::kGroup, 0, ""},
    {11, ui::ControlKind::ListBox, "", 0, 20, 50, 80, kShownList | ui::style::kListMultiple, 0, ""},
    {12, ui::ControlKind::ListBox, "", 0, 40, 50, 80, kShownList, 0, ""},
};
constexpr ui::DialogTemplate kListForm{900, "", 100, 100, "MS Shell Dlg", 8, kListControls};

TEST_F(HeadlessTest, MaskCallsOnListsTellNothingAndTheAgentPicksExactlyTheGivenPositions) {
    auto d = toolkit.createFromTemplate(kListForm, proc, nullptr);
    for (long code : {0L, 5L, 7L})
        d->addItem(10, "ENTRY " + std::to_string(code), code);
    for (long code : {1L, 2L, 3L})
        d->addItem(11, "FEE " + std::to_string(code), code);
    d->addItem(12, "ONE", 1);
    d->addItem(12, "TWO", 2);
    take();
    d->select(10, 1);
    EXPECT_EQ(d->itemData(10, d->selection(10)), 5);
    d->select(10, 9);  // out of range clears, as CB_SETCURSEL does
    EXPECT_EQ(d->selection(10), -1);
    EXPECT_EQ(d->itemText(10, -1), "");
    d->setSelected(11, 0, true);
    EXPECT_EQ(take(), Lines{}) << "mask calls send no notifications";
    EXPECT_EQ(d->selectCode(10, 7), "");
    EXPECT_EQ(take(), (Lines{"setfocus 10", "selchange 10"}));
    EXPECT_EQ(d->pick(11, {1, 2}), "");
    EXPECT_EQ((std::vector<bool>{d->isSelected(11, 0), d->isSelected(11, 1), d->isSelected(11, 2)}),
              (std::vector<bool>{false, true, true}));
    EXPECT_EQ(take(), (Lines{"killfocus 10", "setfocus 11", "selchange 11"}));
    EXPECT_EQ(d->pick(11, {}), "");
    EXPECT_EQ(d->selection(11), -1);
    EXPECT_EQ(d->pick(11, {3}), "no entry at position 3 in control 11");
    EXPECT_EQ(d->pick(12, {0, 1}), "control 12 allows only one selection");
    EXPECT_EQ(d->pick(10, {0}), "control 10 is not a list box");
    EXPECT_EQ(d->selectCode(11, 1), "control 11 is not a drop-down list");
}

TEST_F(HeadlessTest, PostingCannotOutliveTheDialogOrHangTheDispatch) {
    ui::AgentDialog& d = open(kManualVoid);
    proc.onPrivate = [&](unsigned m) { d.post(m); };
    d.post(3000);
    toolkit.dispatchPosted();
    EXPECT_EQ(toolkit.pendingPosted(), 1u) << "a message posted from its delivery waits";
    owned.clear();
    take();
    toolkit.dispatchPosted();
    EXPECT_TRUE(take().empty()) << "messages of a destroyed dialog are dropped";
}

TEST_F(HeadlessTest, ACallOnAControlOfAnotherKindIsAFaultAndChangesNothing) {
    auto d = toolkit.createFromTemplate(kEveryKindForm, proc, nullptr);
    d->addItem(31, "ONE", 1);
    d->addItem(32, "ONE", 1);
    using Call = std::function<void(HeadlessDialog&, ControlId)>;
    struct Case {
        const char* name;
        Call call;
        std::set<ControlId> takers;
    };
    const Case cases[] = {
        {"setChecked", [](auto& d, ControlId id) { d.setChecked(id, true); }, {35, 38}},
        {"isChecked", [](auto& d, ControlId id) { d.isChecked(id); }, {35, 38}},
        {"setLimit", [](auto& d, ControlId id) { d.setLimit(id, 3); }, {30}},
        {"setText",
         [](auto& d, ControlId id) { d.setText(id, "X"); },
         {30, 33, 34, 35, 36, 37, 38}},
        {"addItem", [](auto& d, ControlId id) { d.addItem(id, "TWO", 2); }, {31, 32}},
        {"itemCount", [](auto& d, ControlId id) { d.itemCount(id); }, {31, 32}},
        {"itemData", [](auto& d, ControlId id) { d.itemData(id, 0); }, {31, 32}},
        {"itemText", [](auto& d, ControlId id) { d.itemText(id, 0); }, {31, 32}},
        {"select", [](auto& d, ControlId id) { d.select(id, 0); }, {31, 32}},
        {"selection", [](auto& d, ControlId id) { d.selection(id); }, {31, 32}},
        {"setSelected", [](auto& d, ControlId id) { d.setSelected(id, 0, true); }, {31, 32}},
        {"isSelected", [](auto& d, ControlId id) { d.isSelected(id, 0); }, {31, 32}},
        {"clearList", [](auto& d, ControlId id) { d.clearList(id); }, {31, 32}},
        // Last: the statics it takes are links afterwards.
        {"makeLink", [](auto& d, ControlId id) { d.makeLink(id); }, {36, 37}},
    };
    auto faults = [&] {
        Lines found;
        for (const std::string& line : take()) {
            if (line.starts_with("fault "))
                found.push_back(line);
        }
        return found;
    };
    for (const Case& c : cases) {
        for (const ui::ControlTemplate& t : kEveryKind) {
            SCOPED_TRACE(std::string(c.name) + " on " + std::to_string(t.id));
            const std::vector<std::string> before = d->dump(t.id);
            c.call(*d, t.id);
            if (c.takers.contains(t.id)) {
                EXPECT_EQ(faults(), Lines{});
                continue;
            }
            EXPECT_EQ(faults(), Lines{std::string("fault ") + c.name + " on " +
                                      ui::headless::kindName(t.kind) + " control " +
                                      std::to_string(t.id) + " in dialog 902"});
            EXPECT_EQ(d->dump(t.id), before);
        }
    }
}

TEST_F(HeadlessTest, WithoutAnObserverAnUnknownControlAborts) {
    toolkit.setObserver(nullptr);
    ui::AgentDialog& d = open(kManualVoid);
    EXPECT_DEATH(d.enable(999, false), at("unknown control 999 in dialog #", kManualVoid));
}

TEST_F(HeadlessTest, TheToolkitKnowsItsLiveDialogsInCreationOrder) {
    RecordingProc a{log}, b{log}, c{log};
    ui::AgentDialog& first = open(kManualVoid, a, nullptr);
    ui::AgentDialog& second = open(IDD_CODER, b, nullptr);
    ui::AgentDialog& third = open(kManualVoid, c, nullptr);
    EXPECT_EQ(toolkit.liveDialogs(), (std::vector<ui::AgentDialog*>{&first, &second, &third}));
    EXPECT_EQ(toolkit.liveDialog(kManualVoid), &third);
    EXPECT_EQ(toolkit.liveDialog(IDD_ISSLOGTKT), nullptr);
    owned.pop_back();
    EXPECT_EQ(toolkit.liveDialog(kManualVoid), &first);
    EXPECT_FALSE(toolkit.createDialog(kDamaged, a, nullptr)->isWindowVisible())
        << "dialogs start hidden";
    first.runModal();  // without an input pump, a modal loop ends at once
    EXPECT_EQ(&ui::toolkit(), &ui::headless::headlessToolkit());
}

}  // namespace
