#include "host/completion.h"

#include <algorithm>

#include "host/control_name.h"
#include "host/mask_classes.h"
#include "host/resource_symbols.h"
#include "host/script.h"

namespace host {
namespace {

constexpr std::string_view kControlCommands[] = {"type", "select",   "pick", "click",
                                                 "key",  "dblclick", "dump", "expect"};

std::vector<std::string_view> words(std::string_view line) {
    std::vector<std::string_view> out;
    std::size_t pos = 0;
    while (pos < line.size()) {
        const std::size_t start = line.find_first_not_of(" \t", pos);
        if (start == std::string_view::npos)
            break;
        const std::size_t end = std::min(line.find_first_of(" \t", start), line.size());
        out.push_back(line.substr(start, end - start));
        pos = end;
    }
    if (line.empty() || line.back() == ' ' || line.back() == '\t')
        out.emplace_back();
    return out;
}

// The control names that may stand where `word` is typed.
std::vector<std::string> controlNames(std::string_view word, int mainForm) {
    std::vector<std::string> names;
    const std::size_t colon = word.find(':');
    if (colon == std::string_view::npos) {
        for (std::string_view symbol : controlSymbolsOf(mainForm))
            names.emplace_back(symbol);
        for (std::string_view dialog : dialogSymbols())
            names.push_back(std::string(dialog) + ":");
        return names;
    }
    std::string why;
    const std::string_view prefix = word.substr(0, colon + 1);
    if (const auto dialog = parseDialogName(word.substr(0, colon), why)) {
        for (std::string_view symbol : controlSymbolsOf(*dialog))
            names.push_back(std::string(prefix) + std::string(symbol));
    }
    return names;
}

}  // namespace

std::vector<std::string> completionsFor(std::string_view lineBeforeCursor, int mainForm) {
    const std::vector<std::string_view> typed = words(lineBeforeCursor);
    const std::string_view word = typed.back();
    const std::size_t position = typed.size() - 1;
    const std::string_view command = typed.front();
    std::vector<std::string> all;
    auto add = [&all](const auto& names) {
        for (const auto& name : names)
            all.emplace_back(name);
    };
    const bool controlCommand = std::find(std::begin(kControlCommands), std::end(kControlCommands),
                                          command) != std::end(kControlCommands);
    if (position == 0 || (command == "help" && position == 1)) {
        for (const CommandInfo& c : commandTable())
            all.emplace_back(c.name);
    } else if (command == "create" && position == 1) {
        add(maskClassNames(false));
    } else if ((command == "controls" || command == "draw") && position == 1) {
        add(dialogSymbols());
    } else if (command == "ini" && position == 1) {
        add(std::vector<std::string_view>{"Quorvex.ini", "ZenkorMain.ini"});
    } else if (command == "key" && position == 2) {
        for (const KeyName& k : keyTable())
            all.emplace_back(k.name);
    } else if (controlCommand && position == 1) {
        add(controlNames(word, mainForm));
    }
    std::vector<std::string> matching;
    for (std::string& name : all) {
        if (name.starts_with(word))
            matching.push_back(std::move(name));
    }
    return matching;
}

}  // namespace host
