// The MSXML side of a document, shared by the files of the Windows XML layer.
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <msxml2.h>

#include <string>
#include <string_view>
#include <vector>

#include "platform/com/bstr.h"
#include "platform/com/com_ptr.h"
#include "platform/xml/xml_document.h"

namespace xml {

struct Document::Impl {
    com::Ptr<IXMLDOMDocument2> doc;
    // Every node handed out as an Element, kept alive as long as the document.
    mutable std::vector<com::Ptr<IXMLDOMNode>> handedOut;
};

namespace msxml {

com::Bstr bstr(std::u16string_view text);

// Reads untrusted text into a new document: refuses text that is not UTF-8, holds a NUL,
// declares an entity or refers to one other than the five predefined ones, nests deeper than
// the limit, or is not well-formed. Nothing is fetched.
com::Ptr<IXMLDOMDocument2> load(std::string_view utf8);

// The depth of the deepest element under node (1 for an element without child elements).
int depthBelow(IXMLDOMNode* node);
// The depth of node itself (1 for the root element).
int depthOf(IXMLDOMNode* node);

// Every element under node whose name (prefix and all) is name, in document order.
void collectElements(IXMLDOMNode* node, std::string_view name,
                     std::vector<com::Ptr<IXMLDOMNode>>& found);

// The children of a node, in order (by the node's list of children: the DOM's sibling links
// stop at a document type).
std::vector<com::Ptr<IXMLDOMNode>> children(IXMLDOMNode* node);
DOMNodeType typeOf(IXMLDOMNode* node);

std::string toUtf8(BSTR text);
std::string nodeName(IXMLDOMNode* node);

}  // namespace msxml
}  // namespace xml
