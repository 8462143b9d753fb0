// The layouts in which a date field writes the date the agent picked in the month picker.
//
// Day, month and a two-digit year are always two characters: the number written as "00%d"
// and cut to its last two characters (5 gives "05", 2009 gives "09"). The four-digit year is
// the number as "%d" in full. MMM is "JAN" to "DEC", or empty for a month outside 1 to 12.
// Values are not range-checked here: a negative number keeps its sign inside the two
// characters (-5 gives "-5", -12 gives "12"), and the field's own checks judge the text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace widgets {

enum class DateLayout : std::int16_t {
    kDDMMM = 0,
    kDDMMYY = 1,
    kMMYY = 2,
    kDDMMMYY = 3,
    kDDMMMYYYY = 4,
    kDDMM = 5,
    kDDMMYYYY = 6,
};

// The layout of a field's date format kind; a kind not listed writes DDMMM.
DateLayout dateLayoutOf(int kind);

// "JAN" to "DEC" for 1 to 12, else the empty text.
std::string_view monthName(int month);

std::string formatDate(DateLayout layout, std::int16_t day, std::int16_t month, std::int16_t year);

}  // namespace widgets
