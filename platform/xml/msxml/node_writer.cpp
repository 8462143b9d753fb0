#include "platform/xml/msxml/node_writer.h"

#include <map>

namespace xml::msxml {
namespace {

std::string escaped(std::string_view text, bool attribute) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += attribute ? "&quot;" : "\"";
                break;
            case '\n':
                out += attribute ? "&#10;" : "\n";
                break;
            case '\r':
                out += attribute ? "&#13;" : "\r";
                break;
            case '\t':
                out += attribute ? "&#9;" : "\t";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string textOf(IXMLDOMNode* node) {
    com::Bstr text;
    node->get_text(text.out());
    return toUtf8(text.get());
}

std::string prefixOf(const std::string& name) {
    const std::size_t colon = name.find(':');
    return colon == std::string::npos ? std::string() : name.substr(0, colon);
}

std::vector<com::Ptr<IXMLDOMNode>> attributesOf(IXMLDOMNode* node) {
    std::vector<com::Ptr<IXMLDOMNode>> all;
    com::Ptr<IXMLDOMNamedNodeMap> map;
    long count = 0;
    if (FAILED(node->get_attributes(map.out())) || !map || FAILED(map->get_length(&count)))
        return all;
    for (long i = 0; i < count; ++i) {
        com::Ptr<IXMLDOMNode> attribute;
        if (SUCCEEDED(map->get_item(i, attribute.out())) && attribute)
            all.push_back(std::move(attribute));
    }
    return all;
}

// The namespaces the names under `node` use (prefix to URI; "" for the default one) less those
// declared under it.
void namespacesUsed(IXMLDOMNode* node, std::map<std::string, std::string>& used,
                    std::map<std::string, bool>& declared) {
    if (typeOf(node) != NODE_ELEMENT)
        return;
    auto use = [&](IXMLDOMNode* named, const std::string& prefix) {
        com::Bstr uri;
        named->get_namespaceURI(uri.out());
        const std::string text = toUtf8(uri.get());
        if (!text.empty() && prefix != "xml" && !used.count(prefix))
            used[prefix] = text;
    };
    for (const com::Ptr<IXMLDOMNode>& attribute : attributesOf(node)) {
        const std::string name = nodeName(attribute.get());
        if (name == "xmlns" || name.starts_with("xmlns:"))
            declared[name == "xmlns" ? std::string() : name.substr(6)] = true;
        else if (!prefixOf(name).empty())
            use(attribute.get(), prefixOf(name));
    }
    use(node, prefixOf(nodeName(node)));
    for (const com::Ptr<IXMLDOMNode>& child : children(node))
        namespacesUsed(child.get(), used, declared);
}

void write(IXMLDOMNode* node, std::string& out, const std::string& inherited) {
    switch (typeOf(node)) {
        case NODE_TEXT:
            out += escaped(textOf(node), false);
            return;
        case NODE_CDATA_SECTION:
            out += "<![CDATA[" + textOf(node) + "]]>";
            return;
        case NODE_COMMENT:
            out += "<!--" + textOf(node) + "-->";
            return;
        case NODE_PROCESSING_INSTRUCTION: {
            const std::string data = textOf(node);
            out += "<?" + nodeName(node) + (data.empty() ? "" : " " + data) + "?>";
            return;
        }
        case NODE_ELEMENT:
            break;
        default:
            return;
    }
    const std::string name = nodeName(node);
    out += "<" + name + inherited;
    for (const com::Ptr<IXMLDOMNode>& attribute : attributesOf(node))
        out +=
            " " + nodeName(attribute.get()) + "=\"" + escaped(textOf(attribute.get()), true) + "\"";
    const std::vector<com::Ptr<IXMLDOMNode>> inside = children(node);
    if (inside.empty()) {
        out += "/>";
        return;
    }
    out += ">";
    for (const com::Ptr<IXMLDOMNode>& child : inside)
        write(child.get(), out, {});
    out += "</" + name + ">";
}

}  // namespace

void writeNode(IXMLDOMNode* node, std::string& out) {
    std::string inherited;
    if (typeOf(node) == NODE_ELEMENT) {
        std::map<std::string, std::string> used;
        std::map<std::string, bool> declared;
        namespacesUsed(node, used, declared);
        for (const auto& [prefix, uri] : used) {
            if (!declared.count(prefix))
                inherited += " xmlns" + (prefix.empty() ? "" : ":" + prefix) + "=\"" +
                             escaped(uri, true) + "\"";
        }
    }
    write(node, out, inherited);
}

}  // namespace xml::msxml
