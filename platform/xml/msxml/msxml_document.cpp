// The XML document over MSXML's DOM (DOMDocument 6.0, else 3.0): nothing fetched, no DTD
// applied, and what MSXML would expand refused beforehand.
#include "platform/xml/msxml/msxml_document.h"

#include <algorithm>
#include <string>

#include "platform/com/bstr.h"
#include "platform/text/codepage.h"
#include "platform/xml/msxml/node_writer.h"
#include "platform/xml/msxml/safe_text.h"
#include "platform/xml/open_mark.h"

namespace xml {
namespace msxml {

com::Bstr bstr(std::u16string_view text) {
    return com::Bstr(text);
}

namespace {

// {88D96A05-F192-11D4-A65F-0040963251E5} and {F5078F32-C551-11D3-89B9-0000F81FE221}.
constexpr CLSID kDomDocument60 = {
    0x88d96a05, 0xf192, 0x11d4, {0xa6, 0x5f, 0x00, 0x40, 0x96, 0x32, 0x51, 0xe5}};
constexpr CLSID kDomDocument30 = {
    0xf5078f32, 0xc551, 0x11d3, {0x89, 0xb9, 0x00, 0x00, 0xf8, 0x1f, 0xe2, 0x21}};
// IXMLDOMDocument2, {2933BF95-7B36-11D2-B20E-00C04F983E60}.
constexpr IID kDomDocument2 = {
    0x2933bf95, 0x7b36, 0x11d2, {0xb2, 0x0e, 0x00, 0xc0, 0x4f, 0x98, 0x3e, 0x60}};

com::Ptr<IXMLDOMDocument2> createDocument() {
    // The masks live in the host's apartment; a thread of our own (a test) joins one here.
    static thread_local const HRESULT joined = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    (void)joined;
    com::Ptr<IXMLDOMDocument2> doc;
    for (const CLSID& clsid : {kDomDocument60, kDomDocument30}) {
        if (SUCCEEDED(::CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, kDomDocument2,
                                         reinterpret_cast<void**>(doc.out())))) {
            break;
        }
    }
    if (!doc)
        return doc;
    doc->put_async(VARIANT_FALSE);
    doc->put_validateOnParse(VARIANT_FALSE);
    doc->put_resolveExternals(VARIANT_FALSE);
    doc->put_preserveWhiteSpace(VARIANT_TRUE);
    VARIANT no;
    ::VariantInit(&no);
    no.vt = VT_BOOL;
    no.boolVal = VARIANT_FALSE;
    // A DOCTYPE without entities is taken (the text was checked for entities before).
    doc->setProperty(bstr(u"ProhibitDTD").get(), no);
    doc->setProperty(bstr(u"AllowDocumentFunction").get(), no);
    doc->setProperty(bstr(u"AllowXsltScript").get(), no);
    return doc;
}

}  // namespace

std::string toUtf8(BSTR text) {
    return text::fromUtf16(com::Bstr::view(text), text::kUtf8);
}

std::string nodeName(IXMLDOMNode* node) {
    com::Bstr name;
    node->get_nodeName(name.out());
    return toUtf8(name.get());
}

int depthBelow(IXMLDOMNode* node) {
    int deepest = 0;
    for (const com::Ptr<IXMLDOMNode>& child : children(node)) {
        if (typeOf(child.get()) == NODE_ELEMENT)
            deepest = std::max(deepest, depthBelow(child.get()));
    }
    return deepest + 1;
}

std::vector<com::Ptr<IXMLDOMNode>> children(IXMLDOMNode* node) {
    std::vector<com::Ptr<IXMLDOMNode>> all;
    com::Ptr<IXMLDOMNodeList> list;
    long count = 0;
    if (FAILED(node->get_childNodes(list.out())) || !list || FAILED(list->get_length(&count)))
        return all;
    for (long i = 0; i < count; ++i) {
        com::Ptr<IXMLDOMNode> child;
        if (SUCCEEDED(list->get_item(i, child.out())) && child)
            all.push_back(std::move(child));
    }
    return all;
}

DOMNodeType typeOf(IXMLDOMNode* node) {
    DOMNodeType type = NODE_INVALID;
    node->get_nodeType(&type);
    return type;
}

void collectElements(IXMLDOMNode* node, std::string_view name,
                     std::vector<com::Ptr<IXMLDOMNode>>& found) {
    for (const com::Ptr<IXMLDOMNode>& child : children(node)) {
        if (typeOf(child.get()) == NODE_ELEMENT) {
            if (nodeName(child.get()) == name)
                found.push_back(child);
            collectElements(child.get(), name, found);
        }
    }
}

int depthOf(IXMLDOMNode* node) {
    int depth = 0;
    com::Ptr<IXMLDOMNode> at(node);
    while (at) {
        DOMNodeType type = NODE_INVALID;
        at->get_nodeType(&type);
        if (type != NODE_ELEMENT)
            break;
        ++depth;
        com::Ptr<IXMLDOMNode> parent;
        at->get_parentNode(parent.out());
        at = std::move(parent);
    }
    return depth;
}

com::Ptr<IXMLDOMDocument2> load(std::string_view utf8) {
    if (!safeText(utf8, kMaxDepth))
        return {};
    com::Ptr<IXMLDOMDocument2> doc = createDocument();
    if (!doc)
        return {};
    const com::Bstr source(text::toUtf16(utf8, text::kUtf8));
    VARIANT_BOOL loaded = VARIANT_FALSE;
    if (FAILED(doc->loadXML(source.get(), &loaded)) || loaded != VARIANT_TRUE)
        return {};
    com::Ptr<IXMLDOMElement> root;
    if (FAILED(doc->get_documentElement(root.out())) || !root)
        return {};
    // Nesting is counted from the root element, whose depth is 1.
    if (depthBelow(root.get()) > kMaxDepth)
        return {};
    return doc;
}

}  // namespace msxml

std::string Element::text() const {
    com::Bstr value;
    static_cast<IXMLDOMNode*>(node_)->get_text(value.out());
    return msxml::toUtf8(value.get());
}

std::string Element::name() const {
    return msxml::nodeName(static_cast<IXMLDOMNode*>(node_));
}

int Element::depth() const {
    return msxml::depthOf(static_cast<IXMLDOMNode*>(node_));
}

int Element::height() const {
    return msxml::depthBelow(static_cast<IXMLDOMNode*>(node_));
}

Document::Document(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
Document::Document(Document&&) noexcept = default;
Document& Document::operator=(Document&&) noexcept = default;
Document::~Document() = default;

std::optional<Document> Document::parse(std::string_view utf8, const Limits& limits) {
    if (!measure(utf8).within(limits))
        return std::nullopt;
    com::Ptr<IXMLDOMDocument2> doc = msxml::load(utf8);
    if (!doc)
        return std::nullopt;
    auto impl = std::make_unique<Impl>();
    impl->doc = std::move(doc);
    return Document(std::move(impl));
}

std::vector<Element> Document::elementsByName(std::string_view name) const {
    // By the name as written, prefix and all (the DOM's own lookup goes by the local name).
    std::vector<com::Ptr<IXMLDOMNode>> found;
    msxml::collectElements(impl_->doc.get(), name, found);
    std::vector<Element> elements;
    for (com::Ptr<IXMLDOMNode>& node : found) {
        elements.push_back(Element(node.get()));
        impl_->handedOut.push_back(std::move(node));
    }
    return elements;
}

std::vector<Element> Document::elementsByPath(std::span<const std::string_view> path) const {
    std::vector<Element> elements;
    if (path.empty())
        return elements;
    std::vector<com::Ptr<IXMLDOMNode>> found;
    msxml::collectElements(impl_->doc.get(), path.back(), found);
    for (com::Ptr<IXMLDOMNode>& node : found) {
        com::Ptr<IXMLDOMNode> at(node.get());
        bool matches = true;
        for (std::size_t i = path.size() - 1; matches && i > 0; --i) {
            com::Ptr<IXMLDOMNode> parent;
            at->get_parentNode(parent.out());
            matches = parent && msxml::typeOf(parent.get()) == NODE_ELEMENT &&
                      msxml::nodeName(parent.get()) == path[i - 1];
            at = std::move(parent);
        }
        if (matches) {
            elements.push_back(Element(node.get()));
            impl_->handedOut.push_back(std::move(node));
        }
    }
    return elements;
}

// The document's nodes as text, but for its document type: what a parse takes from it was
// taken already, and the DOM writes its declarations back unescaped.
std::string Document::serialize() const {
    std::string text;
    for (const com::Ptr<IXMLDOMNode>& child : msxml::children(impl_->doc.get())) {
        if (msxml::typeOf(child.get()) != NODE_DOCUMENT_TYPE)
            msxml::writeNode(child.get(), text);
    }
    return text;
}

// The end of the anchor's content is found by writing the document with a processing
// instruction as the anchor's last child, whose target the text does not hold otherwise.
std::optional<Document::OpenText> Document::serializeOpenAt(Element anchor) {
    auto* parent = static_cast<IXMLDOMNode*>(anchor.node_);
    const std::string target = unusedMarkTarget(serialize());
    com::Ptr<IXMLDOMProcessingInstruction> mark;
    com::Ptr<IXMLDOMNode> added;
    if (FAILED(impl_->doc->createProcessingInstruction(
            msxml::bstr(text::toUtf16(target, text::kUtf8)).get(), msxml::bstr(u"").get(),
            mark.out())) ||
        !mark || FAILED(parent->appendChild(mark.get(), added.out())) || !added) {
        return std::nullopt;
    }
    OpenText open{serialize(), 0};
    com::Ptr<IXMLDOMNode> removed;
    parent->removeChild(added.get(), removed.out());
    // The instruction is written "<?target?>" or, by some parsers, with a blank before "?>".
    open.end = open.text.find("<?" + target);
    const std::size_t close =
        open.end == std::string::npos ? open.end : open.text.find("?>", open.end);
    if (close == std::string::npos)
        return std::nullopt;
    open.text.erase(open.end, close + 2 - open.end);
    return open;
}

ElementWriter::ElementWriter(std::size_t maxBytes) : maxBytes_(maxBytes) {}

ElementWriter::~ElementWriter() = default;

bool ElementWriter::write(Element element) {
    if (failed_)
        return false;
    std::string utf8;
    msxml::writeNode(static_cast<IXMLDOMNode*>(element.node_), utf8);
    if (utf8.size() > maxBytes_ - text_.size()) {
        failed_ = true;
        return false;
    }
    text_ += utf8;
    return true;
}

}  // namespace xml
