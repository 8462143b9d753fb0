// Conversion between the system code page (8-bit text inside the masks), UTF-16 (the
// automation boundary) and UTF-8 (host responses read as XML).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace text {

inline constexpr unsigned kUtf8 = 65001;

// The system code page of the masks: 1252 unless changed (e.g. to 1251).
unsigned systemCodePage();
// Answers false (and keeps the current one) for a code page we cannot convert.
bool setSystemCodePage(unsigned codePage);

// UTF-16 to 8-bit text of a code page (kUtf8 for UTF-8). A character the code page cannot
// show becomes "?"; an unpaired surrogate becomes U+FFFD first.
std::string fromUtf16(std::u16string_view text, unsigned codePage);
// 8-bit text of a code page (kUtf8 for UTF-8) to UTF-16; each maximal ill-formed part of UTF-8
// (overlong forms, encoded surrogates, code points above U+10FFFF, stray or missing
// continuation bytes) becomes one U+FFFD.
std::u16string toUtf16(std::string_view text, unsigned codePage);
// UTF-8 to UTF-16, or nullopt when the text is not well-formed UTF-8.
std::optional<std::u16string> utf8ToUtf16Strict(std::string_view text);

// Shorthands for the system code page.
inline std::string toAnsi(std::u16string_view t) {
    return fromUtf16(t, systemCodePage());
}
inline std::u16string fromAnsi(std::string_view t) {
    return toUtf16(t, systemCodePage());
}

}  // namespace text
