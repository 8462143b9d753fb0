#include "host/form_text.h"

#include <algorithm>
#include <map>

#include "host/script.h"
#include "platform/ui/headless/headless_control.h"
#include "platform/zenkor/log.h"

namespace host {
namespace {

using ui::ControlKind;

constexpr int kUnitsPerColumn = 4;
constexpr int kUnitsPerRow = 8;

// Width on a terminal: one column per code point.
std::size_t columns(std::string_view utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::string padded(std::string text, std::size_t width) {
    const std::size_t have = columns(text);
    if (have < width)
        text.append(width - have, ' ');
    return text;
}

std::string oneLine(std::string_view utf8) {
    std::string line;
    zenkor::appendEscaped(line, utf8);
    return line;
}

std::string title(const FormView& form) {
    std::string text = form.symbol.empty() ? "dialog " + std::to_string(form.id)
                                           : form.symbol + " (" + std::to_string(form.id) + ")";
    if (!form.caption.empty())
        text += " " + quoted(form.caption);
    return text;
}

// The look of a control in the drawing (without its "ID:").
std::string look(const ControlView& c) {
    const std::string text = oneLine(c.text);
    const int inner = std::max(1, c.width / kUnitsPerColumn - 2);
    auto box = [&](std::string content, char fill) {
        const std::size_t have = columns(content);
        if (have < static_cast<std::size_t>(inner))
            content.append(static_cast<std::size_t>(inner) - have, fill);
        return content;
    };
    switch (c.kind) {
        case ControlKind::Edit:
            return "[" + box(text, '_') + "]";
        case ControlKind::Button:
            return "<" + text + ">";
        case ControlKind::CheckBox:
            return std::string(c.checked ? "[x]" : "[ ]") + (text.empty() ? "" : " " + text);
        case ControlKind::Radio:
            return std::string(c.checked ? "(o)" : "( )") + (text.empty() ? "" : " " + text);
        case ControlKind::Link:
            return "_" + text + "_";
        case ControlKind::Combo:
            return "[" + box(text, ' ') + " v]";
        case ControlKind::ListBox:
            return "{" + text + "}";
        case ControlKind::Group:
            return "-- " + text + " --";
        case ControlKind::Custom:
            return "<<" + text + ">>";
        case ControlKind::Static:
            return text;
    }
    return text;
}

std::string idList(const FormView& form, bool (*pick)(const ControlView&)) {
    std::string ids;
    for (const ControlView& c : form.controls) {
        if (!pick(c))
            continue;
        ids += " " + std::to_string(c.id);
        if (!c.symbol.empty())
            ids += " " + c.symbol;
    }
    return ids;
}

}  // namespace

std::vector<std::string> controlTable(const FormView& form) {
    std::vector<std::vector<std::string>> rows = {
        {"ID", "SYMBOL", "KIND", "LIMIT", "ENABLED", "VISIBLE", "LABEL", "TEXT"}};
    for (const ControlView& c : form.controls) {
        rows.push_back({std::to_string(c.id), c.symbol.empty() ? "-" : c.symbol,
                        ui::headless::kindName(c.kind),
                        c.kind == ControlKind::Edit ? std::to_string(c.limit) : "-",
                        c.enabled ? "yes" : "no", c.visible ? "yes" : "no",
                        takesLabel(c) ? quoted(c.label) : "-", quoted(c.text)});
    }
    std::vector<std::size_t> widths(rows.front().size(), 0);
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i)
            widths[i] = std::max(widths[i], columns(row[i]));
    }
    std::vector<std::string> lines = {"controls of " + title(form)};
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t i = 0; i < row.size(); ++i)
            line += i + 1 == row.size() ? row[i] : padded(row[i], widths[i] + 2);
        lines.push_back(std::move(line));
    }
    return lines;
}

std::vector<std::string> drawForm(const FormView& form) {
    // Rows of the picture by the vertical middle of each control (the top of a tall one),
    // left to right in a row.
    std::map<int, std::vector<const ControlView*>> byRow;
    for (const ControlView& c : form.controls) {
        const int middle = c.height <= 2 * kUnitsPerRow ? c.y + c.height / 2 : c.y;
        if (c.visible)
            byRow[std::max(0, middle) / kUnitsPerRow].push_back(&c);
    }
    std::map<int, std::string> rows;
    for (auto& [row, controls] : byRow) {
        std::stable_sort(controls.begin(), controls.end(),
                         [](const ControlView* a, const ControlView* b) { return a->x < b->x; });
        std::string& line = rows[row];
        for (const ControlView* c : controls) {
            const std::size_t column =
                static_cast<std::size_t>(std::max(0, c->x)) / kUnitsPerColumn;
            const std::size_t used = columns(line);
            line = padded(std::move(line), used == 0 ? column : std::max(column, used + 1));
            line += std::to_string(c->id) + ":" + look(*c);
        }
    }
    std::size_t width = static_cast<std::size_t>(std::max(0, form.width)) / kUnitsPerColumn;
    for (const auto& [row, line] : rows)
        width = std::max(width, columns(line) + 1);
    const std::string head = "+- " + title(form) + " ";
    width = std::max(width, columns(head));
    std::vector<std::string> lines = {head + std::string(width + 1 - columns(head), '-') + "+"};
    // A gap of n empty rows shows as n - 1 of them, so that the picture stays compact.
    const int lastRow = rows.empty() ? 0 : rows.rbegin()->first;
    int gap = 0;
    for (int row = 0; row <= lastRow; ++row) {
        const auto found = rows.find(row);
        if (found == rows.end()) {
            ++gap;
            continue;
        }
        for (int i = 1; i < gap; ++i)
            lines.push_back("|" + std::string(width, ' ') + "|");
        gap = 0;
        lines.push_back("|" + padded(found->second, width) + "|");
    }
    lines.push_back("+" + std::string(width, '-') + "+");
    if (std::string ids = idList(form, [](const ControlView& c) { return !c.visible; });
        !ids.empty())
        lines.push_back("hidden:" + ids);
    if (std::string ids =
            idList(form, [](const ControlView& c) { return c.visible && !c.enabled; });
        !ids.empty())
        lines.push_back("disabled:" + ids);
    return lines;
}

}  // namespace host
