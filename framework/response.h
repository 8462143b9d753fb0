// The host's answer to a request, read screen by screen: each screen is an XML document
// whose "VELMORA" element holds one "LINE" per display line, the line's characters in its
// "TEXT". Screens of one answer are joined into the accumulated response; a screen whose last
// line ends with the continuation marker (string resource 101) announces another screen.
#pragma once

#include <string>
#include <string_view>

namespace ui {
class Dialog;
}

namespace framework {

// The private message a continued screen posts to the mask's window.
inline constexpr unsigned kResponseContinuedMessage = 3014;

// An automation string of the host as UTF-8 text, the form screens are read in.
std::string ResponseTextToUtf8(std::u16string_view automationText);

// Whether the screen is continued: the text of its last "TEXT" element ends with the
// continuation marker and does not begin with it. A screen that cannot be read is not.
bool IsContinued(std::string_view screenUtf8);

// Appends the "LINE" elements of the screen to the first "VELMORA" element of the accumulated
// response (an empty accumulated response becomes the screen). When either text cannot be
// read, the accumulated response stays as it was.
void MergeResponse(std::string& accumulated, std::string_view screenUtf8);

// One screen received: checks for continuation (posting kResponseContinuedMessage to the
// mask's window when continued), merges it, and answers whether more screens follow.
bool AddResponsePage(ui::Dialog& maskWindow, std::string& accumulated, std::string_view screenUtf8);

}  // namespace framework
