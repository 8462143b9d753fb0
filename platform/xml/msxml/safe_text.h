// What the Windows XML layer refuses before the parser sees the text: the parser would expand
// entities declared in the document, so none may be declared or referred to.
#pragma once

#include <string_view>

namespace xml::msxml {

// True for well-formed UTF-8 without NUL whose markup declares no entity, refers to none but
// amp, lt, gt, quot, apos and character references (comments and CDATA are text), and nests
// its elements at most maxDepth deep (the root element is at depth 1).
bool safeText(std::string_view utf8, int maxDepth);

}  // namespace xml::msxml
