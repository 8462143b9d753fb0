// The shared check and persistence operations on a test form of every control kind: what they
// add to the validator's tests (the message, the conditions, the stored values).
#include <gtest/gtest.h>

#include <memory>
#include <span>
#include <string_view>

#include "framework/checks.h"
#include "framework/list_entries.h"
#include "framework/persistence.h"
#include "platform/ui/toolkit.h"
#include "resources/test/test_forms.h"
#include "tests/support/mask_harness.h"

namespace {

using namespace testing_support;
using framework::Check;
namespace check = framework::check;

struct QuietProc : ui::DialogProc {
    void onInitDialog(ui::Dialog&) override {}
};

class FieldOperations : public ::testing::Test {
  protected:
    FieldOperations() { home.write("Quorvex.ini", "[User]\nLANG=XX9\n"); }

    // The message a row shows on the text, "" when it passes (and shows nothing).
    std::string refusal(const Check& row, const char* text) {
        form->setText(IDC_TEST_EDIT, text);
        recorder.lines.clear();
        const bool passed = framework::RunChecks(*form, "T", std::span(&row, 1));
        EXPECT_EQ(passed, recorder.lines.empty()) << text;
        constexpr std::string_view kBox = "msgbox [T] ";
        return recorder.lines.empty() ? "" : recorder.lines.front().substr(kBox.size());
    }

    TempHome home;
    Recorder recorder;
    QuietProc proc;
    std::unique_ptr<ui::Dialog> form = ui::toolkit().createDialog(IDD_TEST_FIELDS, proc, nullptr);
};

TEST_F(FieldOperations, RowsTestTheTextAsItStands) {
    const struct {
        Check row;
        const char* text;
        const char* shown;  // "" when the row passes
    } cases[] = {
        {check::MinLength(IDC_TEST_EDIT, 3, "ERR"), "AB ", ""},  // blanks count, nothing trimmed
        {check::MinLength(IDC_TEST_EDIT, 3, "ERR"), "AB", "ERR"},
        {check::Mandatory(IDC_TEST_EDIT, "ERR"), " \t ", "ERR"},
        {check::Mandatory(IDC_TEST_EDIT, "ERR"), " A ", ""},
        {check::NotZero(IDC_TEST_EDIT, "ERR"), "", ""},
        {check::NotZero(IDC_TEST_EDIT, "ERR"), "0.0", ""},
        {check::NotZero(IDC_TEST_EDIT, "ERR"), "0", "ERR"},
        {check::NumericEx(IDC_TEST_EDIT, "-", "ERR"), "12-34", ""},
        {check::NumericEx(IDC_TEST_EDIT, "-", "ERR"), "12/34", "ERR"},
        {check::DateByKind(IDC_TEST_EDIT, 1, "ERR"), "05JAN09", ""},
        {check::DateByKind(IDC_TEST_EDIT, 2, "ERR"), "0501", ""},
        {check::DateByKind(IDC_TEST_EDIT, 2, "ERR"), "05JAN09", "ERR"},
        {check::DateByKind(IDC_TEST_EDIT, 3, "ERR"), "05012009", ""},
        {check::DateByKind(IDC_TEST_EDIT, 7, "ERR"), "0501", "ERR"},
        // Amounts tell a wrong number from too many decimals.
        {check::Amount(IDC_TEST_EDIT, 2, false, "NUM", "2DP"), "0", "NUM"},
        {check::Amount(IDC_TEST_EDIT, 2, false, "NUM", "2DP"), "1A", "NUM"},
        {check::Amount(IDC_TEST_EDIT, 2, false, "NUM", "2DP"), "12.345", "2DP"},
        {check::Amount(IDC_TEST_EDIT, 2, false, "NUM", "2DP"), "12.34", ""},
        {check::Amount(IDC_TEST_EDIT, 2, true, "NUM", "2DP"), "0", ""},
        {check::Amount(IDC_TEST_EDIT, 2, true, "NUM", "2DP"), "1000000.5", ""},
        {check::Amount(IDC_TEST_EDIT, 2, true, "NUM", "2DP"), "0.123", "2DP"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(refusal(c.row, c.text), c.shown)
            << "test " << static_cast<int>(c.row.test) << " on \"" << c.text << "\"";
    }
}

TEST_F(FieldOperations, ConditionalRowsRunOnlyWhileTheirConditionHolds) {
    form->addItem(IDC_TEST_COMBO, "", 0);
    form->addItem(IDC_TEST_COMBO, "CASH", 1);
    const Check mandatory = check::Mandatory(IDC_TEST_EDIT, "ERR");
    const struct {
        Check row;
        const char* other;  // the text of the other edit
        bool checked;
        int selection;
        bool runs;
    } cases[] = {
        {mandatory.ifFilled(IDC_TEST_OTHER_EDIT), " ", false, 0, false},
        {mandatory.ifFilled(IDC_TEST_OTHER_EDIT), "X", false, 0, true},
        {mandatory.ifChecked(IDC_TEST_CHECK), "X", false, 1, false},
        {mandatory.ifChecked(IDC_TEST_CHECK), "", true, 0, true},
        {mandatory.ifChosen(IDC_TEST_COMBO), "X", true, 0, false},
        {mandatory.ifChosen(IDC_TEST_COMBO), "", false, 1, true},
    };
    for (const auto& c : cases) {
        form->setText(IDC_TEST_OTHER_EDIT, c.other);
        form->setChecked(IDC_TEST_CHECK, c.checked);
        form->select(IDC_TEST_COMBO, c.selection);
        EXPECT_EQ(refusal(c.row, "") == "ERR", c.runs)
            << "condition " << static_cast<int>(c.row.when.kind) << " '" << c.other << "' "
            << c.checked << " " << c.selection;
    }
}

TEST_F(FieldOperations, ProfileRoundTripOfEveryKindAndRestoreOfMissingOrOddValues) {
    ui::Dialog& d = *form;
    for (long code : {0L, 17L, 9L, 17L})
        d.addItem(IDC_TEST_COMBO, "item", code);
    const framework::PersistedField fields[] = {
        {framework::Stored::EditText, IDC_TEST_EDIT, "EDIT"},
        {framework::Stored::CheckState, IDC_TEST_CHECK, "CHECK"},
        {framework::Stored::ListChoice, IDC_TEST_COMBO, "LIST"},
        {framework::Stored::Empty, 0, "GONE"},
    };
    auto set = [&](const char* text, bool checked, int selection) {
        d.setText(IDC_TEST_EDIT, text);
        d.setChecked(IDC_TEST_CHECK, checked);
        d.select(IDC_TEST_COMBO, selection);
    };
    auto state = [&] {
        return d.text(IDC_TEST_EDIT) + "|" + (d.isChecked(IDC_TEST_CHECK) ? "checked" : "clear") +
               "|" + std::to_string(d.selection(IDC_TEST_COMBO));
    };
    set("  LEADING", true, 1);
    framework::ProfilePass("SECTION").save(d, fields);
    EXPECT_EQ(home.section("SECTION"), "EDIT=\"  LEADING\" CHECK=1 LIST=17 GONE=");
    set("", false, 0);
    framework::ProfilePass("SECTION").restore(d, fields);
    EXPECT_EQ(state(), "  LEADING|checked|3") << "the last entry with the saved code is selected";

    set("TEXT", true, 1);  // nothing saved: empty edit, cleared box, first entry
    framework::ProfilePass("EMPTY").restore(d, fields);
    EXPECT_EQ(state(), "|clear|0");
    framework::ProfilePass("FIRST").save(d, fields);  // the first entry is saved by its code
    d.select(IDC_TEST_COMBO, -1);
    framework::ProfilePass("NONE").save(d, fields);  // and no entry as -1
    EXPECT_EQ(home.section("FIRST"), "EDIT= CHECK=0 LIST=0 GONE=");
    EXPECT_EQ(home.section("NONE"), "EDIT= CHECK=0 LIST=-1 GONE=");

    // A check value other than "1" clears; a code no entry has keeps the selection.
    home.write("Quorvex.ini", "[User]\nLANG=XX9\n[ODD]\nEDIT=E\nCHECK=2\nLIST=42\n");
    set("", true, 1);
    framework::ProfilePass("ODD").restore(d, fields);
    EXPECT_EQ(state(), "E|clear|1");
}

// The first entry is a choice like any other; only no selection reads as nothing.
TEST_F(FieldOperations, TheChosenEntryReadsAsItsCodeAndItsText) {
    form->addItem(IDC_TEST_COMBO, "GOM", 0);
    form->addItem(IDC_TEST_COMBO, "ATR", 1);
    EXPECT_EQ(framework::SelectedCode(*form, IDC_TEST_COMBO), -1);
    EXPECT_EQ(framework::SelectedText(*form, IDC_TEST_COMBO), "");
    ASSERT_TRUE(framework::SelectCode(*form, IDC_TEST_COMBO, 0));
    EXPECT_EQ(framework::SelectedCode(*form, IDC_TEST_COMBO), 0);
    EXPECT_EQ(framework::SelectedText(*form, IDC_TEST_COMBO), "GOM");
}

}  // namespace
