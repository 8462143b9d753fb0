// Form values as data for the tests of the host entries: each a text, a list's code or a
// ticked box, set in order over plain values; and the entries they expect, written plainly.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/map_values.h"

namespace testing_support {

using Setting = std::function<void(MapValues&)>;
using Settings = std::vector<Setting>;

inline Setting Text(int id, std::string text) {
    return [id, text = std::move(text)](MapValues& v) { v.texts[id] = text; };
}
inline Setting Code(int id, long code) {
    return [id, code](MapValues& v) { v.choices[id] = code; };
}
inline Setting Ticked(int id) {
    return [id](MapValues& v) { v.boxes.insert(id); };
}

// values with the settings made over them.
template <class Values>
Values Set(Values values, const Settings& settings) {
    for (const Setting& s : settings)
        s(values);
    return values;
}

// An entry written with "|" for the item separator and "!" for the "|" between entries.
inline std::string Sep(std::string text) {
    for (std::size_t at; (at = text.find('|')) != std::string::npos;)
        text.replace(at, 1, "\\u00A5");
    for (std::size_t at; (at = text.find('!')) != std::string::npos;)
        text.replace(at, 1, "|");
    return text;
}

}  // namespace testing_support
