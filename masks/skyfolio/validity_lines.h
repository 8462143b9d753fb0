// The validity dates of a host answer: the display lines of a response (//VELMORA/LINE/TEXT)
// that hold a segment number and its earliest and latest travel dates in fixed columns.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace masks::skyfolio {

struct ValidityRow {
    std::string segment;
    std::string minimum;  // DDMMMYY, or "" for a blank column
    std::string maximum;
};

// One display line: a segment of one digit and five blanks or two digits and four blanks, a
// date or seven blanks, two blanks, a date or seven blanks, then at least one blank. Each
// part loses its trailing blanks. Runs in time linear in the line's length.
std::optional<ValidityRow> ReadValidityLine(std::string_view line);

// The rows of the lines that match, in order, at most maxRows of them. Text that is not a
// readable response yields none.
std::vector<ValidityRow> ReadValidityRows(std::string_view responseUtf8, std::size_t maxRows);

}  // namespace masks::skyfolio
