// What both dialog backends do alike, as one typed suite: each backend's test instantiates it
// with a Backend whose member `toolkit` is its ui::Toolkit and ui::AgentDesk.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/ui/agent.h"
#include "resources/resource.h"
#include "tests/support/recording_dialog.h"

namespace testing_support {

using Lines = std::vector<std::string>;

// The line with each '#' of format replaced by the number id.
inline std::string at(std::string_view format, int id) {
    std::string line;
    for (char c : format)
        line += c == '#' ? std::to_string(id) : std::string(1, c);
    return line;
}

template <class Backend>
class DialogBehaviour : public ::testing::Test {
  protected:
    DialogBehaviour() { backend.toolkit.setObserver(&observer); }
    ~DialogBehaviour() override {
        owned.clear();
        backend.toolkit.setInputPump({});
        backend.toolkit.setObserver(nullptr);
    }

    // The form of a template, shown, with what it told so far taken.
    ui::AgentDialog& open(ui::DialogId id, ui::DialogProc& owner, ui::Dialog* ownerDialog) {
        owned.push_back(backend.toolkit.createDialog(id, owner, ownerDialog));
        EXPECT_NE(owned.back(), nullptr) << "template " << id;
        auto& dialog = dynamic_cast<ui::AgentDialog&>(*owned.back());
        dialog.showWindow(true);
        take();
        return dialog;
    }
    ui::AgentDialog& open(ui::DialogId id) { return open(id, proc, nullptr); }
    // The log since the last call.
    Lines take() { return std::exchange(log, {}); }

    Backend backend;
    Lines log;
    RecordingObserver observer{log};
    RecordingProc proc{log};
    std::vector<std::unique_ptr<ui::Dialog>> owned;
};

TYPED_TEST_SUITE_P(DialogBehaviour);

TYPED_TEST_P(DialogBehaviour, EditsUpperCaseEveryTextAndLimitOnlyWhatIsTyped) {
    struct Case {
        const char* what;
        int limit;
        bool typed;
        std::string text, shown;
    };
    const Case cases[] = {
        {"the limit cuts typing", 3, true, "abcdef", "ABC"},
        {"but not a text the mask sets", 3, false, "abcdef", "ABCDEF"},
        {"typing ends at a line feed", 0, true, "ab\ncd", "AB"},
        {"digits and signs", 0, true, "x1-y", "X1-Y"},
        {"typing ends at a line break", 0, true, "ab\r\ncd", "AB"},
        {"a NUL ends a text", 0, false, std::string("12") + '\0' + "3", "12"},
        {"letters of the code page", 5, true, "\xE9t\xE9", "\xC9T\xC9"},
    };
    ui::AgentDialog& d = this->open(IDD_ISSBSPDAMAGEDTKT);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        d.setLimit(IDC_DAMAGED_SCN, c.limit);
        if (c.typed) {
            EXPECT_EQ(d.typeText(IDC_DAMAGED_SCN, c.text), "");
        } else {
            d.setText(IDC_DAMAGED_SCN, c.text);
        }
        EXPECT_EQ(d.text(IDC_DAMAGED_SCN), c.shown);
        const Lines heard = this->take();
        EXPECT_EQ(std::count(heard.begin(), heard.end(), at("changed #", IDC_DAMAGED_SCN)), 1);
        if (!c.typed) {
            EXPECT_EQ(heard.size(), 1u) << "a text the mask sets tells nothing else";
        }
    }
    EXPECT_EQ(d.dump(IDC_DAMAGED_SCN)[3], "limit 5");
    // Labels keep their case, a NUL ends their text too, and they tell nothing.
    d.setText(IDC_DAMAGED_SCN_LABEL, std::string("Stock") + '\0' + "control");
    EXPECT_EQ(d.text(IDC_DAMAGED_SCN_LABEL), "Stock");
    EXPECT_EQ(this->take(), Lines{});
    // Text is read back through a 1024-byte buffer.
    d.setText(IDC_DAMAGED_TICKET, std::string(5000, 'A'));
    EXPECT_EQ(d.text(IDC_DAMAGED_TICKET).size(), 1023u);
}

TYPED_TEST_P(DialogBehaviour, ClicksDependOnTheKindAndStateOfTheControl) {
    ui::AgentDialog& damaged = this->open(IDD_ISSBSPDAMAGEDTKT);
    damaged.setChecked(IDC_DAMAGED_OPTAT, true);
    EXPECT_EQ(damaged.click(IDC_DAMAGED_ATB2), "");
    EXPECT_FALSE(damaged.isChecked(IDC_DAMAGED_OPTAT)) << "a radio button moves the check";
    EXPECT_TRUE(damaged.isChecked(IDC_DAMAGED_ATB2));
    EXPECT_EQ(this->take(), Lines{at("clicked #", IDC_DAMAGED_ATB2)});

    ui::AgentDialog& d = this->open(IDD_ISSLOGTKT);
    for (bool checked : {true, false}) {
        d.click(IDC_LOGTKT_SPLIT);
        EXPECT_EQ(d.isChecked(IDC_LOGTKT_SPLIT), checked) << "a check box toggles";
    }
    d.enable(IDC_LOGTKT_SPLIT, false);
    d.show(IDC_LOGTKT_SEND, false);
    d.makeLink(IDC_LOGTKT_TYPE_LABEL);
    this->take();
    EXPECT_EQ(d.click(IDC_LOGTKT_SPLIT), "");
    EXPECT_EQ(d.click(IDC_LOGTKT_SEND), "");
    d.click(IDC_LOGTKT_SPLIT_LABEL);  // a plain label
    EXPECT_FALSE(d.isChecked(IDC_LOGTKT_SPLIT));
    EXPECT_EQ(this->take(), Lines{}) << "disabled, hidden and plain labels send nothing";
    d.click(IDC_LOGTKT_TYPE_LABEL);
    EXPECT_EQ(this->take(), Lines{at("clicked #", IDC_LOGTKT_TYPE_LABEL)})
        << "links notify and take the focus without a word";
    EXPECT_EQ(d.focus(), IDC_LOGTKT_TYPE_LABEL);
    EXPECT_EQ(d.doubleClick(IDC_LOGTKT_LNIATA), "");
    EXPECT_EQ(this->take(),
              (Lines{at("setfocus #", IDC_LOGTKT_LNIATA), at("dblclicked #", IDC_LOGTKT_LNIATA)}));
    EXPECT_EQ(d.doubleClick(IDC_LOGTKT_SEND), at("control # is not an edit", IDC_LOGTKT_SEND));
    // A disabled dialog takes no input at all.
    d.enableWindow(false);
    EXPECT_EQ(d.typeText(IDC_LOGTKT_LNIATA, "abc"), "");
    EXPECT_EQ(d.text(IDC_LOGTKT_LNIATA), "");
    EXPECT_EQ(this->take(), Lines{});
}

// A key goes to the owner first, then to the control; a key the owner consumes goes no further.
// Tab skips labels and disabled controls, and wraps around.
TYPED_TEST_P(DialogBehaviour, KeysGoToTheOwnerThenToTheControl) {
    using ui::Key;
    struct Case {
        ui::ControlId control;
        Key key;
        Lines expected;
        std::set<Key> consumed = {};
    };
    constexpr ui::ControlId kField = IDC_MANVOID_AIRLINE;
    constexpr ui::ControlId kLink = IDC_MANVOID_CURRENCY_LINK;
    constexpr ui::ControlId kSend = IDC_MANVOID_SEND;
    constexpr ui::ControlId kNext = IDC_MANVOID_CURRENCY;
    constexpr ui::ControlId kLast = IDC_MANVOID_HELP;
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
        {kField,
         Key::Tab,
         {at("pre # tab", kField), at("killfocus #", kField), at("setfocus #", kNext)}},
        {kLast,
         Key::Tab,
         {at("killfocus #", kNext), at("pre # tab", kLast), at("setfocus #", kField)}},
    };
    ui::AgentDialog& d = this->open(IDD_ISSMANUALVOIDTKT);
    d.makeLink(kLink);
    EXPECT_EQ(d.kind(kLink), ui::ControlKind::Link);
    d.enable(IDC_MANVOID_TICKET, false);
    d.setFocus(kSend);
    this->take();
    for (const Case& c : cases) {
        this->proc.consumed = c.consumed;
        EXPECT_EQ(d.key(c.control, c.key), "");
        EXPECT_EQ(this->take(), c.expected) << "key " << keyName(c.key) << " on " << c.control;
    }
}

TYPED_TEST_P(DialogBehaviour, ListsKeepItemDataAndTellSelectionChanges) {
    ui::AgentDialog& d = this->open(IDD_TICKETINGISSUANCE);
    EXPECT_EQ(d.addItem(IDC_ISS_FOP1, "Cash", 10), 0);
    EXPECT_EQ(d.addItem(IDC_ISS_FOP1, "Card", 20), 1);
    EXPECT_EQ(d.itemData(IDC_ISS_FOP1, 1), 20);
    EXPECT_EQ(d.itemData(IDC_ISS_FOP1, 2), -1);
    EXPECT_EQ(d.selectCode(IDC_ISS_FOP1, 20), "");
    EXPECT_EQ(d.selection(IDC_ISS_FOP1), 1);
    EXPECT_EQ(d.text(IDC_ISS_FOP1), "Card");
    EXPECT_EQ(this->take().back(), at("selchange #", IDC_ISS_FOP1));
    EXPECT_EQ(d.selectCode(IDC_ISS_FOP1, 30),
              at("no entry with code 30 in control #", IDC_ISS_FOP1));
    EXPECT_EQ(d.selection(IDC_ISS_FOP1), 1);
    EXPECT_EQ(this->take(), Lines{});

    for (int i = 0; i < 3; ++i)
        d.addItem(IDC_ISS_FEEBASE_LIST, at("fee #", i), 100 + i);
    EXPECT_EQ(d.pick(IDC_ISS_FEEBASE_LIST, {0, 2}), "");
    EXPECT_EQ(this->take().back(), at("selchange #", IDC_ISS_FEEBASE_LIST));
    const Lines dumped = d.dump(IDC_ISS_FEEBASE_LIST);
    EXPECT_EQ(Lines(dumped.end() - 3, dumped.end()),
              (Lines{"item 100 1 fee 0", "item 101 0 fee 1", "item 102 1 fee 2"}));
    d.clearList(IDC_ISS_FEEBASE_LIST);
    EXPECT_EQ(d.itemCount(IDC_ISS_FEEBASE_LIST), 0);
}

TYPED_TEST_P(DialogBehaviour, PostedMessagesAreToldAtOnceAndDeliveredOnDispatchInTheirRange) {
    constexpr ui::DialogId kForm = IDD_ISSMANUALVOIDTKT;
    ui::AgentDialog& d = this->open(kForm);
    for (unsigned message : {3014u, 3076u, 2999u, 4000u})
        d.post(message);
    EXPECT_EQ(this->take(),
              (Lines{"posted 3014", "posted 3076",
                     at("fault private message 2999 out of range in dialog #", kForm),
                     at("fault private message 4000 out of range in dialog #", kForm)}));
    this->backend.toolkit.dispatchPosted();
    EXPECT_EQ(this->take(), (Lines{"private 3014", "private 3076"}));
    this->backend.toolkit.dispatchPosted();
    EXPECT_EQ(this->take(), Lines{});
    // Inside a modal loop they are dispatched between inputs.
    int step = 0;
    this->backend.toolkit.setInputPump([&] {
        if (step++ == 0)
            d.post(3075);
        return step < 2;
    });
    d.runModal();
    EXPECT_EQ(this->take(), (Lines{"posted 3075", "private 3075"}));
}

// A modal loop disables its owner while it runs, unless the owner's code did so, and ends
// when the input ends, when endModal is called or when its dialog is destroyed.
TYPED_TEST_P(DialogBehaviour, AModalLoopDisablesItsOwnerUnlessTheOwnersCodeDidSo) {
    ui::AgentDialog& owner = this->open(IDD_ISSBSPDAMAGEDTKT);
    RecordingProc modalProc{this->log, "modal"};
    ui::AgentDialog& modal = this->open(IDD_CODER, modalProc, &owner);
    auto& toolkit = this->backend.toolkit;
    int pumped = 0;
    toolkit.setInputPump([&] {
        EXPECT_FALSE(owner.isWindowEnabled()) << "the owner is disabled while the loop runs";
        return ++pumped < 3;
    });
    modal.runModal();
    EXPECT_EQ(pumped, 3) << "the loop ends when the input ends";
    EXPECT_TRUE(owner.isWindowEnabled()) << "and the owner is enabled again afterwards";
    pumped = 0;
    toolkit.setInputPump([&] {
        if (++pumped == 2)
            modal.endModal();
        return true;
    });
    modal.runModal();
    EXPECT_EQ(pumped, 2) << "endModal ends it";

    owner.enableWindow(false);
    toolkit.setInputPump([] { return false; });
    modal.runModal();
    EXPECT_FALSE(owner.isWindowEnabled()) << "an owner its own code disabled stays so";

    // The loop outlives its owner, which it then leaves alone, and ends with its own dialog.
    owner.enableWindow(true);
    toolkit.setInputPump([&] {
        this->owned.erase(this->owned.begin());
        modal.endModal();
        return true;
    });
    modal.runModal();
    EXPECT_EQ(toolkit.liveDialogs(), std::vector<ui::AgentDialog*>{&modal});
    toolkit.setInputPump([&] {
        this->owned.clear();
        return true;
    });
    modal.runModal();
    EXPECT_EQ(toolkit.liveDialogs(), std::vector<ui::AgentDialog*>{});
}

TYPED_TEST_P(DialogBehaviour, EndModalEndsOnlyTheInnermostLoop) {
    ui::AgentDialog& outer = this->open(IDD_ISSMANUALVOIDTKT);
    RecordingProc innerProc{this->log, "inner"};
    ui::AgentDialog& inner = this->open(IDD_ISSBSPDAMAGEDTKT, innerProc, nullptr);
    // The script: open the inner loop, end it, end the outer one, then more input follows.
    std::vector<std::function<void()>> script = {
        [&] { inner.runModal(); },
        [&] { inner.endModal(); },
        [&] { outer.endModal(); },
        [&] { ADD_FAILURE() << "input read after both loops ended"; },
    };
    std::size_t next = 0;
    this->backend.toolkit.setInputPump([&] {
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

TYPED_TEST_P(DialogBehaviour, AnUnknownControlIsAFaultForMasksAndAnErrorForTheAgent) {
    constexpr ui::DialogId kForm = IDD_ISSMANUALVOIDTKT;
    ui::AgentDialog& d = this->open(kForm);
    EXPECT_EQ(d.text(999), "");
    d.setText(999, "x");
    EXPECT_FALSE(d.isChecked(998));
    EXPECT_EQ(this->take(), (Lines{at("fault unknown control 999 in dialog #", kForm),
                                   at("fault unknown control 999 in dialog #", kForm),
                                   at("fault unknown control 998 in dialog #", kForm)}));
    EXPECT_EQ(d.typeText(999, "x"), at("unknown control 999 in dialog #", kForm));
    EXPECT_EQ(d.click(999), at("unknown control 999 in dialog #", kForm));
    EXPECT_EQ(d.key(999, ui::Key::Enter), at("unknown control 999 in dialog #", kForm));
    EXPECT_EQ(this->take(), Lines{}) << "agent errors are not faults";
    EXPECT_FALSE(d.hasControl(ui::kUnnamed));
    // An unknown template makes no dialog.
    EXPECT_EQ(this->backend.toolkit.createDialog(4242, this->proc, nullptr), nullptr);
    EXPECT_EQ(this->backend.toolkit.liveDialogs(), std::vector<ui::AgentDialog*>{&d});
}

REGISTER_TYPED_TEST_SUITE_P(DialogBehaviour, EditsUpperCaseEveryTextAndLimitOnlyWhatIsTyped,
                            ClicksDependOnTheKindAndStateOfTheControl,
                            KeysGoToTheOwnerThenToTheControl,
                            ListsKeepItemDataAndTellSelectionChanges,
                            PostedMessagesAreToldAtOnceAndDeliveredOnDispatchInTheirRange,
                            AModalLoopDisablesItsOwnerUnlessTheOwnersCodeDidSo,
                            EndModalEndsOnlyTheInnermostLoop,
                            AnUnknownControlIsAFaultForMasksAndAnErrorForTheAgent);

}  // namespace testing_support
