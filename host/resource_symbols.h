// The names of resources/resource.h, so that scripts and listings can call dialogs and controls
// by their symbols ("IDC_MANVOID_AIRLINE") as well as by number. The tables are generated at
// build time from the header and the resource scripts, so they cannot drift from them.
#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace host {

struct ResourceSymbol {
    std::string_view name;
    int value;
};

// A control symbol that a dialog of the resource scripts uses (both as names).
struct DialogControlSymbol {
    std::string_view dialog;
    std::string_view control;
};

// Generated: every "#define ID..." of the header, in header order.
std::span<const ResourceSymbol> resourceSymbols();
// Generated: the control symbols of each dialog, in script order.
std::span<const DialogControlSymbol> dialogControlSymbols();

// The value of a symbol, or none.
std::optional<int> symbolValue(std::string_view name);
// The symbol of a dialog template ("IDD_..." with that value), or "".
std::string_view dialogSymbol(int dialog);
// The symbol that names a control of a dialog, or "": the one the resource script uses in that
// dialog, else the only control symbol with that value.
std::string_view controlSymbol(int dialog, int control);
// The control symbols the resource script uses in a dialog (empty when it names none).
std::vector<std::string_view> controlSymbolsOf(int dialog);
// The dialogs whose script uses a control symbol.
std::vector<int> dialogsUsing(std::string_view controlSymbol);
// Every dialog symbol, and every control symbol, in header order.
std::vector<std::string_view> dialogSymbols();
std::vector<std::string_view> allControlSymbols();

}  // namespace host
