#include "platform/xml/limits.h"

#include <algorithm>

namespace xml {
namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Where the text continues after the first `end` from `from` (its end when there is none).
std::size_t after(std::string_view text, std::size_t from, std::string_view end) {
    const std::size_t at = text.find(end, from);
    return at == std::string_view::npos ? text.size() : at + end.size();
}

// Reads a tag from `from` (just after its "<") to its ">", as a parser does: a quoted value
// starts only after "=", and a "<" outside a value ends the tag where a parser gives up on it.
// Answers where the text continues and how many "=" (attributes) the tag has.
std::pair<std::size_t, std::size_t> readTag(std::string_view text, std::size_t from) {
    std::size_t equals = 0;
    std::size_t i = from;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '>')
            return {i + 1, equals};
        if (c == '<')
            return {i, equals};
        ++i;
        if (c != '=')
            continue;
        ++equals;
        while (i < text.size() && isSpace(text[i]))
            ++i;
        if (i < text.size() && (text[i] == '"' || text[i] == '\''))
            i = after(text, i + 1, std::string_view(&text[i], 1));
    }
    return {i, equals};
}

}  // namespace

Markup& Markup::operator+=(const Markup& other) {
    bytes += other.bytes;
    nodes += other.nodes;
    mostAttributes = std::max(mostAttributes, other.mostAttributes);
    return *this;
}

bool Markup::within(const Limits& limits) const {
    return bytes <= limits.maxBytes && nodes <= limits.maxNodes &&
           mostAttributes <= limits.maxAttributes;
}

Markup measure(std::string_view text) {
    Markup markup;
    markup.bytes = text.size();
    std::size_t i = text.find('<');
    while (i < text.size()) {
        const std::string_view rest = text.substr(i);
        if (rest.starts_with("<!--")) {
            ++markup.nodes;
            i = after(text, i + 4, "-->");
        } else if (rest.starts_with("<![CDATA[")) {
            ++markup.nodes;
            i = after(text, i + 9, "]]>");
        } else if (rest.starts_with("<?")) {
            ++markup.nodes;
            i = after(text, i + 2, "?>");
        } else if (rest.starts_with("</")) {
            i = readTag(text, i + 2).first;  // an end tag adds nothing
        } else {
            // A start tag, or a declaration (its "=" count as attributes too).
            const auto [next, attributes] = readTag(text, i + 1);
            markup.nodes += 1 + attributes;
            markup.mostAttributes = std::max(markup.mostAttributes, attributes);
            i = next;
        }
        i = text.find('<', i);
    }
    return markup;
}

}  // namespace xml
