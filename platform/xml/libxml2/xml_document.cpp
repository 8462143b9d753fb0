// The XML document over libxml2's tree, built by libxml2's own SAX2 builder behind the parse
// guard.
#include "platform/xml/xml_document.h"

#include <libxml/SAX2.h>
#include <libxml/tree.h>
#include <libxml/xmlsave.h>

#include <algorithm>

#include "platform/xml/libxml2/parse_guard.h"
#include "platform/xml/open_mark.h"

namespace xml {

struct Document::Impl {
    guard::DocPtr doc;
};

namespace {

xmlNodePtr asNode(void* node) {
    return static_cast<xmlNodePtr>(node);
}

using guard::view;

// Whether node is named name, written as prefix:local when it has a prefix.
bool hasName(const xmlNode* node, std::string_view name) {
    const std::string_view local = view(node->name);
    if (node->ns == nullptr || node->ns->prefix == nullptr)
        return local == name;
    const std::string_view prefix = view(node->ns->prefix);
    return name.size() == prefix.size() + 1 + local.size() && name.starts_with(prefix) &&
           name[prefix.size()] == ':' && name.ends_with(local);
}

// The next node after node in document order within the subtree of top, or nullptr.
xmlNodePtr nextInOrder(xmlNodePtr node, xmlNodePtr top) {
    if (node->type == XML_ELEMENT_NODE && node->children != nullptr)
        return node->children;
    while (node != nullptr && node != top) {
        if (node->next != nullptr)
            return node->next;
        node = node->parent;
    }
    return nullptr;
}

std::string write(xmlDocPtr doc) {
    xmlChar* buffer = nullptr;
    int size = 0;
    xmlDocDumpMemoryEnc(doc, &buffer, &size, "UTF-8");
    if (buffer == nullptr)
        return {};
    std::string text(reinterpret_cast<const char*>(buffer), size > 0 ? size : 0);
    xmlFree(buffer);
    return text;
}

}  // namespace

std::string Element::text() const {
    xmlChar* content = xmlNodeGetContent(asNode(node_));
    if (content == nullptr)
        return {};
    std::string text(reinterpret_cast<const char*>(content));
    xmlFree(content);
    return text;
}

std::string Element::name() const {
    const xmlNodePtr node = asNode(node_);
    return guard::qualifiedName(node->ns != nullptr ? node->ns->prefix : nullptr, node->name);
}

int Element::depth() const {
    int depth = 0;
    for (xmlNodePtr node = asNode(node_); node != nullptr && node->type == XML_ELEMENT_NODE;
         node = node->parent) {
        ++depth;
    }
    return depth;
}

int Element::height() const {
    const xmlNodePtr top = asNode(node_);
    int deepest = 0;
    int level = 1;
    for (xmlNodePtr node = top; node != nullptr;) {
        const bool element = node->type == XML_ELEMENT_NODE;
        if (element)
            deepest = std::max(deepest, level);
        if (element && node->children != nullptr) {
            node = node->children;
            ++level;
            continue;
        }
        for (; node != top && node->next == nullptr; --level)
            node = node->parent;
        node = node == top ? nullptr : node->next;
    }
    return deepest;
}

std::optional<Document> Document::parse(std::string_view utf8, const Limits& limits) {
    xmlSAXHandler builder{};
    xmlSAXVersion(&builder, 2);
    guard::Result result = guard::read(utf8, limits, builder, nullptr);
    if (!result.read || result.doc == nullptr)
        return std::nullopt;
    // The document type declaration goes: it has no declarations (the guard refuses them),
    // so it adds nothing to the tree.
    if (xmlDtdPtr dtd = xmlGetIntSubset(result.doc.get()); dtd != nullptr) {
        xmlUnlinkNode(reinterpret_cast<xmlNodePtr>(dtd));
        xmlFreeDtd(dtd);
    }
    auto impl = std::make_unique<Impl>();
    impl->doc = std::move(result.doc);
    return Document(std::move(impl));
}

Document::Document(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
Document::Document(Document&&) noexcept = default;
Document& Document::operator=(Document&&) noexcept = default;
Document::~Document() = default;

std::vector<Element> Document::elementsByName(std::string_view name) const {
    std::vector<Element> found;
    xmlNodePtr top = reinterpret_cast<xmlNodePtr>(impl_->doc.get());
    for (xmlNodePtr node = top->children; node != nullptr; node = nextInOrder(node, top)) {
        if (node->type == XML_ELEMENT_NODE && hasName(node, name))
            found.push_back(Element(node));
    }
    return found;
}

std::vector<Element> Document::elementsByPath(std::span<const std::string_view> path) const {
    std::vector<Element> found;
    if (path.empty())
        return found;
    for (Element e : elementsByName(path.back())) {
        const xmlNode* node = asNode(e.node_);
        bool matches = true;
        for (std::size_t i = path.size() - 1; matches && i > 0; --i) {
            node = node->parent;
            matches =
                node != nullptr && node->type == XML_ELEMENT_NODE && hasName(node, path[i - 1]);
        }
        if (matches)
            found.push_back(e);
    }
    return found;
}

std::string Document::serialize() const {
    return write(impl_->doc.get());
}

// The end of the anchor's content is found by writing the document with a processing
// instruction as the anchor's last child, whose target the text does not hold otherwise.
std::optional<Document::OpenText> Document::serializeOpenAt(Element anchor) {
    xmlDocPtr doc = impl_->doc.get();
    const std::string target = unusedMarkTarget(write(doc));
    const auto* name = reinterpret_cast<const xmlChar*>(target.c_str());
    xmlNodePtr mark = xmlNewDocPI(doc, name, nullptr);
    if (mark == nullptr)
        return std::nullopt;
    if (xmlAddChild(asNode(anchor.node_), mark) == nullptr) {
        xmlFreeNode(mark);
        return std::nullopt;
    }
    OpenText open{write(doc), 0};
    xmlUnlinkNode(mark);
    xmlFreeNode(mark);
    const std::string written = "<?" + target + "?>";
    open.end = open.text.find(written);
    if (open.end == std::string::npos)
        return std::nullopt;
    open.text.erase(open.end, written.size());
    return open;
}

// Past the limit nothing more is kept; the writer carries on without an error to report.
struct ElementWriterOutput {
    static int append(void* context, const char* bytes, int length) {
        auto& writer = *static_cast<ElementWriter*>(context);
        const auto size = static_cast<std::size_t>(length);
        if (writer.failed_ || size > writer.maxBytes_ - writer.text_.size()) {
            writer.failed_ = true;
        } else {
            writer.text_.append(bytes, size);
        }
        return length;
    }
};

ElementWriter::ElementWriter(std::size_t maxBytes)
    : maxBytes_(maxBytes),
      backend_(xmlSaveToIO(ElementWriterOutput::append, nullptr, this, "UTF-8", 0)) {
    failed_ = backend_ == nullptr;
}

ElementWriter::~ElementWriter() {
    if (backend_ != nullptr)
        xmlSaveClose(static_cast<xmlSaveCtxtPtr>(backend_));
}

bool ElementWriter::write(Element element) {
    if (failed_)
        return false;
    const xmlNodePtr source = asNode(element.node_);
    // A copy outside the tree carries the declarations of the namespaces it uses.
    xmlNodePtr copy = xmlDocCopyNode(source, source->doc, 1);
    if (copy == nullptr) {
        failed_ = true;
        return false;
    }
    auto* save = static_cast<xmlSaveCtxtPtr>(backend_);
    if (xmlSaveTree(save, copy) < 0 || xmlSaveFlush(save) < 0)
        failed_ = true;
    xmlFreeNode(copy);
    return !failed_;
}

}  // namespace xml
