// The libxml2 side of a document, shared by the files of the XML layer.
#pragma once

#include <libxml/tree.h>

#include <memory>
#include <string>

#include "platform/xml/xml_document.h"

namespace xml {

struct Document::Impl {
    struct DocDeleter {
        void operator()(xmlDocPtr doc) const { xmlFreeDoc(doc); }
    };
    std::unique_ptr<xmlDoc, DocDeleter> doc;
};

namespace tree {

// Whether a copy of the element source may become a child of the element parent without
// nesting the document deeper than a parse accepts.
bool fitsUnder(const xmlNode* parent, const xmlNode* source);

// The document as UTF-8 text, or "" when it cannot be written.
std::string write(xmlDocPtr doc);

}  // namespace tree
}  // namespace xml
