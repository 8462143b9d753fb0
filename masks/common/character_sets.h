// The characters the checks allow beside letters and digits in free texts.
#pragma once

namespace masks {

// Free payment texts and tour codes: space, backslash, slash, point and hyphen.
inline constexpr const char* kFreeText = " \\/.-";
// Tripartite codes: 32 signs, beginning with a space.
inline constexpr const char* kTripartiteCharacters = " ~!@#$%^&*()_-+=;:\"'[]{}\\|<>?,./";

}  // namespace masks
