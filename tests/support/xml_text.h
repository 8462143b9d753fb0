// XML texts built for the tests of readers: a piece repeated, elements nested.
#pragma once

#include <string>

namespace testing_support {

inline std::string Repeat(const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

// depth elements, each inside the one before.
inline std::string Nested(int depth) {
    return Repeat("<a>", depth) + Repeat("</a>", depth);
}

}  // namespace testing_support
