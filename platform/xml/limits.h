// What one read of untrusted XML may cost. A text is measured before it is parsed, so that no
// text within the limits keeps a parser busy or holds much memory for long: what the parser
// does per attribute and per node is bounded by the counts below.
#pragma once

#include <cstddef>
#include <string_view>

namespace xml {

// Deepest element nesting a document may have (the root element is at depth 1).
inline constexpr int kMaxDepth = 256;

struct Limits {
    std::size_t maxBytes = 8u << 20;
    // Elements, attributes, comments, processing instructions, CDATA sections and declarations
    // together (each of them is a node of the parsed tree; text nodes lie between them).
    std::size_t maxNodes = 100'000;
    // Attributes of one element.
    std::size_t maxAttributes = 64;
};

// What a text holds, counted from its markup without reading it as XML: an upper bound of what
// a parse of a well-formed text builds, and close to it for a malformed one.
struct Markup {
    std::size_t bytes = 0;
    std::size_t nodes = 0;
    std::size_t mostAttributes = 0;  // on one element

    // What two texts written one after the other hold.
    Markup& operator+=(const Markup& other);
    bool within(const Limits& limits) const;
};

Markup measure(std::string_view text);

}  // namespace xml
