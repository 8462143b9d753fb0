// Nodes of a document written as text, node by node as they are, whatever the parser's own
// writer would add (indentation) or leave out (the namespaces an element takes from above).
#pragma once

#include <string>

#include "platform/xml/msxml/msxml_document.h"

namespace xml::msxml {

// Appends the node and everything under it to `out`. An element written on its own carries
// the declarations of the namespaces its names use that are declared above it.
void writeNode(IXMLDOMNode* node, std::string& out);

}  // namespace xml::msxml
