// A document kept together with its text, for a text that grows by elements appended under one
// element of it (the anchor): an append writes only the new elements into the text instead of
// writing the whole document again, so a long text grows at the cost of what is added.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/xml/xml_document.h"

namespace xml {

class GrowingDocument {
  public:
    // Reads utf8 as Document::parse does and anchors on its first element named anchorName.
    // Answers nullopt when the text cannot be read, has no such element, or written again
    // would be larger than maxBytes.
    static std::optional<GrowingDocument> parse(std::string_view utf8, std::string_view anchorName,
                                                std::size_t maxBytes = 8u << 20);

    // Appends copies of elements of other documents, in order, as the last children of the
    // anchor: all of them, or none (answering false) when one would nest deeper than a parse
    // accepts or the text would grow past maxBytes.
    bool appendCopies(const std::vector<Element>& elements);

    // The document as UTF-8 text: written again by parse, not the text it was given.
    const std::string& text() const { return text_; }

  private:
    GrowingDocument(Document document, void* anchor, std::size_t maxBytes);
    // Writes the whole document into text_ and finds where the anchor's content ends in it.
    bool writeWhole();

    Document document_;
    void* anchor_;
    std::size_t maxBytes_;
    std::string text_;
    // Where an element appended to the anchor goes in text_ (before the anchor's end tag), or
    // npos when that place is not known and the text is written whole instead.
    std::size_t insertAt_ = std::string::npos;
};

}  // namespace xml
