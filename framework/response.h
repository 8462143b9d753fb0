// The host's answer to a request, read screen by screen: each screen is an XML document
// whose "VELMORA" element holds one "LINE" per display line, the line's characters in its
// "TEXT". Screens of one answer are joined into the accumulated response; a screen whose last
// line ends with the continuation marker (string resource 101) announces another screen.
#pragma once

#include <string>
#include <string_view>

#include "platform/xml/limits.h"

namespace ui {
class Dialog;
}

namespace framework {

// The private message a continued screen posts to the mask's window.
inline constexpr unsigned kResponseContinuedMessage = 3014;

// The XML text of all screens of one answer received so far. Once a second screen has been
// joined it is kept as the text of a document together with the place where the next lines
// go, so that a screen costs what it holds, however long the answer already is. Its text stays
// within the default xml::Limits, so that whoever reads the whole answer can.
class AccumulatedResponse {
  public:
    const std::string& text() const { return text_; }
    bool empty() const { return text_.empty(); }
    void clear() { *this = AccumulatedResponse(); }

  private:
    friend class ResponseMerge;
    std::string text_;
    // Where the next lines go in text_, or npos while text_ is a screen as it was received.
    std::size_t linesEnd_ = std::string::npos;
    int anchorDepth_ = 0;  // of the element that takes the lines
    xml::Markup markup_;   // what text_ holds, once it has been written by a join
};

// An automation string of the host as UTF-8 text, the form screens are read in.
std::string ResponseTextToUtf8(std::u16string_view automationText);

// Whether the screen is continued: the text of its last "TEXT" element ends with the
// continuation marker and does not begin with it. A screen that cannot be read is not.
bool IsContinued(std::string_view screenUtf8);

// Appends the "LINE" elements of the screen to the first "VELMORA" element of the accumulated
// response (an empty accumulated response becomes the screen). When either text cannot be
// read, or the lines would take the response past its limits, it stays as it was.
void MergeResponse(AccumulatedResponse& accumulated, std::string_view screenUtf8);

// One screen received: checks for continuation (posting kResponseContinuedMessage to the
// mask's window when continued), merges it, and answers whether more screens follow. The
// screen is read once for both.
bool AddResponsePage(ui::Dialog& maskWindow, AccumulatedResponse& accumulated,
                     std::string_view screenUtf8);

}  // namespace framework
