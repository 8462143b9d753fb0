// The one way both XML readers parse untrusted text: measured against the limits first, then
// parsed with libxml2 under the callbacks that refuse what is not safe. Refused are any
// declaration in a document type (entities, elements, attribute lists, notations: no
// document needs them and each costs memory or time), any reference to an entity that is not
// predefined, attribute values holding one, and nesting beyond kMaxDepth. Nothing is fetched.
#pragma once

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <memory>
#include <string>
#include <string_view>

#include "platform/xml/limits.h"

namespace xml::guard {

struct DocDeleter {
    void operator()(xmlDocPtr doc) const { xmlFreeDoc(doc); }
};
using DocPtr = std::unique_ptr<xmlDoc, DocDeleter>;

struct Result {
    bool read = false;  // a well-formed document, read to its end with nothing refused
    DocPtr doc;         // the tree, when the reader builds one
};

// Parses utf8 with the callbacks of reader (libxml2's tree builder or a handler of our own):
// its element callbacks run behind the guard's checks, and reader's own state is handed to
// them as readerState (see readerStateOf).
Result read(std::string_view utf8, const Limits& limits, const xmlSAXHandler& reader,
            void* readerState);

// The readerState given to read(), from the context a callback receives.
void* readerStateOf(void* ctx);
// Ends the parse as refused.
void refuse(void* ctx);

// A libxml2 string as a view ("" for none).
inline std::string_view view(const xmlChar* text) {
    return text == nullptr ? std::string_view() : reinterpret_cast<const char*>(text);
}
// A name as written: prefix:local, or local without a prefix.
std::string qualifiedName(const xmlChar* prefix, const xmlChar* local);

// The value of an attribute as the start-element callback gives it, with the ampersand that
// the callback hands over as "&#38;" given back.
std::string attributeValue(const xmlChar* begin, const xmlChar* end);

}  // namespace xml::guard
