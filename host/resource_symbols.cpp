#include "host/resource_symbols.h"

namespace host {
namespace {

constexpr std::string_view kDialogPrefix = "IDD_";
constexpr std::string_view kControlPrefix = "IDC_";

std::vector<std::string_view> symbolsStartingWith(std::string_view prefix) {
    std::vector<std::string_view> names;
    for (const ResourceSymbol& s : resourceSymbols()) {
        if (s.name.starts_with(prefix))
            names.push_back(s.name);
    }
    return names;
}

}  // namespace

std::optional<int> symbolValue(std::string_view name) {
    for (const ResourceSymbol& s : resourceSymbols()) {
        if (s.name == name)
            return s.value;
    }
    return std::nullopt;
}

std::string_view dialogSymbol(int dialog) {
    for (const ResourceSymbol& s : resourceSymbols()) {
        if (s.name.starts_with(kDialogPrefix) && s.value == dialog)
            return s.name;
    }
    return {};
}

std::string_view controlSymbol(int dialog, int control) {
    for (std::string_view name : controlSymbolsOf(dialog)) {
        if (symbolValue(name) == control)
            return name;
    }
    std::string_view only;
    for (const ResourceSymbol& s : resourceSymbols()) {
        if (s.name.starts_with(kControlPrefix) && s.value == control) {
            if (!only.empty())
                return {};
            only = s.name;
        }
    }
    return only;
}

std::vector<std::string_view> controlSymbolsOf(int dialog) {
    std::vector<std::string_view> names;
    const std::string_view dialogName = dialogSymbol(dialog);
    if (dialogName.empty())
        return names;
    for (const DialogControlSymbol& p : dialogControlSymbols()) {
        if (p.dialog == dialogName)
            names.push_back(p.control);
    }
    return names;
}

std::vector<int> dialogsUsing(std::string_view control) {
    std::vector<int> dialogs;
    for (const DialogControlSymbol& p : dialogControlSymbols()) {
        if (p.control == control) {
            if (auto value = symbolValue(p.dialog))
                dialogs.push_back(*value);
        }
    }
    return dialogs;
}

std::vector<std::string_view> dialogSymbols() {
    return symbolsStartingWith(kDialogPrefix);
}

std::vector<std::string_view> allControlSymbols() {
    return symbolsStartingWith(kControlPrefix);
}

}  // namespace host
