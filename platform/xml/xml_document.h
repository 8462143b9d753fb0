// An XML document read from untrusted text: never fetches anything, never expands external
// entities, bounded in size and depth. UTF-8 in and out.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace xml {

class Document;
class GrowingDocument;

// An element of a document; valid while its document lives.
class Element {
  public:
    // The concatenated text content of the element (UTF-8).
    std::string text() const;
    std::string name() const;

  private:
    friend class Document;
    friend class GrowingDocument;
    explicit Element(void* node) : node_(node) {}
    void* node_;
};

class Document {
  public:
    // Answers nullopt for text that is not a well-formed document, carries a DTD with
    // entities, is larger than maxBytes or nests deeper than the limit.
    static std::optional<Document> parse(std::string_view utf8, std::size_t maxBytes = 8u << 20);
    Document(Document&&) noexcept;
    Document& operator=(Document&&) noexcept;
    ~Document();

    // Every element with this name, anywhere in the document, in document order.
    std::vector<Element> elementsByName(std::string_view name) const;
    // Copies an element of another document (with everything inside it) and appends the copy
    // as the last child of parent, an element of this document. Answers false on failure.
    bool appendCopy(Element parent, Element fromOther);
    // The document as text (UTF-8).
    std::string serialize() const;

  private:
    friend class GrowingDocument;
    struct Impl;
    explicit Document(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
};

}  // namespace xml
