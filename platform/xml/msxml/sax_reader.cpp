// The SAX2 reader over MSXML: the text is read into a document as Document::parse reads it,
// then walked in document order. Namespace declarations are not reported as attributes.
#include "platform/xml/sax_reader.h"

#include <string>

#include "platform/com/bstr.h"
#include "platform/xml/msxml/msxml_document.h"

namespace xml {
namespace {

void walk(IXMLDOMNode* node, SaxHandler& handler) {
    const DOMNodeType type = msxml::typeOf(node);
    if (type == NODE_TEXT || type == NODE_CDATA_SECTION) {
        com::Bstr text;
        node->get_text(text.out());
        handler.characters(msxml::toUtf8(text.get()));
        return;
    }
    if (type != NODE_ELEMENT && type != NODE_DOCUMENT)
        return;
    const std::string name = msxml::nodeName(node);
    if (type == NODE_ELEMENT) {
        std::vector<std::pair<std::string, std::string>> owned;
        com::Ptr<IXMLDOMNamedNodeMap> attributes;
        node->get_attributes(attributes.out());
        long count = 0;
        if (attributes)
            attributes->get_length(&count);
        for (long i = 0; i < count; ++i) {
            com::Ptr<IXMLDOMNode> attribute;
            attributes->get_item(i, attribute.out());
            if (!attribute)
                continue;
            std::string key = msxml::nodeName(attribute.get());
            if (key == "xmlns" || key.starts_with("xmlns:"))
                continue;
            com::Bstr value;
            attribute->get_text(value.out());
            owned.emplace_back(std::move(key), msxml::toUtf8(value.get()));
        }
        SaxHandler::Attributes views;
        for (const auto& [key, value] : owned)
            views.emplace_back(key, value);
        handler.startElement(name, views);
    }
    for (const com::Ptr<IXMLDOMNode>& child : msxml::children(node))
        walk(child.get(), handler);
    if (type == NODE_ELEMENT)
        handler.endElement(name);
}

}  // namespace

bool parseSax(std::string_view utf8, SaxHandler& handler, const Limits& limits) {
    if (!measure(utf8).within(limits))
        return false;
    const com::Ptr<IXMLDOMDocument2> doc = msxml::load(utf8);
    if (!doc)
        return false;
    walk(doc.get(), handler);
    return true;
}

}  // namespace xml
