// What the Windows XML layer refuses before the parser sees the text: the parser would expand
// entities declared in the document, so none may be declared or referred to, and like the
// libxml2 layer it takes no declaration at all.
#pragma once

#include <string_view>

namespace xml::msxml {

// True for well-formed UTF-8 without NUL whose markup declares nothing (no entity, element,
// attribute list or notation), refers to no entity but
// amp, lt, gt, quot, apos and character references (comments and CDATA are text), and nests
// its elements at most maxDepth deep (the root element is at depth 1).
bool safeText(std::string_view utf8, int maxDepth);

}  // namespace xml::msxml
