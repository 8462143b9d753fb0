// The fee-base list: the agency's ready-made remark lines, asked of the host with a fixed
// command and read from its XML answer by a SAX content handler into the multiple-selection
// list of the form.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/dialog.h"
#include "platform/xml/sax_reader.h"
#include "platform/zenkor/log.h"

namespace masks::issuance {

// The command that asks the host for the fee-base lines (sent as it stands).
inline constexpr const char* kFeeBaseCommand = "%%%A%N*FEEBASE";

// Collects the fee-base lines of one answer: the texts of the "N_000T" elements that follow
// an "N_01PA" element whose text is "1". Names and texts are compared in the system code page.
class CTicketingContentHandler final : public xml::SaxHandler {
  public:
    explicit CTicketingContentHandler(CZenkorLog& log) : log_(log) {}

    // Reads the answer; false when it could not be read at all (nothing collected). Lines
    // collected before a fault in the document stand.
    bool ParseXMLStream(std::u16string_view reply);
    // The lines collected, in the order of the answer.
    std::vector<std::string> GetFeeBaseList();

    void startDocument();
    void endDocument();
    void startElement(std::string_view name, const Attributes& attributes) override;
    void endElement(std::string_view name) override;
    void characters(std::string_view text) override;

  private:
    // The text up to the next tag, as one piece.
    void flushText();
    void onText(const std::string& text);

    CZenkorLog& log_;
    bool inFlag_ = false;  // inside an "N_01PA" element
    bool inLine_ = false;  // inside an "N_000T" element
    bool collecting_ = false;
    std::string pending_;  // text since the last tag, UTF-8
    std::vector<std::string> lines_;
};

// The answer as the reader reads it: its UTF-8 bytes with every two-byte UTF-8 form of the
// mark of resource 102 turned into the one byte of resource 101, taken as system code page
// text, as UTF-8.
std::string ReencodeReply(std::u16string_view reply);

// Reads a host answer and adds its lines to the end of the fee-base list, each without the
// prefix "5" and the mark of resource 101.
void AddFeeBaseLines(ui::Dialog& form, ui::ControlId list, std::u16string_view reply,
                     CZenkorLog& log);

// The lines selected in the fee-base list, in list order.
std::vector<std::string> SelectedFeeBaseLines(const ui::Dialog& form);
bool HasSelectedFeeBaseLine(const ui::Dialog& form);

}  // namespace masks::issuance
