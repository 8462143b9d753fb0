// The XML document over libxml2's tree. The tree is built by libxml2's own SAX2 builder with
// a few of its callbacks replaced: any entity declaration, any reference to an entity that is
// not predefined, and nesting beyond the limit stop the parse and make the text unparseable.
#include "platform/xml/xml_document.h"

#include <libxml/SAX2.h>
#include <libxml/parser.h>
#include <libxml/tree.h>

#include <string>

#include "platform/xml/document_impl.h"
#include "platform/xml/parse_guard.h"

namespace xml {
namespace {

struct BuildState {
    startElementNsSAX2Func start = nullptr;
    endElementNsSAX2Func end = nullptr;
    int depth = 0;
    bool refused = false;
};

BuildState& stateOf(void* ctx) {
    return *static_cast<BuildState*>(static_cast<xmlParserCtxtPtr>(ctx)->_private);
}

void refuse(void* ctx) {
    stateOf(ctx).refused = true;
    xmlStopParser(static_cast<xmlParserCtxtPtr>(ctx));
}

void onEntityDecl(void* ctx, const xmlChar*, int, const xmlChar*, const xmlChar*, xmlChar*) {
    refuse(ctx);
}

void onUnparsedEntityDecl(void* ctx, const xmlChar*, const xmlChar*, const xmlChar*,
                          const xmlChar*) {
    refuse(ctx);
}

void onReference(void* ctx, const xmlChar*) {
    refuse(ctx);
}

void onStartElement(void* ctx, const xmlChar* localname, const xmlChar* prefix, const xmlChar* uri,
                    int nbNamespaces, const xmlChar** namespaces, int nbAttributes, int nbDefaulted,
                    const xmlChar** attributes) {
    BuildState& state = stateOf(ctx);
    if (++state.depth > guard::kMaxDepth || !guard::attributesKnown(nbAttributes, attributes)) {
        refuse(ctx);
        return;
    }
    state.start(ctx, localname, prefix, uri, nbNamespaces, namespaces, nbAttributes, nbDefaulted,
                attributes);
}

void onEndElement(void* ctx, const xmlChar* localname, const xmlChar* prefix, const xmlChar* uri) {
    BuildState& state = stateOf(ctx);
    --state.depth;
    state.end(ctx, localname, prefix, uri);
}

xmlNodePtr asNode(void* node) {
    return static_cast<xmlNodePtr>(node);
}

std::string qualifiedName(const xmlNode* node) {
    std::string name;
    if (node->ns != nullptr && node->ns->prefix != nullptr) {
        name = reinterpret_cast<const char*>(node->ns->prefix);
        name += ':';
    }
    if (node->name != nullptr) {
        name += reinterpret_cast<const char*>(node->name);
    }
    return name;
}

// Whether node is named name, written as prefix:local when it has a prefix.
bool hasName(const xmlNode* node, std::string_view name) {
    const std::string_view local =
        node->name == nullptr ? std::string_view() : reinterpret_cast<const char*>(node->name);
    if (node->ns == nullptr || node->ns->prefix == nullptr) {
        return local == name;
    }
    const std::string_view prefix = reinterpret_cast<const char*>(node->ns->prefix);
    return name.size() == prefix.size() + 1 + local.size() && name.starts_with(prefix) &&
           name[prefix.size()] == ':' && name.ends_with(local);
}

// The next node after node in document order within the subtree of top, or nullptr.
xmlNodePtr nextInOrder(xmlNodePtr node, xmlNodePtr top, bool descend) {
    if (descend && node->type == XML_ELEMENT_NODE && node->children != nullptr) {
        return node->children;
    }
    while (node != nullptr && node != top) {
        if (node->next != nullptr) {
            return node->next;
        }
        node = node->parent;
    }
    return nullptr;
}

}  // namespace

namespace tree {
namespace {

// Elements from node up to the document (node itself counts as 1).
int depthOf(const xmlNode* node) {
    int depth = 0;
    for (; node != nullptr && node->type == XML_ELEMENT_NODE; node = node->parent) {
        ++depth;
    }
    return depth;
}

// Levels of elements in the subtree of an element (a childless element counts as 1).
int heightOf(const xmlNode* top) {
    int deepest = 0;
    int depth = 1;
    const xmlNode* node = top;
    while (node != nullptr) {
        if (node->type == XML_ELEMENT_NODE && depth > deepest) {
            deepest = depth;
        }
        if (node->type == XML_ELEMENT_NODE && node->children != nullptr) {
            node = node->children;
            ++depth;
            continue;
        }
        while (node != nullptr && node != top && node->next == nullptr) {
            node = node->parent;
            --depth;
        }
        node = (node == nullptr || node == top) ? nullptr : node->next;
    }
    return deepest;
}

}  // namespace

bool fitsUnder(const xmlNode* parent, const xmlNode* source) {
    return depthOf(parent) + heightOf(source) <= guard::kMaxDepth;
}

std::string write(xmlDocPtr doc) {
    xmlChar* buffer = nullptr;
    int size = 0;
    xmlDocDumpMemoryEnc(doc, &buffer, &size, "UTF-8");
    if (buffer == nullptr) {
        return {};
    }
    std::string text(reinterpret_cast<const char*>(buffer), size > 0 ? size : 0);
    xmlFree(buffer);
    return text;
}

}  // namespace tree

std::string Element::text() const {
    if (node_ == nullptr) {
        return {};
    }
    xmlChar* content = xmlNodeGetContent(asNode(node_));
    if (content == nullptr) {
        return {};
    }
    std::string text(reinterpret_cast<const char*>(content));
    xmlFree(content);
    return text;
}

std::string Element::name() const {
    return node_ == nullptr ? std::string() : qualifiedName(asNode(node_));
}

std::optional<Document> Document::parse(std::string_view utf8, std::size_t maxBytes) {
    if (!guard::sizeAllowed(utf8, maxBytes)) {
        return std::nullopt;
    }
    guard::ParseScope scope;
    std::unique_ptr<xmlParserCtxt, guard::ContextDeleter> ctxt(xmlNewParserCtxt());
    if (ctxt == nullptr || ctxt->sax == nullptr) {
        return std::nullopt;
    }
    BuildState state;
    xmlSAXHandler* sax = ctxt->sax;
    state.start = sax->startElementNs;
    state.end = sax->endElementNs;
    if (state.start == nullptr || state.end == nullptr) {
        return std::nullopt;
    }
    sax->startElementNs = onStartElement;
    sax->endElementNs = onEndElement;
    sax->entityDecl = onEntityDecl;
    sax->unparsedEntityDecl = onUnparsedEntityDecl;
    sax->reference = onReference;
    sax->getParameterEntity = nullptr;
    sax->externalSubset = nullptr;
    sax->resolveEntity = nullptr;
    sax->serror = guard::silentError;
    ctxt->_private = &state;

    xmlDocPtr raw = xmlCtxtReadMemory(ctxt.get(), utf8.data(), static_cast<int>(utf8.size()),
                                      nullptr, "UTF-8", guard::kParseOptions);
    std::unique_ptr<xmlDoc, Impl::DocDeleter> doc(raw);
    if (doc == nullptr || state.refused || !ctxt->wellFormed) {
        return std::nullopt;
    }
    // The document type declaration goes: with no entities, no defaults applied and no
    // validation it adds nothing to the tree, and written back it would not always read again
    // (declared default values are written unescaped).
    if (xmlDtdPtr dtd = xmlGetIntSubset(doc.get()); dtd != nullptr) {
        xmlUnlinkNode(reinterpret_cast<xmlNodePtr>(dtd));
        xmlFreeDtd(dtd);
    }
    auto impl = std::make_unique<Impl>();
    impl->doc = std::move(doc);
    return Document(std::move(impl));
}

Document::Document(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
Document::Document(Document&&) noexcept = default;
Document& Document::operator=(Document&&) noexcept = default;
Document::~Document() = default;

std::vector<Element> Document::elementsByName(std::string_view name) const {
    std::vector<Element> found;
    if (impl_ == nullptr) {
        return found;
    }
    xmlNodePtr top = reinterpret_cast<xmlNodePtr>(impl_->doc.get());
    for (xmlNodePtr node = top->children; node != nullptr; node = nextInOrder(node, top, true)) {
        if (node->type == XML_ELEMENT_NODE && hasName(node, name)) {
            found.push_back(Element(node));
        }
    }
    return found;
}

bool Document::appendCopy(Element parent, Element fromOther) {
    if (impl_ == nullptr || parent.node_ == nullptr || fromOther.node_ == nullptr) {
        return false;
    }
    xmlNodePtr target = asNode(parent.node_);
    xmlNodePtr source = asNode(fromOther.node_);
    if (target->type != XML_ELEMENT_NODE || target->doc != impl_->doc.get() ||
        source->type != XML_ELEMENT_NODE) {
        return false;
    }
    // The copy must not take the document past the nesting limit, or it could not be read
    // back.
    if (!tree::fitsUnder(target, source)) {
        return false;
    }
    xmlNodePtr copy = xmlDocCopyNode(source, impl_->doc.get(), 1);
    if (copy == nullptr) {
        return false;
    }
    if (xmlAddChild(target, copy) == nullptr) {
        xmlFreeNode(copy);
        return false;
    }
    return true;
}

std::string Document::serialize() const {
    if (impl_ == nullptr) {
        return {};
    }
    return tree::write(impl_->doc.get());
}

}  // namespace xml
