// The shared check and persistence operations on a form of every control kind.
#include <gtest/gtest.h>

#include "framework/checks.h"
#include "framework/list_entries.h"
#include "framework/persistence.h"
#include "tests/support/mask_harness.h"
#include "tests/support/test_form.h"

namespace {

using namespace testing_support;
using framework::Check;
using Kind = framework::Test;

class FieldOperations : public ::testing::Test {
  protected:
    FieldOperations() { home.write("Quorvex.ini", "[User]\nLANG=XX9\n"); }

    bool passes(Kind test, const char* text, int n = 0, const char* extra = "") {
        form.dialog.setText(kEdit, text);
        recorder.lines.clear();
        const bool passed =
            framework::RunCheck(form.dialog, "Title", {test, kEdit, "ERR_KEY", n, extra});
        EXPECT_EQ(recorder.lines.size(), passed ? 0u : 1u) << text;
        return passed;
    }

    TempHome home;
    Recorder recorder;
    TestForm form;
};

TEST_F(FieldOperations, ChecksOnTheTextAsItStands) {
    struct Case {
        Kind test;
        const char* text;
        int n;
        const char* extra;
        bool passes;
    };
    const Case cases[] = {
        {Kind::MinLength, "AB ", 3, "", true},  // blanks count, nothing is trimmed
        {Kind::MinLength, "AB", 3, "", false},     {Kind::Mandatory, " \t ", 0, "", false},
        {Kind::Mandatory, " A ", 0, "", true},     {Kind::NotZero, "", 0, "", true},
        {Kind::NotZero, "00", 0, "", true},        {Kind::NotZero, "0.0", 0, "", true},
        {Kind::NotZero, "0", 0, "", false},        {Kind::NumericEx, "12-34", 0, "-", true},
        {Kind::NumericEx, "12/34", 0, "-", false}, {Kind::Alpha, "", 0, "", false},
        {Kind::Date, "29FEB", 0, "", true},        {Kind::DateByKind, "010209", 1, "", false},
        {Kind::DateByKind, "0102", 2, "", true},   {Kind::DateByKind, "0102", 7, "", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(passes(c.test, c.text, c.n, c.extra), c.passes)
            << "test " << static_cast<int>(c.test) << " on \"" << c.text << "\"";
    }
}

TEST_F(FieldOperations, AFailureShowsTheKeyAndFocusesTheFieldAndStopsTheList) {
    form.dialog.setText(kEdit, "");
    form.dialog.setText(kOtherEdit, "");
    form.dialog.setFocus(kOtherEdit);
    const Check checks[] = {{Kind::Mandatory, kEdit, "ERR_FIRST"},
                            {Kind::Mandatory, kOtherEdit, "ERR_SECOND"}};
    EXPECT_FALSE(framework::RunChecks(form.dialog, "My Title", checks));
    EXPECT_EQ(recorder.lines, std::vector<std::string>{"msgbox [My Title] ERR_FIRST"});
    EXPECT_EQ(form.dialog.focus(), kEdit);
}

TEST_F(FieldOperations, AmountChecksTellZeroFromTooManyDecimals) {
    const struct {
        const char* text;
        bool allowZero;
        const char* key;  // the message shown, none if the amount passes
    } cases[] = {
        {"0", false, "ERR_NUM"},    {"12.345", false, "ERR_2DP"}, {"12.34", false, nullptr},
        {"1A", false, "ERR_NUM"},   {"0", true, nullptr},         {"1000000.5", true, nullptr},
        {"0.123", true, "ERR_2DP"},
    };
    for (const auto& c : cases) {
        form.dialog.setText(kEdit, c.text);
        recorder.lines.clear();
        framework::CheckAmount(form.dialog, kEdit, 2, c.allowZero, "T", "ERR_NUM", "ERR_2DP");
        EXPECT_EQ(recorder.lines, c.key
                                      ? std::vector<std::string>{std::string("msgbox [T] ") + c.key}
                                      : std::vector<std::string>{})
            << c.text << (c.allowZero ? " allowing zero" : "");
    }
}

TEST_F(FieldOperations, ProfileRoundTripOfEveryKindAndRestoreOfMissingOrOddValues) {
    auto& d = form.dialog;
    for (long code : {0L, 17L, 9L, 17L})
        d.addItem(kCombo, "item", code);
    const framework::PersistedField fields[] = {
        {framework::Stored::EditText, kEdit, "EDIT"},
        {framework::Stored::CheckState, kCheck, "CHECK"},
        {framework::Stored::ListChoice, kCombo, "LIST"},
        {framework::Stored::Empty, 0, "GONE"},
    };
    auto set = [&](const char* text, bool checked, int selection) {
        d.setText(kEdit, text);
        d.setChecked(kCheck, checked);
        d.select(kCombo, selection);
    };
    auto state = [&] {
        return d.text(kEdit) + "|" + (d.isChecked(kCheck) ? "checked" : "clear") + "|" +
               std::to_string(d.selection(kCombo));
    };
    set("  LEADING", true, 1);
    framework::ProfilePass("SECTION").save(d, fields);
    EXPECT_NE(home.read("Quorvex.ini").find("LIST=17"), std::string::npos);
    EXPECT_NE(home.read("Quorvex.ini").find("GONE="), std::string::npos);
    set("", false, 0);
    framework::ProfilePass("SECTION").restore(d, fields);
    EXPECT_EQ(state(), "  LEADING|checked|3") << "the last entry with the saved code is selected";

    set("TEXT", true, 1);  // nothing saved: empty edit, cleared box, first entry
    framework::ProfilePass("EMPTY").restore(d, fields);
    EXPECT_EQ(state(), "|clear|0");
    framework::ProfilePass("FIRST").save(d, fields);  // the first entry is saved by its code
    EXPECT_NE(home.read("Quorvex.ini").find("[FIRST]\nEDIT=\nCHECK=0\nLIST=0\n"),
              std::string::npos);

    // A check value other than "1" clears; a code no entry has keeps the selection.
    home.write("Quorvex.ini", "[User]\nLANG=XX9\n[ODD]\nEDIT=E\nCHECK=2\nLIST=42\n");
    set("", true, 1);
    framework::ProfilePass("ODD").restore(d, fields);
    EXPECT_EQ(state(), "E|clear|1");
}

TEST_F(FieldOperations, ListEntriesWithoutStringsShowTheirKeysAndAreLogged) {
    const framework::ListEntry entries[] = {{0, ""}, {3, "DATA_SAPBAS_FOP_CASH"}};
    CZenkorLog log;
    framework::PopulateList(form.dialog, kCombo, entries, log, "Mask", "PopulateControls");
    ASSERT_EQ(form.dialog.itemCount(kCombo), 2);
    EXPECT_EQ(form.dialog.itemText(kCombo, 1), "DATA_SAPBAS_FOP_CASH");
    EXPECT_EQ(form.dialog.itemData(kCombo, 1), 3);
    EXPECT_EQ(recorder.lines,
              std::vector<std::string>{"log error Mask PopulateControls 501 Not able to load "
                                       "resource string DATA_SAPBAS_FOP_CASH"});
}

}  // namespace
