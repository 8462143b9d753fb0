// Form values held in maps, for the tests of the host entries: texts, ticked boxes and list
// codes (0, the empty entry, when none is set).
#pragma once

#include <map>
#include <set>
#include <string>

#include "masks/common/form_values.h"

namespace testing_support {

struct MapValues : masks::EntryValues {
    std::map<int, std::string> texts;
    std::set<int> boxes;
    std::map<int, long> choices;

    std::string text(int id) const override {
        auto it = texts.find(id);
        return it == texts.end() ? "" : it->second;
    }
    bool checked(int id) const override { return boxes.count(id) != 0; }
    long choice(int id) const override {
        auto it = choices.find(id);
        return it == choices.end() ? 0 : it->second;
    }
    // A list shows its code as text, the empty entry "".
    std::string choiceText(int id) const override {
        const long code = choice(id);
        return code == 0 ? "" : std::to_string(code);
    }
};

}  // namespace testing_support
