#include "host/resource_symbols.h"

namespace host {
namespace {

bool isDialogSymbol(std::string_view name) {
    return name.starts_with("IDD_");
}

bool isControlSymbol(std::string_view name) {
    return name.starts_with("IDC_");
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
        if (isDialogSymbol(s.name) && s.value == dialog)
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
        if (isControlSymbol(s.name) && s.value == control) {
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
    std::vector<std::string_view> names;
    for (const ResourceSymbol& s : resourceSymbols()) {
        if (isDialogSymbol(s.name))
            names.push_back(s.name);
    }
    return names;
}

std::vector<std::string_view> allControlSymbols() {
    std::vector<std::string_view> names;
    for (const ResourceSymbol& s : resourceSymbols()) {
        if (isControlSymbol(s.name))
            names.push_back(s.name);
    }
    return names;
}

}  // namespace host
