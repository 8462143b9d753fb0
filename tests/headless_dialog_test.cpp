// The headless dialog backend: controls built from the templates, agent input, focus, modal
// loops, posted messages, the stand-in outside controls and the dump lines.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text/codepage.h"
#include "platform/ui/headless/headless_dialog.h"
#include "platform/ui/headless/headless_toolkit.h"
#include "platform/ui/toolkit.h"
#include "resources/resource.h"
#include "tests/support/recording_dialog.h"

namespace {

using testing_support::RecordingObserver;
using testing_support::RecordingProc;
using ui::ControlId;
using ui::Key;
using ui::Notify;
using ui::headless::HeadlessDialog;
using ui::headless::HeadlessToolkit;

constexpr ui::DialogId kManualVoid = IDD_ISSMANUALVOIDTKT;
constexpr ui::DialogId kLogTicket = IDD_ISSLOGTKT;
constexpr ui::DialogId kDamaged = IDD_ISSBSPDAMAGEDTKT;

// The line with each '#' of format replaced by the number id.
std::string at(std::string_view format, int id) {
    std::string line;
    for (char c : format)
        line += c == '#' ? std::to_string(id) : std::string(1, c);
    return line;
}

// Each test gets a toolkit of its own, so that no state leaks between tests.
class HeadlessTest : public ::testing::Test {
  protected:
    HeadlessTest() { toolkit.setObserver(&observer); }
    ~HeadlessTest() override { text::setSystemCodePage(1252); }

    HeadlessDialog& open(ui::DialogId id, RecordingProc& proc, ui::Dialog* owner = nullptr) {
        owned.push_back(toolkit.createDialog(id, proc, owner));
        EXPECT_NE(owned.back(), nullptr) << "template " << id;
        return static_cast<HeadlessDialog&>(*owned.back());
    }
    // The log since the last call.
    std::vector<std::string> take() { return std::exchange(log, {}); }

    std::vector<std::string> log;
    RecordingObserver observer{log};
    HeadlessToolkit toolkit;
    RecordingProc proc{log};
    std::vector<std::unique_ptr<ui::Dialog>> owned;
};

using Lines = std::vector<std::string>;

// ---- edits ----

TEST_F(HeadlessTest, TypingUpperCasesCutsAtTheLimitAndAtTheFirstLineBreak) {
    struct Case {
        const char* typed;
        int limit;
        const char* expected;
    };
    const Case cases[] = {
        {"abcdef", 3, "ABC"},
        {"ab\ncd", 0, "AB"},
        {"ab\r\ncd", 0, "AB"},
        {"x1-y", 0, "X1-Y"},
    };
    HeadlessDialog& d = open(kManualVoid, proc);
    for (const Case& c : cases) {
        d.setLimit(IDC_MANVOID_CURRENCY, c.limit);
        take();
        EXPECT_EQ(d.typeText(IDC_MANVOID_CURRENCY, c.typed), "");
        EXPECT_EQ(d.text(IDC_MANVOID_CURRENCY), c.expected)
            << "typed \"" << c.typed << "\" limit " << c.limit;
        EXPECT_EQ(take().back(), at("changed #", IDC_MANVOID_CURRENCY))
            << "typed \"" << c.typed << "\"";
    }
}

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
    HeadlessDialog& d = open(kManualVoid, proc);
    d.typeText(IDC_MANVOID_AIRLINE, "\xE0");
    d.setText(IDC_MANVOID_LOCATOR, "\xFF");
    EXPECT_EQ(d.text(IDC_MANVOID_AIRLINE) + d.text(IDC_MANVOID_LOCATOR), "\xC0\xDF");
}

TEST_F(HeadlessTest, SetTextUpperCasesIgnoresTheLimitAndNotifiesAChange) {
    HeadlessDialog& d = open(kManualVoid, proc);
    d.setLimit(IDC_MANVOID_AIRLINE, 3);
    take();
    d.setText(IDC_MANVOID_AIRLINE, "abcdef");
    EXPECT_EQ(d.text(IDC_MANVOID_AIRLINE), "ABCDEF");
    EXPECT_EQ(take(), Lines{at("changed #", IDC_MANVOID_AIRLINE)});
    // Labels keep their case and send nothing.
    d.setText(IDC_MANVOID_AIRLINE_LABEL, "Airline");
    EXPECT_EQ(d.text(IDC_MANVOID_AIRLINE_LABEL), "Airline");
    EXPECT_TRUE(take().empty());
    // A NUL ends the text, as it ends a window's text.
    d.setText(IDC_MANVOID_AIRLINE, std::string("12") + '\0' + "3");
    d.setText(IDC_MANVOID_AIRLINE_LABEL, std::string("Air") + '\0' + "line");
    EXPECT_EQ(d.text(IDC_MANVOID_AIRLINE) + d.text(IDC_MANVOID_AIRLINE_LABEL), "12Air");
    // Text is read back through a 1024-byte buffer.
    d.setText(IDC_MANVOID_TICKET, std::string(5000, 'A'));
    EXPECT_EQ(d.text(IDC_MANVOID_TICKET).size(), 1023u);
}

// ---- clicks, radio groups ----

TEST_F(HeadlessTest, ARadioGroupEndsAtTheNextGroupStart) {
    using ui::ControlKind;
    constexpr std::uint32_t kShown = ui::style::kVisible | ui::style::kTabStop;
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
    using ui::ControlKind;
    constexpr std::uint32_t kShown = ui::style::kVisible | ui::style::kTabStop;
    constexpr std::uint32_t kNotifyingButton = kShown | ui::style::kButtonNotify;
    constexpr std::uint32_t kNotifyingLabel = kShown | ui::style::kStaticNotify;
    static constexpr ui::ControlTemplate controls[] = {
        {30, ControlKind::Edit, "", 0, 0, 9, 9, kShown, 0, ""},
        {31, ControlKind::Combo, "", 0, 0, 9, 9, kShown, 0, ""},
        {32, ControlKind::ListBox, "", 0, 0, 9, 9, kShown, 0, ""},
        {33, ControlKind::Button, "", 0, 0, 9, 9, kShown, 0, ""},
        {34, ControlKind::Button, "", 0, 0, 9, 9, kNotifyingButton, 0, ""},
        {35, ControlKind::CheckBox, "", 0, 0, 9, 9, kNotifyingButton, 0, ""},
        {36, ControlKind::Static, "", 0, 0, 9, 9, kShown, 0, ""},
        {37, ControlKind::Static, "", 0, 0, 9, 9, kNotifyingLabel, 0, ""},
    };
    static constexpr ui::DialogTemplate form{902, "", 50, 50, "", 8, controls};
    auto d = toolkit.createFromTemplate(form, proc, nullptr);
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

TEST_F(HeadlessTest, ClicksDependOnTheKindAndStateOfTheControl) {
    HeadlessDialog& d = open(kLogTicket, proc);
    d.click(IDC_LOGTKT_SPLIT);
    d.click(IDC_LOGTKT_SPLIT);
    EXPECT_FALSE(d.isChecked(IDC_LOGTKT_SPLIT)) << "a check box toggles";
    d.enable(IDC_LOGTKT_SPLIT, false);
    d.show(IDC_LOGTKT_SEND, false);
    d.makeLink(IDC_LOGTKT_TYPE_LABEL);
    take();
    EXPECT_EQ(d.click(IDC_LOGTKT_SPLIT), "");
    EXPECT_EQ(d.click(IDC_LOGTKT_SEND), "");
    d.click(IDC_LOGTKT_SPLIT_LABEL);  // a plain label
    EXPECT_FALSE(d.isChecked(IDC_LOGTKT_SPLIT));
    EXPECT_TRUE(take().empty()) << "disabled, hidden and plain labels send nothing";
    d.click(IDC_LOGTKT_TYPE_LABEL);
    EXPECT_EQ(take(), Lines{at("clicked #", IDC_LOGTKT_TYPE_LABEL)})
        << "links notify and take the focus without a word";
    EXPECT_EQ(d.focus(), IDC_LOGTKT_TYPE_LABEL);
    EXPECT_EQ(d.doubleClick(IDC_LOGTKT_LNIATA), "");
    EXPECT_EQ(take(),
              (Lines{at("setfocus #", IDC_LOGTKT_LNIATA), at("dblclicked #", IDC_LOGTKT_LNIATA)}));
    EXPECT_EQ(d.doubleClick(IDC_LOGTKT_SEND), at("control # is not an edit", IDC_LOGTKT_SEND));
    // A disabled dialog takes no input at all.
    d.enableWindow(false);
    EXPECT_EQ(d.typeText(IDC_LOGTKT_LNIATA, "abc"), "");
    EXPECT_EQ(d.text(IDC_LOGTKT_LNIATA), "");
    EXPECT_TRUE(take().empty());
}

// ---- keys and focus ----

// A key the dialog's code consumes goes no further.
TEST_F(HeadlessTest, KeysMoveTheFocusThenGoToTheOwnerThenToTheControl) {
    struct Case {
        ControlId control;
        Key key;
        Lines expected;
        std::set<Key> consumed = {};
    };
    constexpr ControlId kField = IDC_MANVOID_AIRLINE;
    constexpr ControlId kLink = IDC_MANVOID_CURRENCY_LINK;
    constexpr ControlId kSend = IDC_MANVOID_SEND;
    const Case cases[] = {
        {kField,
         Key::F1,
         {at("setfocus #", kField), at("pre # f1", kField), at("key # f1", kField)}},
        {kField, Key::Enter, {at("pre # enter", kField)}},
        {kField, Key::AltUp, {at("pre # alt+up", kField)}},
        {kLink,
         Key::Enter,
         {at("killfocus #", kField), at("pre # enter", kLink), at("key # enter", kLink)}},
        {kLink, Key::Space, {at("pre # space", kLink), at("key # space", kLink)}},
        {kLink, Key::F1, {at("pre # f1", kLink)}},
        {kSend, Key::Space, {at("pre # space", kSend), at("clicked #", kSend)}},
        {kSend, Key::Space, {at("pre # space", kSend)}, {Key::Space}},
        {kField, Key::Tab, {at("setfocus #", kField), at("pre # tab", kField)}, {Key::Tab}},
    };
    HeadlessDialog& d = open(kManualVoid, proc);
    d.makeLink(IDC_MANVOID_CURRENCY_LINK);
    take();
    for (const Case& c : cases) {
        proc.consumed = c.consumed;
        EXPECT_EQ(d.key(c.control, c.key), "");
        EXPECT_EQ(take(), c.expected)
            << "key " << testing_support::keyName(c.key) << " on " << c.control;
    }
}

TEST_F(HeadlessTest, TabSkipsLabelsAndDisabledControlsAndWrapsAround) {
    HeadlessDialog& d = open(kManualVoid, proc);
    d.enable(IDC_MANVOID_TICKET, false);
    d.key(IDC_MANVOID_AIRLINE, Key::Tab);
    EXPECT_EQ(d.focus(), IDC_MANVOID_CURRENCY)
        << "skips the currency link label and the disabled ticket number";
    d.key(IDC_MANVOID_HELP, Key::Tab);
    EXPECT_EQ(d.focus(), IDC_MANVOID_AIRLINE) << "from Help back to the first field";
}

TEST_F(HeadlessTest, FocusIsOneForTheWholeProcess) {
    HeadlessDialog& form = open(kManualVoid, proc);
    RecordingProc other{log, "other"};
    HeadlessDialog& second = open(kDamaged, other, &form);
    form.setFocus(IDC_MANVOID_AIRLINE);
    form.setFocus(IDC_MANVOID_AIRLINE);  // no change, no notification
    second.setFocus(IDC_DAMAGED_TICKET);
    EXPECT_EQ(take(), (Lines{"init", "other init", at("setfocus #", IDC_MANVOID_AIRLINE),
                             at("killfocus #", IDC_MANVOID_AIRLINE),
                             at("other setfocus #", IDC_DAMAGED_TICKET)}));
    EXPECT_EQ(form.focus(), std::nullopt);
    EXPECT_EQ(second.focus(), IDC_DAMAGED_TICKET);
    owned.pop_back();  // destroying the focused dialog leaves no focus behind
    EXPECT_FALSE(toolkit.focus().has_value());
}

// ---- lists ----

// A form with lists, as the larger masks have.
constexpr std::uint32_t kShownList = ui::style::kVisible | ui::style::kTabStop;
constexpr ui::ControlTemplate kListControls[] = {
    {10, ui::ControlKind::Combo, "", 0, 0, 50, 80, kShownList | ui::style::kGroup, 0, ""},
    {11, ui::ControlKind::ListBox, "", 0, 20, 50, 80, kShownList | ui::style::kListMultiple, 0, ""},
    {12, ui::ControlKind::ListBox, "", 0, 40, 50, 80, kShownList, 0, ""},
};
constexpr ui::DialogTemplate kListForm{900, "", 100, 100, "MS Shell Dlg", 8, kListControls};

class ListTest : public HeadlessTest {
  protected:
    ListTest() {
        for (long code : {0L, 5L, 7L})
            d.addItem(10, "ENTRY " + std::to_string(code), code);
        for (long code : {1L, 2L, 3L})
            d.addItem(11, "FEE " + std::to_string(code), code);
        d.addItem(12, "ONE", 1);
        d.addItem(12, "TWO", 2);
        take();
    }
    std::unique_ptr<HeadlessDialog> list = toolkit.createFromTemplate(kListForm, proc, nullptr);
    HeadlessDialog& d = *list;
};

TEST_F(ListTest, TheAgentSelectsADropDownEntryByItsCode) {
    EXPECT_EQ(d.selectCode(10, 7), "");
    EXPECT_EQ(d.selection(10), 2);
    EXPECT_EQ(d.text(10), "ENTRY 7");
    EXPECT_EQ(take(), (Lines{"setfocus 10", "selchange 10"}));
    EXPECT_EQ(d.selectCode(10, 6), "no entry with code 6 in control 10");
    EXPECT_EQ(d.selection(10), 2);
    EXPECT_TRUE(take().empty());
}

TEST_F(ListTest, MaskSelectionCallsBehaveAsTheListMessages) {
    d.select(10, 1);
    EXPECT_EQ(d.itemData(10, d.selection(10)), 5);
    d.select(10, 9);  // out of range clears, as CB_SETCURSEL does
    EXPECT_EQ(d.selection(10), -1);
    EXPECT_EQ(d.itemData(10, 3), -1);
    EXPECT_EQ(d.itemText(10, -1), "");
    d.clearList(10);
    EXPECT_EQ(d.itemCount(10), 0);
    EXPECT_TRUE(take().empty()) << "mask calls send no notifications";
}

TEST_F(ListTest, PickSelectsExactlyTheGivenPositions) {
    d.setSelected(11, 0, true);
    EXPECT_EQ(d.pick(11, {1, 2}), "");
    EXPECT_EQ((std::vector<bool>{d.isSelected(11, 0), d.isSelected(11, 1), d.isSelected(11, 2)}),
              (std::vector<bool>{false, true, true}));
    EXPECT_EQ(take(), (Lines{"setfocus 11", "selchange 11"}));
    EXPECT_EQ(d.pick(11, {}), "");
    EXPECT_EQ(d.selection(11), -1);
    EXPECT_EQ(d.pick(11, {3}), "no entry at position 3 in control 11");
    EXPECT_EQ(d.pick(12, {0, 1}), "control 12 allows only one selection");
    EXPECT_EQ(d.pick(10, {0}), "control 10 is not a list box");
    EXPECT_EQ(d.selectCode(11, 1), "control 11 is not a drop-down list");
}

// ---- modal loops and posted messages ----

TEST_F(HeadlessTest, AModalLoopDisablesItsOwnerUnlessTheOwnersCodeDidSo) {
    HeadlessDialog& form = open(kManualVoid, proc);
    RecordingProc sub{log, "sub"};
    HeadlessDialog& d = open(kDamaged, sub, &form);
    int pumped = 0;
    toolkit.setInputPump([&] {
        EXPECT_FALSE(form.isWindowEnabled()) << "the owner is disabled while the loop runs";
        return ++pumped < 3;
    });
    d.runModal();
    EXPECT_EQ(pumped, 3) << "the loop ends when the input ends";
    EXPECT_TRUE(form.isWindowEnabled()) << "and the owner is enabled again afterwards";

    form.enableWindow(false);
    toolkit.setInputPump({});
    d.runModal();
    EXPECT_FALSE(form.isWindowEnabled()) << "an owner its own code disabled stays so";
}

TEST_F(HeadlessTest, EndModalEndsOnlyTheInnermostLoop) {
    HeadlessDialog& outer = open(kManualVoid, proc);
    RecordingProc innerProc{log, "inner"};
    HeadlessDialog& inner = open(kDamaged, innerProc);
    // The script: open the inner loop, end it, end the outer one, then more input follows.
    std::vector<std::function<void()>> script = {
        [&] { inner.runModal(); },
        [&] { inner.endModal(); },
        [&] { outer.endModal(); },
        [&] { ADD_FAILURE() << "input read after both loops ended"; },
    };
    std::size_t next = 0;
    toolkit.setInputPump([&] {
        if (next == script.size())
            return false;
        script[next++]();
        return true;
    });
    outer.runModal();
    EXPECT_EQ(next, 3u);
    // A second run of the same dialog starts afresh.
    script = {[&] { outer.endModal(); }};
    next = 0;
    outer.runModal();
    EXPECT_EQ(next, 1u);
}

TEST_F(HeadlessTest, ADialogDestroyedInsideItsOwnLoopEndsTheLoop) {
    open(kManualVoid, proc);
    toolkit.setInputPump([&] {
        owned.clear();
        return true;
    });
    static_cast<HeadlessDialog&>(*owned.front()).runModal();
    EXPECT_TRUE(toolkit.dialogs().empty());
}

TEST_F(HeadlessTest, PostedMessagesAreToldAtOnceAndDeliveredOnDispatchInTheirRange) {
    HeadlessDialog& d = open(kManualVoid, proc);
    take();
    d.post(3014);
    d.post(3076);
    d.post(2999);
    d.post(4000);
    EXPECT_EQ(take(),
              (Lines{"posted 3014", "posted 3076",
                     at("fault private message 2999 out of range in dialog #", kManualVoid),
                     at("fault private message 4000 out of range in dialog #", kManualVoid)}));
    toolkit.dispatchPosted();
    EXPECT_EQ(take(), (Lines{"private 3014", "private 3076"}));
    toolkit.dispatchPosted();
    EXPECT_TRUE(take().empty());
    // Inside a modal loop they are dispatched between inputs.
    int step = 0;
    toolkit.setInputPump([&] {
        if (step++ == 0)
            d.post(3075);
        return step < 2;
    });
    d.runModal();
    EXPECT_EQ(take(), (Lines{"posted 3075", "private 3075"}));
}

TEST_F(HeadlessTest, PostingCannotOutliveTheDialogOrHangTheDispatch) {
    HeadlessDialog& d = open(kManualVoid, proc);
    proc.onPrivate = [&](unsigned m) { d.post(m); };
    d.post(3000);
    toolkit.dispatchPosted();
    EXPECT_EQ(toolkit.pendingPosted(), 1u) << "a message posted from its delivery waits";
    owned.clear();
    take();
    toolkit.dispatchPosted();
    EXPECT_TRUE(take().empty()) << "messages of a destroyed dialog are dropped";
}

TEST_F(HeadlessTest, AnUnknownControlIsAFaultForMasksAndAnErrorForTheAgent) {
    HeadlessDialog& d = open(kManualVoid, proc);
    take();
    EXPECT_EQ(d.text(999), "");
    d.setText(999, "x");
    EXPECT_FALSE(d.isChecked(998));
    EXPECT_EQ(take(), (Lines{at("fault unknown control 999 in dialog #", kManualVoid),
                             at("fault unknown control 999 in dialog #", kManualVoid),
                             at("fault unknown control 998 in dialog #", kManualVoid)}));
    EXPECT_EQ(d.typeText(999, "x"), at("unknown control 999 in dialog #", kManualVoid));
    EXPECT_EQ(d.click(999), at("unknown control 999 in dialog #", kManualVoid));
    EXPECT_EQ(d.key(999, Key::Enter), at("unknown control 999 in dialog #", kManualVoid));
    EXPECT_TRUE(take().empty()) << "agent errors are not faults";
    EXPECT_FALSE(d.hasControl(ui::kUnnamed));
}

// One control of each kind that some calls of the masks are restricted to.
constexpr std::uint32_t kPlain = ui::style::kVisible;
constexpr ui::ControlTemplate kKindControls[] = {
    {30, ui::ControlKind::Edit, "", 0, 0, 9, 9, kPlain, 0, ""},
    {31, ui::ControlKind::CheckBox, "", 0, 0, 9, 9, kPlain, 0, ""},
    {32, ui::ControlKind::Radio, "", 0, 0, 9, 9, kPlain, 0, ""},
    {33, ui::ControlKind::Combo, "", 0, 0, 9, 9, kPlain, 0, ""},
    {34, ui::ControlKind::ListBox, "", 0, 0, 9, 9, kPlain, 0, ""},
    {35, ui::ControlKind::Static, "", 0, 0, 9, 9, kPlain, 0, ""},
    {36, ui::ControlKind::Button, "", 0, 0, 9, 9, kPlain, 0, ""},
};
constexpr ui::DialogTemplate kKindForm{902, "", 50, 50, "", 8, kKindControls};

TEST_F(HeadlessTest, ACallOnAControlOfAnotherKindIsAFaultAndChangesNothing) {
    auto d = toolkit.createFromTemplate(kKindForm, proc, nullptr);
    d->addItem(33, "ONE", 1);
    d->addItem(34, "ONE", 1);
    using Call = std::function<void(HeadlessDialog&, ControlId)>;
    struct Case {
        const char* name;
        Call call;
        std::set<ControlId> takers;
    };
    const Case cases[] = {
        {"setChecked", [](HeadlessDialog& d, ControlId id) { d.setChecked(id, true); }, {31, 32}},
        {"isChecked", [](HeadlessDialog& d, ControlId id) { d.isChecked(id); }, {31, 32}},
        {"setLimit", [](HeadlessDialog& d, ControlId id) { d.setLimit(id, 3); }, {30}},
        {"setText",
         [](HeadlessDialog& d, ControlId id) { d.setText(id, "X"); },
         {30, 31, 32, 35, 36}},
        {"addItem", [](HeadlessDialog& d, ControlId id) { d.addItem(id, "TWO", 2); }, {33, 34}},
        {"itemCount", [](HeadlessDialog& d, ControlId id) { d.itemCount(id); }, {33, 34}},
        {"itemData", [](HeadlessDialog& d, ControlId id) { d.itemData(id, 0); }, {33, 34}},
        {"itemText", [](HeadlessDialog& d, ControlId id) { d.itemText(id, 0); }, {33, 34}},
        {"select", [](HeadlessDialog& d, ControlId id) { d.select(id, 0); }, {33, 34}},
        {"selection", [](HeadlessDialog& d, ControlId id) { d.selection(id); }, {33, 34}},
        {"setSelected",
         [](HeadlessDialog& d, ControlId id) { d.setSelected(id, 0, true); },
         {33, 34}},
        {"isSelected", [](HeadlessDialog& d, ControlId id) { d.isSelected(id, 0); }, {33, 34}},
        {"clearList", [](HeadlessDialog& d, ControlId id) { d.clearList(id); }, {33, 34}},
        // Last: the static it takes is a link afterwards.
        {"makeLink", [](HeadlessDialog& d, ControlId id) { d.makeLink(id); }, {35}},
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
        for (const ui::ControlTemplate& t : kKindControls) {
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
    HeadlessDialog& d = open(kManualVoid, proc);
    EXPECT_DEATH(d.enable(999, false), at("unknown control 999 in dialog #", kManualVoid));
}

TEST_F(HeadlessTest, TheToolkitKnowsItsLiveDialogsInCreationOrder) {
    RecordingProc a{log}, b{log}, c{log};
    HeadlessDialog& first = open(kManualVoid, a);
    HeadlessDialog& second = open(IDD_CODER, b);
    HeadlessDialog& third = open(kManualVoid, c);
    EXPECT_EQ(toolkit.dialogs(), (std::vector<HeadlessDialog*>{&first, &second, &third}));
    EXPECT_EQ(toolkit.findDialog(kManualVoid), &third);
    EXPECT_EQ(toolkit.findDialog(kLogTicket), nullptr);
    EXPECT_EQ(toolkit.createDialog(4242, a, nullptr), nullptr);
    owned.pop_back();
    EXPECT_EQ(toolkit.findDialog(kManualVoid), &first);
    EXPECT_FALSE(first.isWindowVisible()) << "dialogs start hidden";
    EXPECT_EQ(&ui::toolkit(), &ui::headless::headlessToolkit());
}

}  // namespace
