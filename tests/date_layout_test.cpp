#include "widgets/date_layout.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

using widgets::dateLayoutOf;
using widgets::formatDate;

TEST(DateLayout, EveryKindWritesItsLayoutAndOddNumbersStayWithinTheirWidth) {
    const struct {
        int kind;
        std::int16_t day, month, year;
        const char* expected;
    } cases[] = {
        {0, 5, 3, 2009, "05MAR"},
        {1, 5, 3, 2009, "050309"},
        {2, 5, 3, 2009, "0309"},
        {3, 5, 3, 2009, "05MAR09"},
        {4, 5, 3, 2009, "05MAR2009"},
        {5, 5, 3, 2009, "0503"},
        {6, 5, 3, 2009, "05032009"},
        {2, 31, 12, 2009, "1209"},
        {0, 31, 12, 2009, "31DEC"},
        {0, 1, 1, 2000, "01JAN"},
        {3, 29, 2, 2000, "29FEB00"},
        {1, 10, 11, 1999, "101199"},
        // Kinds not listed write day and month name.
        {7, 5, 3, 2009, "05MAR"},
        {-1, 5, 3, 2009, "05MAR"},
        {1000, 31, 12, 2009, "31DEC"},
        // A month outside the year has no name.
        {0, 5, 0, 2009, "05"},
        {0, 5, 13, 2009, "05"},
        {3, 5, 0, 2009, "0509"},
        {4, 5, 13, 2009, "052009"},
        {1, 5, 13, 2009, "051309"},
        {2, 5, 0, 2009, "0009"},
        // Whatever a calendar control answers, every two-character part stays two characters
        // and nothing is read outside the text; the field's checks then judge the result.
        {1, 0, 0, 0, "000000"},
        {1, 5, 3, 7, "050307"},      // a one-digit year is padded like the day
        {6, 5, 3, 7, "05037"},       // the full year is written as it is
        {1, -5, -3, -7, "-5-3-7"},   // a sign stays inside the two characters
        {0, -12, 3, 2009, "12MAR"},  // the last two characters of "00-12"
        {4, 5, 3, -2009, "05MAR-2009"},
        {1, 32767, 32767, 32767, "676767"},
        {4, -32768, -32768, -32768, "68-32768"},
        {6, 123, 456, 2009, "23562009"},
        {0, 5, -32768, 2009, "05"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatDate(dateLayoutOf(c.kind), c.day, c.month, c.year), c.expected)
            << "kind " << c.kind << ", date " << c.day << "/" << c.month << "/" << c.year;
    }
}

TEST(DateLayout, MonthNamesCoverTheYear) {
    std::string names;
    for (int month = -1; month <= 13; ++month)
        names += std::string(widgets::monthName(month)) + "|";
    EXPECT_EQ(names, "||JAN|FEB|MAR|APR|MAY|JUN|JUL|AUG|SEP|OCT|NOV|DEC||");
}

}  // namespace
