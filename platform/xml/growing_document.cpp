#include "platform/xml/growing_document.h"

#include <libxml/tree.h>
#include <libxml/xmlsave.h>

#include <utility>

#include "platform/xml/document_impl.h"

namespace xml {
namespace {

// Processing-instruction targets tried as the mark of the anchor's end; a text that already
// holds one of them elsewhere cannot use it.
constexpr const char* kEndMarks[] = {"fw-anchor-end-1", "fw-anchor-end-2", "fw-anchor-end-3",
                                     "fw-anchor-end-4"};

int appendToString(void* context, const char* bytes, int length) {
    static_cast<std::string*>(context)->append(bytes, static_cast<std::size_t>(length));
    return length;
}

// One element and its content as UTF-8 text, written as the whole document writes it.
std::optional<std::string> writeElement(xmlNodePtr element) {
    std::string text;
    xmlSaveCtxtPtr save = xmlSaveToIO(appendToString, nullptr, &text, "UTF-8", 0);
    if (save == nullptr) {
        return std::nullopt;
    }
    const long written = xmlSaveTree(save, element);
    if (xmlSaveClose(save) < 0 || written < 0) {
        return std::nullopt;
    }
    return text;
}

void removeAll(const std::vector<xmlNodePtr>& nodes) {
    for (xmlNodePtr node : nodes) {
        xmlUnlinkNode(node);
        xmlFreeNode(node);
    }
}

}  // namespace

GrowingDocument::GrowingDocument(Document document, void* anchor, std::size_t maxBytes)
    : document_(std::move(document)), anchor_(anchor), maxBytes_(maxBytes) {}

std::optional<GrowingDocument> GrowingDocument::parse(std::string_view utf8,
                                                      std::string_view anchorName,
                                                      std::size_t maxBytes) {
    std::optional<Document> document = Document::parse(utf8, maxBytes);
    if (!document) {
        return std::nullopt;
    }
    const std::vector<Element> anchors = document->elementsByName(anchorName);
    if (anchors.empty()) {
        return std::nullopt;
    }
    GrowingDocument growing(std::move(*document), anchors.front().node_, maxBytes);
    if (!growing.writeWhole()) {
        return std::nullopt;
    }
    return growing;
}

// The anchor's end is found by writing the document with a processing instruction as the
// anchor's last child: where its text appears is where appended elements go. The mark is
// taken out of the text and the tree again.
bool GrowingDocument::writeWhole() {
    xmlDocPtr doc = document_.impl_->doc.get();
    auto* anchor = static_cast<xmlNodePtr>(anchor_);
    for (const char* target : kEndMarks) {
        xmlNodePtr mark = xmlNewDocPI(doc, reinterpret_cast<const xmlChar*>(target), nullptr);
        if (mark == nullptr) {
            break;
        }
        if (xmlAddChild(anchor, mark) == nullptr) {
            xmlFreeNode(mark);
            break;
        }
        std::string whole = tree::write(doc);
        removeAll({mark});
        const std::string written = std::string("<?") + target + "?>";
        const std::size_t at = whole.find(written);
        if (at == std::string::npos || whole.find(written, at + 1) != std::string::npos) {
            continue;
        }
        whole.erase(at, written.size());
        if (whole.size() > maxBytes_) {
            return false;
        }
        text_ = std::move(whole);
        insertAt_ = at;
        return true;
    }
    std::string whole = tree::write(doc);
    if (whole.empty() || whole.size() > maxBytes_) {
        return false;
    }
    text_ = std::move(whole);
    insertAt_ = std::string::npos;
    return true;
}

bool GrowingDocument::appendCopies(const std::vector<Element>& elements) {
    xmlDocPtr doc = document_.impl_->doc.get();
    auto* anchor = static_cast<xmlNodePtr>(anchor_);
    std::vector<xmlNodePtr> added;
    added.reserve(elements.size());
    for (const Element& element : elements) {
        auto* source = static_cast<xmlNodePtr>(element.node_);
        if (source == nullptr || source->type != XML_ELEMENT_NODE ||
            !tree::fitsUnder(anchor, source)) {
            removeAll(added);
            return false;
        }
        xmlNodePtr copy = xmlDocCopyNode(source, doc, 1);
        if (copy == nullptr) {
            removeAll(added);
            return false;
        }
        if (xmlAddChild(anchor, copy) == nullptr) {
            xmlFreeNode(copy);
            removeAll(added);
            return false;
        }
        added.push_back(copy);
    }

    if (insertAt_ != std::string::npos) {
        std::string piece;
        for (xmlNodePtr copy : added) {
            const std::optional<std::string> written = writeElement(copy);
            if (!written) {
                removeAll(added);
                return false;
            }
            piece += *written;
        }
        if (text_.size() + piece.size() > maxBytes_) {
            removeAll(added);
            return false;
        }
        text_.insert(insertAt_, piece);
        insertAt_ += piece.size();
        return true;
    }

    // No place known in the text: write it whole (the text changes only when that works).
    if (!writeWhole()) {
        removeAll(added);
        return false;
    }
    return true;
}

}  // namespace xml
