#include "host/help.h"

#include <algorithm>

#include "host/command_line.h"
#include "host/mask_classes.h"
#include "host/script.h"

namespace host {
namespace {

constexpr std::size_t kUsageWidth = 38;

std::string usageOf(const CommandInfo& c) {
    std::string usage(c.name);
    if (!c.synopsis.empty())
        usage += " " + std::string(c.synopsis);
    return usage;
}

std::string row(const CommandInfo& c) {
    std::string usage = "  " + usageOf(c);
    usage.resize(std::max(kUsageWidth, usage.size() + 2), ' ');
    return usage + std::string(c.summary);
}

std::string joined(const std::vector<std::string_view>& names) {
    std::string text;
    for (std::string_view name : names)
        text += (text.empty() ? "" : ", ") + std::string(name);
    return text;
}

}  // namespace

std::vector<std::string> commandHelp() {
    std::vector<std::string> lines;
    std::optional<CommandGroup> group;
    for (const CommandInfo& c : commandTable()) {
        if (group != c.group) {
            group = c.group;
            lines.push_back(std::string(groupTitle(c.group)) + ":");
        }
        lines.push_back(row(c));
    }
    lines.push_back(
        "A CONTROL is a number or a symbol of resource.h (IDC_...), on the mask's form "
        "or as DIALOG:CONTROL; `controls` lists them.");
    return lines;
}

std::optional<std::vector<std::string>> commandHelp(std::string_view command) {
    const CommandInfo* c = findCommand(command);
    if (c == nullptr)
        return std::nullopt;
    std::vector<std::string> lines = {usageOf(*c), "  " + std::string(c->summary)};
    if (c->needsMask)
        lines.push_back("  needs a mask made by `create`");
    if (c->name == "create")
        for (std::string& line : classHelp())
            lines.push_back("  " + line);
    return lines;
}

std::vector<std::string> classHelp() {
    std::vector<std::string> lines = {"built: " + joined(maskClassNames(true))};
    std::vector<std::string_view> pending;
    for (const MaskClass& c : maskClasses()) {
        if (!c.built)
            pending.push_back(c.name);
    }
    if (!pending.empty())
        lines.push_back("not built yet: " + joined(pending));
    return lines;
}

std::string programHelp() {
    std::string text = usageText() + "\nCommands:\n";
    for (const std::string& line : commandHelp())
        text += "  " + line + "\n";
    text += "\nMask classes:\n";
    for (const std::string& line : classHelp())
        text += "  " + line + "\n";
    return text;
}

}  // namespace host
