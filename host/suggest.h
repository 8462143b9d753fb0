// Suggestions for a mistyped name: the nearest valid names, and the whole valid set when it is
// small enough to read in one line.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace host {

// The candidates nearest to word (case ignored), best first, at most three: those within a
// few edits of it, or that it begins or that begin with it.
std::vector<std::string_view> nearestNames(std::string_view word,
                                           std::span<const std::string_view> candidates);

// The tail of an "unknown ..." message: "; did you mean `a` or `b`?" for the nearest names,
// then, when the candidates are at most eight, " The <what> are a, b, c." (what: "keys").
// Empty when there is nothing to suggest.
std::string suggestionFor(std::string_view word, std::span<const std::string_view> candidates,
                          std::string_view what);

}  // namespace host
