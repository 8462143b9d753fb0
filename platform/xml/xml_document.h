// An XML document read from untrusted text: never fetches anything, never expands entities,
// bounded by Limits. UTF-8 in and out.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/xml/limits.h"

namespace xml {

class Document;

// An element of a document; valid while its document lives.
class Element {
  public:
    // The concatenated text content of the element (UTF-8).
    std::string text() const;
    std::string name() const;
    // Levels of elements from the root down to this one (the root is at 1).
    int depth() const;
    // Levels of elements in this one's subtree (a childless element counts as 1).
    int height() const;

  private:
    friend class Document;
    friend class ElementWriter;
    explicit Element(void* node) : node_(node) {}
    void* node_;
};

class Document {
  public:
    // Answers nullopt for text that is not a well-formed document, is refused by the parse
    // guard (declarations in a document type, unknown entities) or goes beyond the limits.
    static std::optional<Document> parse(std::string_view utf8, const Limits& limits = {});
    Document(Document&&) noexcept;
    Document& operator=(Document&&) noexcept;
    ~Document();

    // Every element with this name, anywhere in the document, in document order.
    std::vector<Element> elementsByName(std::string_view name) const;
    // The elements at the end of a path of names, anywhere in the document (//A/B/C: each
    // element a child of the one named before it), in document order.
    std::vector<Element> elementsByPath(std::span<const std::string_view> path) const;
    // The document as text (UTF-8).
    std::string serialize() const;

    // The document as text, and where in it the content of anchor ends: an element written
    // (Element::write) and inserted there is read back as the last child of anchor.
    struct OpenText {
        std::string text;
        std::size_t end = 0;
    };
    std::optional<OpenText> serializeOpenAt(Element anchor);

  private:
    friend class ElementWriter;
    struct Impl;
    explicit Document(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
};

// Writes elements one after the other into one text, each with its content and the namespace
// declarations it needs from outside, so that the text can be inserted into another document.
class ElementWriter {
  public:
    explicit ElementWriter(std::size_t maxBytes);
    ElementWriter(const ElementWriter&) = delete;
    ElementWriter& operator=(const ElementWriter&) = delete;
    ~ElementWriter();

    // Appends element; false when the text would take more than maxBytes or cannot be
    // written (the writer is then done with).
    bool write(Element element);
    const std::string& text() const { return text_; }

  private:
    friend struct ElementWriterOutput;
    std::string text_;
    std::size_t maxBytes_;
    bool failed_ = false;
    void* backend_ = nullptr;  // what the XML backend writes through, if anything
};

}  // namespace xml
