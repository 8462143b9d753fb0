// The dialog backend over real windows (run under Wine with a display): the Win32 call behind
// each operation, the agent's input as window messages, and what the form's owner hears.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/ui/dialog_template.h"
#include "platform/ui/headless/headless_toolkit.h"
#include "platform/ui/win32/win32_dialog.h"
#include "platform/ui/win32/win32_toolkit.h"
#include "resources/resource.h"
#include "tests/support/recording_dialog.h"

namespace {

using testing_support::RecordingObserver;
using testing_support::RecordingProc;
using ui::ControlId;
using ui::Key;
using ui::win32::Win32Dialog;
using Lines = std::vector<std::string>;

// The line with each '#' of format replaced by the number id.
std::string at(std::string_view format, int id) {
    std::string line;
    for (char c : format)
        line += c == '#' ? std::to_string(id) : std::string(1, c);
    return line;
}

// A recording owner that also paints its labels and hears texts sent to its window.
class PaintingProc : public RecordingProc {
  public:
    using RecordingProc::RecordingProc;
    void onSetText(std::optional<std::string_view> text) override {
        texts.push_back(text ? "text '" + std::string(*text) + "'" : "null");
    }
    std::optional<ui::Paint> onCtlColor(ControlId id) override {
        if (id != IDC_DAMAGED_SCN_LABEL)
            return std::nullopt;
        return ui::Paint{0x0000FF, 0xFFCC9B};
    }
    Lines texts;
};

class Win32DialogTest : public ::testing::Test {
  protected:
    Win32DialogTest() { toolkit.setObserver(&observer); }
    ~Win32DialogTest() override {
        owned.clear();
        toolkit.setObserver(nullptr);
        toolkit.setHostWindow(0);
    }

    Win32Dialog& open(ui::DialogId id, ui::DialogProc& owner, ui::Dialog* ownerDialog = nullptr) {
        owned.push_back(toolkit.createDialog(id, owner, ownerDialog));
        EXPECT_NE(owned.back(), nullptr) << "template " << id;
        auto& dialog = static_cast<Win32Dialog&>(*owned.back());
        dialog.showWindow(true);
        take();
        return dialog;
    }
    Lines take() { return std::exchange(log, {}); }

    ui::win32::Win32Toolkit& toolkit = ui::win32::win32Toolkit();
    Lines log;
    RecordingObserver observer{log};
    PaintingProc proc{log};
    std::vector<std::unique_ptr<ui::Dialog>> owned;
};

TEST_F(Win32DialogTest, EditsUpperCaseEveryTextAndLimitOnlyWhatIsTyped) {
    struct Case {
        int limit;
        bool typed;
        std::string text, shown;
    };
    const Case cases[] = {
        {3, true, "abcdef", "ABC"},           // the limit cuts typing
        {3, false, "abcdef", "ABCDEF"},       // but not a text the mask sets
        {0, true, "ab\r\ncd", "AB"},          // typing ends at the first line break
        {5, true, "\xE9t\xE9", "\xC9T\xC9"},  // letters of the code page
    };
    Win32Dialog& d = open(IDD_ISSBSPDAMAGEDTKT, proc);
    for (const Case& c : cases) {
        d.setLimit(IDC_DAMAGED_SCN, c.limit);
        if (c.typed) {
            EXPECT_EQ(d.typeText(IDC_DAMAGED_SCN, c.text), "");
        } else {
            d.setText(IDC_DAMAGED_SCN, c.text);
        }
        EXPECT_EQ(d.text(IDC_DAMAGED_SCN), c.shown) << c.text;
        const Lines heard = take();
        EXPECT_EQ(std::count(heard.begin(), heard.end(), at("changed #", IDC_DAMAGED_SCN)), 1)
            << c.text;
    }
    EXPECT_EQ(d.dump(IDC_DAMAGED_SCN)[3], "limit 5");
}

TEST_F(Win32DialogTest, ClicksToggleCheckBoxesAndMoveTheRadioOfAGroup) {
    Win32Dialog& damaged = open(IDD_ISSBSPDAMAGEDTKT, proc);
    damaged.setChecked(IDC_DAMAGED_OPTAT, true);
    EXPECT_EQ(damaged.click(IDC_DAMAGED_ATB2), "");
    EXPECT_FALSE(damaged.isChecked(IDC_DAMAGED_OPTAT));
    EXPECT_TRUE(damaged.isChecked(IDC_DAMAGED_ATB2));
    EXPECT_EQ(take(), (Lines{at("clicked #", IDC_DAMAGED_ATB2)}));

    Win32Dialog& issuance = open(IDD_TICKETINGISSUANCE, proc);
    for (bool expected : {true, false}) {
        issuance.click(IDC_ISS_FP_LINES);
        EXPECT_EQ(issuance.isChecked(IDC_ISS_FP_LINES), expected);
    }
    // Nothing reaches a disabled control.
    issuance.enable(IDC_ISS_FP_LINES, false);
    take();
    issuance.click(IDC_ISS_FP_LINES);
    EXPECT_FALSE(issuance.isChecked(IDC_ISS_FP_LINES));
    EXPECT_EQ(take(), Lines{});
}

TEST_F(Win32DialogTest, ListsKeepItemDataAndTellSelectionChanges) {
    Win32Dialog& d = open(IDD_TICKETINGISSUANCE, proc);
    EXPECT_EQ(d.addItem(IDC_ISS_FOP1, "Cash", 10), 0);
    EXPECT_EQ(d.addItem(IDC_ISS_FOP1, "Card", 20), 1);
    EXPECT_EQ(d.itemData(IDC_ISS_FOP1, 1), 20);
    EXPECT_EQ(d.itemData(IDC_ISS_FOP1, 2), -1);
    EXPECT_EQ(d.selectCode(IDC_ISS_FOP1, 20), "");
    EXPECT_EQ(d.selection(IDC_ISS_FOP1), 1);
    EXPECT_EQ(d.text(IDC_ISS_FOP1), "Card");
    EXPECT_EQ(d.selectCode(IDC_ISS_FOP1, 30),
              at("no entry with code 30 in control #", IDC_ISS_FOP1));

    for (int i = 0; i < 3; ++i)
        d.addItem(IDC_ISS_FEEBASE_LIST, at("fee #", i), 100 + i);
    take();
    EXPECT_EQ(d.pick(IDC_ISS_FEEBASE_LIST, {0, 2}), "");
    EXPECT_EQ(take().back(), at("selchange #", IDC_ISS_FEEBASE_LIST));
    const Lines dumped = d.dump(IDC_ISS_FEEBASE_LIST);
    EXPECT_EQ(Lines(dumped.end() - 3, dumped.end()),
              (Lines{"item 100 1 fee 0", "item 101 0 fee 1", "item 102 1 fee 2"}));
    d.clearList(IDC_ISS_FEEBASE_LIST);
    EXPECT_EQ(d.itemCount(IDC_ISS_FEEBASE_LIST), 0);
}

TEST_F(Win32DialogTest, FocusMovesByCallAndByTab) {
    Win32Dialog& d = open(IDD_ISSBSPDAMAGEDTKT, proc);
    d.setFocus(IDC_DAMAGED_SCN);
    EXPECT_EQ(d.focus(), IDC_DAMAGED_SCN);
    EXPECT_EQ(take(), (Lines{at("setfocus #", IDC_DAMAGED_SCN)}));
    d.key(IDC_DAMAGED_SCN, Key::Tab);
    EXPECT_EQ(d.focus(), IDC_DAMAGED_TICKET);
    EXPECT_EQ(take(), (Lines{at("pre # tab", IDC_DAMAGED_SCN), at("killfocus #", IDC_DAMAGED_SCN),
                             at("setfocus #", IDC_DAMAGED_TICKET)}));
}

TEST_F(Win32DialogTest, KeysReachTheOwnerFirstAndThenTheControl) {
    Win32Dialog& d = open(IDD_ISSBSPDAMAGEDTKT, proc);
    proc.consumed = {Key::Enter};
    d.key(IDC_DAMAGED_SCN, Key::Enter);
    d.key(IDC_DAMAGED_SCN, Key::F1);
    EXPECT_EQ(take(), (Lines{at("setfocus #", IDC_DAMAGED_SCN), at("pre # enter", IDC_DAMAGED_SCN),
                             at("pre # f1", IDC_DAMAGED_SCN), at("key # f1", IDC_DAMAGED_SCN)}));
    d.doubleClick(IDC_DAMAGED_SCN);
    EXPECT_EQ(take(), (Lines{at("dblclicked #", IDC_DAMAGED_SCN)}));
}

TEST_F(Win32DialogTest, LinkLabelsTakeClicksEnterAndSpace) {
    Win32Dialog& d = open(IDD_ISSMANUALVOIDTKT, proc);
    d.makeLink(IDC_MANVOID_CURRENCY_LINK);
    EXPECT_EQ(d.kind(IDC_MANVOID_CURRENCY_LINK), ui::ControlKind::Link);
    d.click(IDC_MANVOID_CURRENCY_LINK);
    d.key(IDC_MANVOID_CURRENCY_LINK, Key::Space);
    // Showing the form put the focus on its first edit; the link takes it.
    EXPECT_EQ(take(), (Lines{at("killfocus #", IDC_MANVOID_AIRLINE),
                             at("clicked #", IDC_MANVOID_CURRENCY_LINK),
                             at("pre # space", IDC_MANVOID_CURRENCY_LINK),
                             at("key # space", IDC_MANVOID_CURRENCY_LINK)}));
    EXPECT_EQ(d.focus(), IDC_MANVOID_CURRENCY_LINK);
}

TEST_F(Win32DialogTest, LabelsShowTheirTooltipAndTheColourTheOwnerPaints) {
    Win32Dialog& d = open(IDD_ISSBSPDAMAGEDTKT, proc);
    d.setTooltip(IDC_DAMAGED_SCN_LABEL, "Stock control");
    EXPECT_EQ(d.dump(IDC_DAMAGED_SCN_LABEL),
              (Lines{"kind static", "enabled 1", "visible 1", "color 0x0000FF",
                     "tooltip Stock control", "text Stock control number"}));
    d.setTooltip(IDC_DAMAGED_SCN_LABEL, "");
    EXPECT_EQ(d.dump(IDC_DAMAGED_SCN_LABEL).size(), 5u);
}

TEST_F(Win32DialogTest, TextsSentToTheWindowAndPrivateMessagesReachTheOwner) {
    Win32Dialog& d = open(IDD_ISSBSPDAMAGEDTKT, proc);
    d.sendSetText(std::nullopt);
    d.sendSetText("");
    d.sendSetText("Ticket");
    EXPECT_EQ(proc.texts, (Lines{"null", "text ''", "text 'Ticket'"}));
    d.post(3001);
    d.post(4000);
    EXPECT_EQ(take(),
              (Lines{"posted 3001", at("fault private message 4000 out of range in dialog #",
                                       IDD_ISSBSPDAMAGEDTKT)}));
    toolkit.dispatchPosted();
    EXPECT_EQ(take(), (Lines{"private 3001"}));
}

TEST_F(Win32DialogTest, AModalLoopDisablesItsOwnerUntilItEnds) {
    Win32Dialog& owner = open(IDD_ISSBSPDAMAGEDTKT, proc);
    RecordingProc modalProc(log, "modal");
    Win32Dialog& modal = open(IDD_CODER, modalProc, &owner);
    int turns = 0;
    toolkit.setInputPump([&] {
        EXPECT_FALSE(owner.isWindowEnabled());
        if (++turns == 2)
            modal.endModal();
        return true;
    });
    modal.runModal();
    toolkit.setInputPump({});
    EXPECT_EQ(turns, 2);
    EXPECT_TRUE(owner.isWindowEnabled());
}

TEST_F(Win32DialogTest, AnOwnerDestroyedDuringTheLoopIsLeftAlone) {
    Win32Dialog& owner = open(IDD_ISSBSPDAMAGEDTKT, proc);
    Win32Dialog& modal = open(IDD_CODER, proc, &owner);
    toolkit.setInputPump([&] {
        owned.erase(owned.begin());
        modal.endModal();
        return true;
    });
    modal.runModal();
    toolkit.setInputPump({});
    EXPECT_FALSE(toolkit.isLive(&owner));
}

TEST_F(Win32DialogTest, FormsBecomeChildrenOfTheHostWindowWhileItIsSet) {
    Win32Dialog& host = open(IDD_CODER, proc);
    toolkit.setHostWindow(host.nativeWindow());
    Win32Dialog& hosted = open(IDD_ISSLOGTKT, proc);
    toolkit.setHostWindow(0);
    Win32Dialog& alone = open(IDD_ISSLOGTKT, proc);
    EXPECT_EQ(GetParent(hosted.window()), host.window());
    EXPECT_NE(GetWindowLongPtrW(hosted.window(), GWL_STYLE) & WS_CHILD, 0);
    EXPECT_EQ(GetWindowLongPtrW(alone.window(), GWL_STYLE) & WS_CHILD, 0);
    EXPECT_NE(GetWindowLongPtrW(alone.window(), GWL_STYLE) & WS_CAPTION, 0);
}

TEST_F(Win32DialogTest, AnUnknownTemplateMakesNoDialog) {
    EXPECT_EQ(toolkit.createDialog(9999, proc, nullptr), nullptr);
    EXPECT_TRUE(toolkit.liveDialogs().empty());
}

// ---- both backends alike ----

// The same calls on the same form leave every control as the agent sees it alike on real
// windows and headless.
TEST_F(Win32DialogTest, TheSameCallsLeaveTheSameFormOnBothBackends) {
    struct Script {
        const char* what;
        ui::DialogId form;
        std::function<void(ui::AgentDialog&)> run;
    };
    const std::string longText(2000, 'a');
    const Script scripts[] = {
        {"typing, limits and texts the mask sets", IDD_ISSBSPDAMAGEDTKT,
         [&](ui::AgentDialog& d) {
             d.setLimit(IDC_DAMAGED_SCN, 5);
             d.typeText(IDC_DAMAGED_SCN,
                        "ab\xE9"
                        "defg");
             d.setText(IDC_DAMAGED_TICKET, longText);
             d.setText(IDC_DAMAGED_SPOILED, "x\ty");
             d.typeText(IDC_DAMAGED_CHECK_DIGIT, "");
         }},
        {"radio buttons, keys and focus", IDD_ISSBSPDAMAGEDTKT,
         [](ui::AgentDialog& d) {
             d.click(IDC_DAMAGED_OPTAT);
             d.key(IDC_DAMAGED_ATB2, Key::Space);
             d.key(IDC_DAMAGED_SCN, Key::Tab);
         }},
        {"unreachable controls", IDD_ISSBSPDAMAGEDTKT,
         [](ui::AgentDialog& d) {
             d.enable(IDC_DAMAGED_SCN, false);
             d.show(IDC_DAMAGED_TICKET, false);
             d.typeText(IDC_DAMAGED_SCN, "abc");
             d.typeText(IDC_DAMAGED_TICKET, "abc");
             d.click(IDC_DAMAGED_ATB2);
         }},
        {"lists and check boxes", IDD_TICKETINGISSUANCE,
         [](ui::AgentDialog& d) {
             for (int i = 0; i < 3; ++i) {
                 d.addItem(IDC_ISS_FOP1, at("pay #", i), 10 * i);
                 d.addItem(IDC_ISS_FEEBASE_LIST, at("fee #", i), 100 + i);
             }
             d.selectCode(IDC_ISS_FOP1, 20);
             d.pick(IDC_ISS_FEEBASE_LIST, {1, 2});
             d.setSelected(IDC_ISS_FEEBASE_LIST, 2, false);
             d.click(IDC_ISS_FP_LINES);
             d.setChecked(IDC_ISS_GBA, true);
         }},
        {"labels, links and tooltips", IDD_TICKETINGISSUANCE,
         [](ui::AgentDialog& d) {
             d.makeLink(IDC_ISS_CARRIER_LINK);
             d.setTooltip(IDC_ISS_CARRIER_LINK, "Carrier code");
             d.setTooltip(IDC_ISS_CARRIER, "Two letters");
             d.setText(IDC_ISS_FOP1_LABEL, "Payment");
             d.click(IDC_ISS_CARRIER_LINK);
         }},
    };
    for (const Script& script : scripts) {
        ui::headless::HeadlessToolkit headless;
        headless.setObserver(&observer);
        // One text per backend, so that a difference shows as a difference of lines.
        std::string seen[2];
        ui::Toolkit* toolkits[] = {&headless, &toolkit};
        for (int b = 0; b < 2; ++b) {
            auto dialog = toolkits[b]->createDialog(script.form, proc, nullptr);
            ASSERT_NE(dialog, nullptr);
            auto& agent = dynamic_cast<ui::AgentDialog&>(*dialog);
            script.run(agent);
            for (const ui::ControlTemplate& t : ui::findTemplate(script.form)->controls) {
                if (t.id == ui::kUnnamed)
                    continue;
                for (const std::string& line : agent.dump(t.id))
                    seen[b] += at("# ", t.id) + line + "\n";
            }
            seen[b] += agent.focus() ? at("focus #", *agent.focus()) : "focus none";
        }
        EXPECT_EQ(seen[1], seen[0]) << script.what;
        take();
    }
}

TEST_F(Win32DialogTest, MessageBoxesBelongToTheirForm) {
    static HWND boxOwner = nullptr;
    // Ends each dialog of the system with OK as it opens, noting its owner.
    HHOOK hook = SetWindowsHookExW(
        WH_CALLWNDPROCRET,
        [](int code, WPARAM wParam, LPARAM lParam) -> LRESULT {
            const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
            if (code == HC_ACTION && call->message == WM_INITDIALOG &&
                ui::win32::win32Toolkit().dialogOf(call->hwnd) == nullptr) {
                boxOwner = GetWindow(call->hwnd, GW_OWNER);
                EndDialog(call->hwnd, IDOK);
            }
            return CallNextHookEx(nullptr, code, wParam, lParam);
        },
        nullptr, GetCurrentThreadId());
    Win32Dialog& d = open(IDD_ISSBSPDAMAGEDTKT, proc);
    d.messageBox("Enter the number.", "Log Ticket", ui::Icon::Error);
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(boxOwner, d.window());
    EXPECT_EQ(take(), (Lines{"msgbox Log Ticket Enter the number."}));
    EXPECT_TRUE(d.isWindowEnabled()) << "the owner is enabled again when the box closes";
}

TEST_F(Win32DialogTest, FontsAndLinksDecorateTheRealControls) {
    Win32Dialog& d = open(IDD_TICKETINGISSUANCE, proc);
    d.setFont(IDC_ISS_FOP1_LABEL, ui::Font{"Arial", 14, 700, false, false});
    d.makeLink(IDC_ISS_CARRIER_LINK);
    auto fontOf = [&](ControlId id) {
        LOGFONTW font{};
        auto handle =
            reinterpret_cast<HFONT>(SendMessageW(GetDlgItem(d.window(), id), WM_GETFONT, 0, 0));
        GetObjectW(handle, sizeof font, &font);
        return font;
    };
    const LOGFONTW label = fontOf(IDC_ISS_FOP1_LABEL);
    EXPECT_EQ(std::wstring(label.lfFaceName), L"Arial");
    EXPECT_EQ(label.lfHeight, 14);
    EXPECT_EQ(label.lfWeight, 700);
    EXPECT_TRUE(fontOf(IDC_ISS_CARRIER_LINK).lfUnderline);
    // The pointer over an enabled link is the hand.
    HWND link = GetDlgItem(d.window(), IDC_ISS_CARRIER_LINK);
    EXPECT_TRUE(SendMessageW(link, WM_SETCURSOR, reinterpret_cast<WPARAM>(link),
                             MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, MAKEINTRESOURCEW(32649)));
}

TEST_F(Win32DialogTest, TheAgentSeesEveryControlOfTheTemplateInItsOrder) {
    Win32Dialog& d = open(IDD_ISSMANUALVOIDTKT, proc);
    d.typeText(IDC_MANVOID_AIRLINE, "ba");
    const auto states = d.controlStates();
    const auto& controls = ui::findTemplate(IDD_ISSMANUALVOIDTKT)->controls;
    ASSERT_EQ(states.size(), controls.size());
    for (std::size_t i = 0; i < states.size(); ++i)
        EXPECT_EQ(states[i].id, controls[i].id) << i;
    EXPECT_EQ(states[1].text, "BA");
}

}  // namespace
