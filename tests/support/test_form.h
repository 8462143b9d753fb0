// A small form of every control kind, for tests of the shared field operations.
#pragma once

#include <array>
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

inline const std::array<ui::ControlTemplate, 8> kTestControls = {{
    {kEdit, ui::ControlKind::Edit, "", 0, 0, 10, 10, true, false, false, false, false, true, ""},
    {kOtherEdit, ui::ControlKind::Edit, "", 0, 0, 10, 10, true, false, false, false, false, true,
     ""},
    {kCheck, ui::ControlKind::CheckBox, "", 0, 0, 10, 10, false, false, false, false, false, true,
     ""},
    {kRadioA, ui::ControlKind::Radio, "", 0, 0, 10, 10, false, true, false, false, false, true, ""},
    {kRadioB, ui::ControlKind::Radio, "", 0, 0, 10, 10, false, false, false, false, false, true,
     ""},
    {kCombo, ui::ControlKind::Combo, "", 0, 0, 10, 10, false, true, false, false, false, true, ""},
    {kList, ui::ControlKind::ListBox, "", 0, 0, 10, 10, false, false, false, false, true, true, ""},
    {kLabel, ui::ControlKind::Static, "Label", 0, 0, 10, 10, false, false, false, false, false,
     false, ""},
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
