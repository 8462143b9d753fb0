// A small form of every control kind, for tests of the shared field operations.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "platform/ui/dialog_template.h"
#include "platform/ui/headless/headless_dialog.h"
#include "platform/ui/headless/headless_toolkit.h"

namespace testing_support {

enum TestControl : ui::ControlId {
    kEdit = 10,
    kOtherEdit = 11,
    kCheck = 20,
    kRadioA = 30,
    kRadioB = 31,
    kCombo = 40,
    kList = 50,
    kLabel = 60,
};

// Visible controls that take the tab.
inline constexpr std::uint32_t kShown = ui::style::kVisible | ui::style::kTabStop;

inline const std::array<ui::ControlTemplate, 8> kTestControls = {{
    {kEdit, ui::ControlKind::Edit, "", 0, 0, 10, 10, kShown | ui::style::kEditUppercase, 0, ""},
    {kOtherEdit, ui::ControlKind::Edit, "", 0, 0, 10, 10, kShown | ui::style::kEditUppercase, 0,
     ""},
    {kCheck, ui::ControlKind::CheckBox, "", 0, 0, 10, 10, kShown, 0, ""},
    {kRadioA, ui::ControlKind::Radio, "", 0, 0, 10, 10, kShown | ui::style::kGroup, 0, ""},
    {kRadioB, ui::ControlKind::Radio, "", 0, 0, 10, 10, kShown, 0, ""},
    {kCombo, ui::ControlKind::Combo, "", 0, 0, 10, 10, kShown | ui::style::kGroup, 0, ""},
    {kList, ui::ControlKind::ListBox, "", 0, 0, 10, 10, kShown | ui::style::kListMultiple, 0, ""},
    {kLabel, ui::ControlKind::Static, "Label", 0, 0, 10, 10, ui::style::kVisible, 0, ""},
}};

inline const ui::DialogTemplate kTestForm{900, "Test", 100, 100, "MS Shell Dlg", 8, kTestControls};

// A dialog proc that does nothing.
struct QuietProc : ui::DialogProc {
    void onInitDialog(ui::Dialog&) override {}
};

// The test form, alive for the test.
struct TestForm {
    QuietProc proc;
    ui::headless::HeadlessDialog dialog{ui::headless::headlessToolkit(), kTestForm, proc, nullptr};
};

}  // namespace testing_support
