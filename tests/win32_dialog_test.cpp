// The dialog backend over real windows (run under Wine with a display): what both backends do
// alike, and what only real windows have: the owner's colours and texts, forms in a container's
// window, message boxes, fonts and the link's pointer, and the same form as the headless one.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "platform/ui/dialog_template.h"
#include "platform/ui/headless/headless_toolkit.h"
#include "platform/ui/win32/win32_dialog.h"
#include "platform/ui/win32/win32_toolkit.h"
#include "resources/resource.h"
#include "tests/support/dialog_behaviours.h"
#include "tests/support/recording_dialog.h"

namespace testing_support {

// The process's toolkit of real windows.
struct Win32 {
    ui::win32::Win32Toolkit& toolkit = ui::win32::win32Toolkit();
};
INSTANTIATE_TYPED_TEST_SUITE_P(Win32, DialogBehaviour, Win32);

}  // namespace testing_support

namespace {

using testing_support::at;
using testing_support::DialogBehaviour;
using testing_support::Lines;
using testing_support::RecordingProc;
using ui::ControlId;
using ui::Key;
using ui::win32::Win32Dialog;

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

class Win32DialogTest : public DialogBehaviour<testing_support::Win32> {
  protected:
    Win32Dialog& open(ui::DialogId id) {
        return static_cast<Win32Dialog&>(DialogBehaviour::open(id, painter, nullptr));
    }

    ui::win32::Win32Toolkit& toolkit = backend.toolkit;
    PaintingProc painter{log};
};

TEST_F(Win32DialogTest, TheOwnerPaintsTheLabelsAndHearsTextsSentToTheWindow) {
    Win32Dialog& d = open(IDD_ISSBSPDAMAGEDTKT);
    d.setTooltip(IDC_DAMAGED_SCN_LABEL, "Stock control");
    EXPECT_EQ(d.dump(IDC_DAMAGED_SCN_LABEL),
              (Lines{"kind static", "enabled 1", "visible 1", "color 0x0000FF",
                     "tooltip Stock control", "text Stock control number"}));
    d.setTooltip(IDC_DAMAGED_SCN_LABEL, "");
    EXPECT_EQ(d.dump(IDC_DAMAGED_SCN_LABEL).size(), 5u);
    d.sendSetText(std::nullopt);
    d.sendSetText("");
    d.sendSetText("Ticket");
    EXPECT_EQ(painter.texts, (Lines{"null", "text ''", "text 'Ticket'"}));
}

TEST_F(Win32DialogTest, FormsBecomeChildrenOfTheHostWindowWhileItIsSet) {
    Win32Dialog& host = open(IDD_CODER);
    toolkit.setHostWindow(host.nativeWindow());
    Win32Dialog& hosted = open(IDD_ISSLOGTKT);
    toolkit.setHostWindow(0);
    Win32Dialog& alone = open(IDD_ISSLOGTKT);
    EXPECT_EQ(GetParent(hosted.window()), host.window());
    EXPECT_NE(GetWindowLongPtrW(hosted.window(), GWL_STYLE) & WS_CHILD, 0);
    EXPECT_EQ(GetWindowLongPtrW(alone.window(), GWL_STYLE) & WS_CHILD, 0);
    EXPECT_NE(GetWindowLongPtrW(alone.window(), GWL_STYLE) & WS_CAPTION, 0);
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
            auto dialog = toolkits[b]->createDialog(script.form, painter, nullptr);
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
    Win32Dialog& d = open(IDD_ISSBSPDAMAGEDTKT);
    d.messageBox("Enter the number.", "Log Ticket", ui::Icon::Error);
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(boxOwner, d.window());
    EXPECT_EQ(take(), (Lines{"msgbox Log Ticket Enter the number."}));
    EXPECT_TRUE(d.isWindowEnabled()) << "the owner is enabled again when the box closes";
}

TEST_F(Win32DialogTest, FontsAndLinksDecorateTheRealControls) {
    Win32Dialog& d = open(IDD_TICKETINGISSUANCE);
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
    Win32Dialog& d = open(IDD_ISSMANUALVOIDTKT);
    d.typeText(IDC_MANVOID_AIRLINE, "ba");
    const auto states = d.controlStates();
    const auto& controls = ui::findTemplate(IDD_ISSMANUALVOIDTKT)->controls;
    ASSERT_EQ(states.size(), controls.size());
    for (std::size_t i = 0; i < states.size(); ++i)
        EXPECT_EQ(states[i].id, controls[i].id) << i;
    EXPECT_EQ(states[1].text, "BA");
    // Beyond the 1023 bytes a mask reads, the agent still sees the whole text.
    const std::string longText(2000, 'X');
    d.setText(IDC_MANVOID_ITINERARY, longText);
    const auto after = d.controlStates();
    const auto itinerary =
        std::ranges::find(after, IDC_MANVOID_ITINERARY, &ui::headless::Control::id);
    ASSERT_NE(itinerary, after.end());
    EXPECT_EQ(itinerary->text.size(), longText.size());
}

}  // namespace
