#include "platform/xml/msxml/safe_text.h"

#include "platform/text/codepage.h"

namespace xml::msxml {
namespace {

// Well-formed UTF-8 without NUL.
bool validUtf8(std::string_view text) {
    return text.find('\0') == std::string_view::npos && text::utf8ToUtf16Strict(text).has_value();
}

bool isHex(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// The length of the reference at text[0] == '&', or 0 when it is not one we allow.
std::size_t allowedReference(std::string_view text) {
    for (std::string_view known : {"&amp;", "&lt;", "&gt;", "&quot;", "&apos;"}) {
        if (text.starts_with(known))
            return known.size();
    }
    std::size_t i = 1;
    const bool hex = text.substr(i).starts_with("#x");
    if (!hex && !text.substr(i).starts_with("#"))
        return 0;
    i += hex ? 2 : 1;
    const std::size_t digits = i;
    while (i < text.size() && (hex ? isHex(text[i]) : (text[i] >= '0' && text[i] <= '9')))
        ++i;
    return i > digits && i < text.size() && text[i] == ';' ? i + 1 : 0;
}

// The length of the tag at text[0] == '<' up to its '>', quoted values skipped; 0 when it
// does not end.
std::size_t tagLength(std::string_view text) {
    char quote = 0;
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (quote != 0) {
            if (text[i] == quote)
                quote = 0;
        } else if (text[i] == '"' || text[i] == '\'') {
            quote = text[i];
        } else if (text[i] == '>') {
            return i + 1;
        }
    }
    return 0;
}

bool startsName(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == ':' ||
           static_cast<unsigned char>(c) >= 0x80;
}

// A declaration of the internal subset: none is taken, as the libxml2 layer takes none.
bool declaration(std::string_view text) {
    for (std::string_view keyword : {"<!ENTITY", "<!ELEMENT", "<!ATTLIST", "<!NOTATION"}) {
        if (text.starts_with(keyword))
            return true;
    }
    return false;
}

}  // namespace

bool safeText(std::string_view utf8, int maxDepth) {
    if (!validUtf8(utf8))
        return false;
    int depth = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::string_view rest = utf8.substr(i);
        std::string_view closing;
        if (rest.size() > 1 && rest[0] == '<' && (startsName(rest[1]) || rest[1] == '/')) {
            const std::size_t length = tagLength(rest);
            if (length == 0)
                return false;
            if (rest[1] == '/') {
                --depth;
            } else if (rest[length - 2] != '/' && ++depth > maxDepth) {
                return false;
            }
            // References inside the tag (in attribute values) are checked like any other.
            for (std::size_t k = 0; k < length; ++k) {
                if (rest[k] == '&') {
                    const std::size_t reference = allowedReference(rest.substr(k));
                    if (reference == 0)
                        return false;
                    k += reference - 1;
                }
            }
            i += length;
            continue;
        }
        if (rest.starts_with("<!--")) {
            closing = "-->";
        } else if (rest.starts_with("<![CDATA[")) {
            closing = "]]>";
        } else if (declaration(rest)) {
            return false;
        } else if (rest.front() == '&') {
            const std::size_t length = allowedReference(rest);
            if (length == 0)
                return false;
            i += length;
            continue;
        }
        if (!closing.empty()) {
            const std::size_t end = rest.find(closing, 4);
            if (end == std::string_view::npos)
                return false;
            i += end + closing.size();
            continue;
        }
        ++i;
    }
    return true;
}

}  // namespace xml::msxml
