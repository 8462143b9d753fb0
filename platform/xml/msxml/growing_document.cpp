// The growing document over MSXML: the anchor takes the copies and the whole document is
// written again; an append that goes too far is taken back.
#include "platform/xml/growing_document.h"

#include "platform/xml/msxml/msxml_document.h"

namespace xml {

GrowingDocument::GrowingDocument(Document document, void* anchor, std::size_t maxBytes)
    : document_(std::move(document)), anchor_(anchor), maxBytes_(maxBytes) {}

std::optional<GrowingDocument> GrowingDocument::parse(std::string_view utf8,
                                                      std::string_view anchorName,
                                                      std::size_t maxBytes) {
    std::optional<Document> document = Document::parse(utf8, maxBytes);
    if (!document)
        return std::nullopt;
    const std::vector<Element> anchors = document->elementsByName(anchorName);
    if (anchors.empty())
        return std::nullopt;
    GrowingDocument growing(std::move(*document), anchors.front().node_, maxBytes);
    if (!growing.writeWhole())
        return std::nullopt;
    return growing;
}

bool GrowingDocument::writeWhole() {
    text_ = document_.serialize();
    return !text_.empty() && text_.size() <= maxBytes_;
}

bool GrowingDocument::appendCopies(const std::vector<Element>& elements) {
    auto* anchor = static_cast<IXMLDOMNode*>(anchor_);
    std::size_t appended = 0;
    bool ok = true;
    for (const Element& element : elements) {
        if (!document_.appendCopy(Element(anchor_), element)) {
            ok = false;
            break;
        }
        ++appended;
    }
    const std::string before = text_;
    if (ok && writeWhole())
        return true;
    // Takes back what was appended: the last children of the anchor.
    for (; appended > 0; --appended) {
        com::Ptr<IXMLDOMNode> last;
        com::Ptr<IXMLDOMNode> removed;
        if (SUCCEEDED(anchor->get_lastChild(last.out())) && last)
            anchor->removeChild(last.get(), removed.out());
    }
    text_ = before;
    return false;
}

}  // namespace xml
