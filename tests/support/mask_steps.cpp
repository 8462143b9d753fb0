#include "tests/support/mask_steps.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/ui/dialog_template.h"

namespace testing_support {

Step Type(int id, std::string text) {
    return [id, text](MaskHarness& m) { m.type(id, text); };
}

Step Select(int list, long code) {
    return [list, code](MaskHarness& m) { m.select(list, code); };
}

Step Click(int id) {
    return [id](MaskHarness& m) { m.click(id); };
}

void Run(MaskHarness& mask, const Steps& steps) {
    for (const Step& step : steps)
        step(mask);
}

std::vector<std::string> Snapshot(MaskHarness& mask, int dialog, const std::set<int>& skipped) {
    std::vector<std::string> lines;
    for (const ui::ControlTemplate& c : ui::findTemplate(dialog)->controls) {
        if (skipped.contains(c.id))
            continue;
        for (const std::string& line : mask.form().dump(c.id))
            lines.push_back(std::to_string(c.id) + " " + line);
    }
    return lines;
}

std::set<int> VisibleControls(MaskHarness& mask, int dialog) {
    std::set<int> ids;
    for (const ui::ControlTemplate& c : ui::findTemplate(dialog)->controls) {
        if (mask.form().isVisible(c.id))
            ids.insert(c.id);
    }
    return ids;
}

void ExpectRefused(MaskHarness& mask, std::string_view title, std::string_view key, int focus,
                   const std::string& section) {
    EXPECT_EQ(mask.recorder().lines,
              std::vector<std::string>{"msgbox [" + std::string(title) + "] " + std::string(key)});
    EXPECT_EQ(mask.form().focus(), focus);
    EXPECT_TRUE(mask.events().empty());
    EXPECT_EQ(mask.home().section(section), "") << "saved after a refusal";
}

std::string Describe(const Typed& row, std::span<const Steps* const> situations) {
    return std::string(row.key != nullptr ? row.key : "to be sent") + " from '" + row.text +
           "' in " + std::to_string(row.field) + ", situation " +
           std::to_string(std::ranges::find(situations, &row.situation) - situations.begin());
}

void ExpectOutcome(MaskHarness& mask, const Typed& row, std::string_view title,
                   const std::string& section) {
    if (row.key == nullptr) {
        EXPECT_EQ(mask.events().size(), 1u) << testing::PrintToString(mask.recorder().lines);
    } else {
        ExpectRefused(mask, title, row.key, row.focus != 0 ? row.focus : row.field, section);
    }
}

}  // namespace testing_support
