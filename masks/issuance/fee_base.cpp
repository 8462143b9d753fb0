#include "masks/issuance/fee_base.h"

#include <algorithm>
#include <utility>

#include "platform/text/codepage.h"
#include "platform/ui/string_table.h"
#include "resources/resource.h"

namespace masks::issuance {
namespace {

constexpr const char* kComponent = "CTicketingContentHandler";
constexpr int kCategory = 10;
constexpr const char* kFlagElement = "N_01PA";
constexpr const char* kLineElement = "N_000T";

// UTF-8 text in the system code page (plain ASCII is the same in both).
std::string Ansi(std::string_view utf8) {
    if (std::all_of(utf8.begin(), utf8.end(), [](char c) { return (c & 0x80) == 0; }))
        return std::string(utf8);
    return text::fromUtf16(text::toUtf16(utf8, text::kUtf8), text::systemCodePage());
}

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
    if (from.empty())
        return;
    std::string out;
    out.reserve(text.size());
    std::size_t at = 0;
    for (std::size_t next; (next = text.find(from, at)) != std::string::npos;
         at = next + from.size())
        out.append(text, at, next - at).append(to);
    out.append(text, at);
    text = std::move(out);
}

}  // namespace

std::string ReencodeReply(std::u16string_view reply) {
    std::string bytes = text::fromUtf16(reply, text::kUtf8);
    ReplaceAll(bytes, ui::loadString(IDS_CONTINUATION_MARK_UTF8),
               ui::loadString(IDS_CONTINUATION_MARK));
    return text::fromUtf16(text::toUtf16(bytes, text::systemCodePage()), text::kUtf8);
}

bool CTicketingContentHandler::ParseXMLStream(std::u16string_view reply) {
    log_.diagnostic(kComponent, "ParseXMLStream", kCategory, 100, __LINE__, "In ParseXMLStream");
    const std::string document = ReencodeReply(reply);
    log_.diagnostic(kComponent, "ParseXMLStream", kCategory, 100, __LINE__,
                    "Created SAXXMLReader, start parsing soon.");
    startDocument();
    if (xml::parseSax(document, *this)) {
        flushText();
        endDocument();
    }
    log_.diagnostic(kComponent, "ParseXMLStream", kCategory, 100, __LINE__, "Parsing Complete");
    return true;
}

std::vector<std::string> CTicketingContentHandler::GetFeeBaseList() {
    int index = 0;
    for (const std::string& line : lines_) {
        log_.diagnostic(kComponent, "GetFeeBaseList", kCategory, 100, __LINE__, "Data %d is : %s",
                        index++, line.c_str());
    }
    return lines_;
}

void CTicketingContentHandler::startDocument() {
    inFlag_ = inLine_ = collecting_ = false;
    log_.diagnostic(kComponent, "Start Document", kCategory, 100, __LINE__, "In Start Document");
}

void CTicketingContentHandler::endDocument() {
    collecting_ = false;
    log_.diagnostic(kComponent, "End Document", kCategory, 100, __LINE__, "In End Document");
}

// The two names are plain ASCII: a name equals one in the system code page exactly when its
// UTF-8 bytes do.
void CTicketingContentHandler::startElement(std::string_view name, const Attributes&) {
    flushText();
    if (name == kFlagElement) {
        inFlag_ = true;
        log_.diagnostic(kComponent, "StartElement", kCategory, 100, __LINE__,
                        "Current Element - %s", kFlagElement);
    }
    if (name == kLineElement)
        inLine_ = true;
    log_.diagnostic(kComponent, "StartElement", kCategory, 100, __LINE__, "In Start Element");
}

void CTicketingContentHandler::endElement(std::string_view) {
    flushText();
    inFlag_ = inLine_ = false;
    log_.diagnostic(kComponent, "EndElement", kCategory, 100, __LINE__, "In End Element");
}

void CTicketingContentHandler::characters(std::string_view text) {
    pending_.append(text);
}

void CTicketingContentHandler::flushText() {
    if (pending_.empty())
        return;
    const std::string text = Ansi(pending_);
    pending_.clear();
    onText(text);
}

void CTicketingContentHandler::onText(const std::string& text) {
    if (inFlag_) {
        log_.diagnostic(kComponent, "Characters", kCategory, 100, __LINE__,
                        "Character in N_01PA : %s", text.c_str());
        if (text == "1")
            collecting_ = true;
    }
    if (inLine_ && collecting_ && !text.empty()) {
        lines_.push_back(text);
        log_.diagnostic(kComponent, "ParseXMLStream", kCategory, 100, __LINE__,
                        "Fee Base Information encountered : %s", text.c_str());
    }
}

void AddFeeBaseLines(ui::Dialog& form, ui::ControlId list, std::u16string_view reply,
                     CZenkorLog& log) {
    // A long answer logs several lines for each of its lines.
    const zenkor::LogBurst burst;
    CTicketingContentHandler handler(log);
    if (!handler.ParseXMLStream(reply))
        return;
    const std::vector<std::string> lines = handler.GetFeeBaseList();
    if (lines.empty())
        return;
    const std::string prefix = "5" + ui::loadString(IDS_CONTINUATION_MARK);
    for (const std::string& line : lines) {
        const bool marked = line.starts_with(prefix);
        form.addItem(list, marked ? std::string_view(line).substr(prefix.size()) : line, 0);
    }
}

std::vector<std::string> SelectedFeeBaseLines(const ui::Dialog& form) {
    std::vector<std::string> lines;
    for (int i = 0, n = form.itemCount(IDC_ISS_FEEBASE_LIST); i < n; ++i) {
        if (form.isSelected(IDC_ISS_FEEBASE_LIST, i))
            lines.push_back(form.itemText(IDC_ISS_FEEBASE_LIST, i));
    }
    return lines;
}

bool HasSelectedFeeBaseLine(const ui::Dialog& form) {
    for (int i = 0, n = form.itemCount(IDC_ISS_FEEBASE_LIST); i < n; ++i) {
        if (form.isSelected(IDC_ISS_FEEBASE_LIST, i))
            return true;
    }
    return false;
}

}  // namespace masks::issuance
