// A SAX2 reader over untrusted XML: element and character callbacks only, no entity
// callbacks, nothing fetched, bounded by Limits.
#pragma once

#include <string_view>
#include <utility>
#include <vector>

#include "platform/xml/limits.h"

namespace xml {

class SaxHandler {
  public:
    virtual ~SaxHandler() = default;
    using Attributes = std::vector<std::pair<std::string_view, std::string_view>>;
    virtual void startElement(std::string_view name, const Attributes& attributes) {
        (void)name, (void)attributes;
    }
    virtual void endElement(std::string_view name) { (void)name; }
    // Text content, possibly in several pieces (UTF-8).
    virtual void characters(std::string_view text) { (void)text; }
};

// Reads utf8 to its end, calling handler. Answers false when the text is not well-formed, is
// refused by the parse guard (declarations in a document type, unknown entities) or goes beyond
// the limits (callbacks made so far stand). An exception of the handler ends the parse and
// reaches the caller.
bool parseSax(std::string_view utf8, SaxHandler& handler, const Limits& limits = {});

}  // namespace xml
