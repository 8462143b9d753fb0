#include "host/control_name.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include "host/resource_symbols.h"
#include "host/suggest.h"

namespace host {
namespace {

std::optional<int> number(std::string_view text) {
    int value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

bool isIdentifier(std::string_view text) {
    auto identifierChar = [](char c) {
        return c == '_' || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
               (c >= '0' && c <= '9');
    };
    return !text.empty() && !(text[0] >= '0' && text[0] <= '9') &&
           std::all_of(text.begin(), text.end(), identifierChar);
}

ControlNameParse failure(std::string why) {
    ControlNameParse parse;
    parse.error = std::move(why);
    return parse;
}

// A control symbol in a dialog (0: no dialog known).
ControlNameParse resolveControlSymbol(std::string_view symbol, int dialog, int prefix) {
    const std::vector<std::string_view> members =
        dialog != 0 ? controlSymbolsOf(dialog) : std::vector<std::string_view>{};
    const auto value = symbolValue(symbol);
    const bool member = std::find(members.begin(), members.end(), symbol) != members.end();
    if (value && (member || members.empty()))
        return {ControlName{prefix, *value}, {}};
    if (value) {
        std::string why = "`" + std::string(symbol) + "` is not on " + describeDialog(dialog);
        const std::vector<int> owners = dialogsUsing(symbol);
        if (!owners.empty())
            why += " but on " + describeDialog(owners.front());
        return failure(why + suggestionFor(symbol, members, "controls"));
    }
    const std::vector<std::string_view> candidates =
        members.empty() ? allControlSymbols() : members;
    std::string why = "no control `" + std::string(symbol) + "`";
    if (dialog != 0)
        why += " on " + describeDialog(dialog);
    return failure(why + suggestionFor(symbol, candidates, "controls"));
}

}  // namespace

std::optional<int> parseDialogName(std::string_view text, std::string& error) {
    if (auto id = number(text); id && *id > 0)
        return id;
    if (isIdentifier(text)) {
        const std::vector<std::string_view> dialogs = dialogSymbols();
        if (std::find(dialogs.begin(), dialogs.end(), text) != dialogs.end())
            return symbolValue(text);
        error = "no dialog `" + std::string(text) + "`" + suggestionFor(text, dialogs, "dialogs");
        return std::nullopt;
    }
    error = "`" + std::string(text) + "` is not a dialog (a number or an IDD_ symbol)";
    return std::nullopt;
}

ControlNameParse parseControlName(std::string_view text, int mainForm) {
    int prefix = 0;
    std::string_view control = text;
    if (const auto colon = text.find(':'); colon != std::string_view::npos) {
        std::string why;
        const auto dialog = parseDialogName(text.substr(0, colon), why);
        if (!dialog)
            return failure(why);
        prefix = *dialog;
        control = text.substr(colon + 1);
    }
    if (const auto id = number(control))
        return {ControlName{prefix, *id}, {}};
    if (isIdentifier(control))
        return resolveControlSymbol(control, prefix != 0 ? prefix : mainForm, prefix);
    return failure("`" + std::string(text) +
                   "` is not a control (a number or a symbol of resource.h, as `controls` lists)");
}

std::string describeDialog(int dialog) {
    const std::string_view symbol = dialogSymbol(dialog);
    if (symbol.empty())
        return "dialog " + std::to_string(dialog);
    return std::string(symbol) + " (" + std::to_string(dialog) + ")";
}

std::string describeControl(int dialog, int control) {
    const std::string_view symbol = controlSymbol(dialog, control);
    if (symbol.empty())
        return "control " + std::to_string(control);
    return std::string(symbol) + " (" + std::to_string(control) + ")";
}

}  // namespace host
