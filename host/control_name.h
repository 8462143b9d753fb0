// Names of dialogs and controls in scripts: a number or a symbol of resources/resource.h.
//
//     848    IDC_MANVOID_AIRLINE    105:312    IDD_FARE_BASIS:IDC_BAG_1    119:IDC_MANVOID_FARE
//
// A control without "DIALOG:" is on the mask's main form. A control symbol must be one that the
// resource script uses in that dialog (so that a symbol of another form is not taken for the
// control that happens to share its number).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace host {

struct ControlName {
    int dialog = 0;  // 0: the mask's main form
    int control = 0;
};

// Exactly one of name and error (the why, with suggestions for a mistyped symbol).
struct ControlNameParse {
    std::optional<ControlName> name;
    std::string error;
};

// mainForm is the dialog a name without "DIALOG:" means (0 when no mask is made: symbols then
// resolve by their value alone).
ControlNameParse parseControlName(std::string_view text, int mainForm);

// A dialog by number or "IDD_" symbol; none, with the why in error, otherwise.
std::optional<int> parseDialogName(std::string_view text, std::string& error);

// "IDD_ISSMANUALVOIDTKT (119)", or "dialog 105" for a dialog without a symbol.
std::string describeDialog(int dialog);
// "IDC_MANVOID_AIRLINE (848)", or "control 848" for a control without a symbol.
std::string describeControl(int dialog, int control);

}  // namespace host
