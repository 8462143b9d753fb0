#include "platform/zenkor/validate.h"

#include <charconv>
#include <cstring>
#include <limits>
#include <string_view>

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Every byte of text is in the class or among extra; the empty text never passes.
template <typename InClass>
int allOf(const char* text, const char* extra, InClass inClass) {
    if (text == nullptr || *text == '\0')
        return 0;
    for (const char* p = text; *p != '\0'; ++p) {
        bool inExtra = extra != nullptr && std::strchr(extra, *p) != nullptr;
        if (!inClass(*p) && !inExtra)
            return 0;
    }
    return 1;
}

bool allDigits(std::string_view s) {
    if (s.empty())
        return false;
    for (char c : s) {
        if (!isDigit(c))
            return false;
    }
    return true;
}

int number(std::string_view digits) {
    int value = 0;
    for (char c : digits)
        value = value * 10 + (c - '0');
    return value;
}

constexpr const char* kMonths[12] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                     "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

// The month number 1 to 12 of a three-letter upper-case name, 0 for anything else.
int monthOfName(std::string_view name) {
    for (int m = 0; m < 12; ++m) {
        if (name == kMonths[m])
            return m + 1;
    }
    return 0;
}

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// Days of a month; a year of 0 means "any year", where 29 February is allowed.
int daysInMonth(int month, int year) {
    static constexpr int kDays[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && year != 0 && !isLeapYear(year))
        return 28;
    return kDays[month - 1];
}

bool validDay(int day, int month, int year) {
    return month >= 1 && month <= 12 && day >= 1 && day <= daysInMonth(month, year);
}

std::string_view view(const char* text) {
    return text == nullptr ? std::string_view() : std::string_view(text);
}

}  // namespace

int CZenkorValidate::IsAlpha(const char* text) {
    return allOf(text, nullptr, isLetter);
}

int CZenkorValidate::IsNumeric(const char* text) {
    return allOf(text, nullptr, isDigit);
}

int CZenkorValidate::IsAlphanumeric(const char* text) {
    return allOf(text, nullptr, [](char c) { return isLetter(c) || isDigit(c); });
}

int CZenkorValidate::IsAlphanumericEx(const char* text, const char* extra) {
    return allOf(text, extra, [](char c) { return isLetter(c) || isDigit(c); });
}

int CZenkorValidate::IsNumericEx(const char* text, const char* extra) {
    return allOf(text, extra, isDigit);
}

int CZenkorValidate::IsDecimalEx(const char* text, int places) {
    std::string_view s = view(text);
    std::size_t dot = s.find('.');
    if (dot == std::string_view::npos)
        return allDigits(s) ? 1 : 0;
    std::string_view whole = s.substr(0, dot);
    std::string_view fraction = s.substr(dot + 1);
    if (!allDigits(whole) || !allDigits(fraction))
        return 0;
    return places > 0 && fraction.size() <= static_cast<std::size_t>(places) ? 1 : 0;
}

int CZenkorValidate::IsDecimalInRange(const char* text, int places, double low, double high) {
    if (IsDecimalEx(text, places) == 0)
        return 0;
    std::string_view s = view(text);
    double value = 0;
    // Parsed without the locale, so "." is the decimal point whatever the process's locale.
    auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (error == std::errc::result_out_of_range) {
        value = std::numeric_limits<double>::infinity();
    } else if (error != std::errc() || end != s.data() + s.size()) {
        return 0;
    }
    if (value < low)
        return 0;
    return high == -1 || value <= high ? 1 : 0;
}

int CZenkorValidate::IsCCExpDate(const char* text) {
    std::string_view s = view(text);
    if (s.size() != 4 || !allDigits(s))
        return 0;
    int month = number(s.substr(0, 2));
    return month >= 1 && month <= 12 ? 1 : 0;
}

int CZenkorValidate::IsDate(const char* text) {
    std::string_view s = view(text);
    if (s.size() != 4 && s.size() != 5)
        return 0;
    std::string_view day = s.substr(0, s.size() - 3);
    std::string_view month = s.substr(s.size() - 3);
    if (!allDigits(day))
        return 0;
    return validDay(number(day), monthOfName(month), 0) ? 1 : 0;
}

int CZenkorValidate::IsDateDDMMMYY(const char* text) {
    std::string_view s = view(text);
    if (s.size() != 7 || !allDigits(s.substr(0, 2)) || !allDigits(s.substr(5, 2)))
        return 0;
    int year = 2000 + number(s.substr(5, 2));
    return validDay(number(s.substr(0, 2)), monthOfName(s.substr(2, 3)), year) ? 1 : 0;
}

int CZenkorValidate::IsDateDDMM(const char* text) {
    std::string_view s = view(text);
    if (s.size() != 4 || !allDigits(s))
        return 0;
    return validDay(number(s.substr(0, 2)), number(s.substr(2, 2)), 0) ? 1 : 0;
}

int CZenkorValidate::IsDateDDMMYYYY(const char* text) {
    std::string_view s = view(text);
    if (s.size() != 8 || !allDigits(s))
        return 0;
    int year = number(s.substr(4, 4));
    if (year == 0)
        return 0;
    return validDay(number(s.substr(0, 2)), number(s.substr(2, 2)), year) ? 1 : 0;
}
