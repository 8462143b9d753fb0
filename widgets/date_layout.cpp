#include "widgets/date_layout.h"

#include <array>

namespace widgets {
namespace {

enum class Part { kNone, kDay, kMonth, kMonthName, kYear2, kYear4 };

struct LayoutParts {
    DateLayout layout;
    std::array<Part, 3> parts;
};

constexpr LayoutParts kLayouts[] = {
    {DateLayout::kDDMMM, {Part::kDay, Part::kMonthName, Part::kNone}},
    {DateLayout::kDDMMYY, {Part::kDay, Part::kMonth, Part::kYear2}},
    {DateLayout::kMMYY, {Part::kMonth, Part::kYear2, Part::kNone}},
    {DateLayout::kDDMMMYY, {Part::kDay, Part::kMonthName, Part::kYear2}},
    {DateLayout::kDDMMMYYYY, {Part::kDay, Part::kMonthName, Part::kYear4}},
    {DateLayout::kDDMM, {Part::kDay, Part::kMonth, Part::kNone}},
    {DateLayout::kDDMMYYYY, {Part::kDay, Part::kMonth, Part::kYear4}},
};

constexpr std::string_view kMonthNames[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                            "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

// "00%d" cut to its last two characters.
std::string twoCharacters(int value) {
    std::string text = "00" + std::to_string(value);
    return text.substr(text.size() - 2);
}

std::string partText(Part part, std::int16_t day, std::int16_t month, std::int16_t year) {
    switch (part) {
        case Part::kDay:
            return twoCharacters(day);
        case Part::kMonth:
            return twoCharacters(month);
        case Part::kMonthName:
            return std::string(monthName(month));
        case Part::kYear2:
            return twoCharacters(year);
        case Part::kYear4:
            return std::to_string(year);
        case Part::kNone:
            break;
    }
    return {};
}

}  // namespace

DateLayout dateLayoutOf(int kind) {
    for (const LayoutParts& entry : kLayouts) {
        if (static_cast<int>(entry.layout) == kind)
            return entry.layout;
    }
    return DateLayout::kDDMMM;
}

std::string_view monthName(int month) {
    if (month < 1 || month > 12)
        return {};
    return kMonthNames[month - 1];
}

std::string formatDate(DateLayout layout, std::int16_t day, std::int16_t month, std::int16_t year) {
    const LayoutParts* found = &kLayouts[0];
    for (const LayoutParts& entry : kLayouts) {
        if (entry.layout == layout)
            found = &entry;
    }
    std::string text;
    for (Part part : found->parts)
        text += partText(part, day, month, year);
    return text;
}

}  // namespace widgets
