#include "platform/zenkor/validate.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const char* shown(const char* text) {
    return text ? text : "(null)";
}

TEST(ValidateTest, CharacterClassesAreAsciiAndRejectTheEmptyText) {
    const struct {
        const char* text;
        bool alpha, numeric, alphanumeric;
    } cases[] = {
        {"ABCxyz", true, false, true},  {"0123456789", false, true, true},
        {"A1B2", false, false, true},   {"", false, false, false},
        {nullptr, false, false, false}, {"AB C", false, false, false},
        {"-12", false, false, false},   {"\xC9T\xC9", false, false, false},  // accented letters
        {"\xB2", false, false, false},                               // superscript two is no digit
        {"@[`{", false, false, false},  {"/:", false, false, false}  // around A-Z, a-z, 0-9
    };
    for (const auto& c : cases) {
        CZenkorValidate v;
        EXPECT_EQ(v.IsAlpha(c.text) != 0, c.alpha) << "IsAlpha " << shown(c.text);
        EXPECT_EQ(v.IsNumeric(c.text) != 0, c.numeric) << "IsNumeric " << shown(c.text);
        EXPECT_EQ(v.IsAlphanumeric(c.text) != 0, c.alphanumeric)
            << "IsAlphanumeric " << shown(c.text);
    }
}

TEST(ValidateTest, ExtendedClassesAddTheirExtraCharacters) {
    const std::string symbols = std::string(" ~!@#$%^&*()_-+=;:") + '"' + "'[]{}\\|<>?,./";
    ASSERT_EQ(symbols.size(), 32u);
    const std::string framed = "X" + symbols + "9";
    const struct {
        bool numeric;  // IsNumericEx, else IsAlphanumericEx
        const char* text;
        const char* extra;
        bool expected;
    } cases[] = {
        {true, "12/3-4", "/-", true},
        {true, "1.2.3", ".", true},  // the class, not the layout
        {true, "12A", ".", false},
        {true, "", ".", false},
        {true, nullptr, ".", false},
        {true, ".", ".", true},  // the extras alone make a text
        {true, "12", nullptr, true},
        {true, "1 2", nullptr, false},
        {false, "AB 12", " ", true},
        {false, "A_B", " \\/.-", false},
        {false, nullptr, " ", false},
        {false, framed.c_str(), symbols.c_str(), true},
        {false, "A\tB", symbols.c_str(), false},
    };
    for (const auto& c : cases) {
        CZenkorValidate v;
        int got = c.numeric ? v.IsNumericEx(c.text, c.extra) : v.IsAlphanumericEx(c.text, c.extra);
        EXPECT_EQ(got != 0, c.expected) << (c.numeric ? "IsNumericEx " : "IsAlphanumericEx ")
                                        << shown(c.text) << " extra " << shown(c.extra);
    }
}

TEST(ValidateTest, DecimalsHaveDigitsAndAtMostTheGivenPlaces) {
    const struct {
        const char* text;
        int places;
        bool expected;
    } cases[] = {
        {"0", 2, true},     {"123.45", 2, true}, {"123.456", 2, false}, {"123.", 2, false},
        {".5", 2, false},   {"1.2.3", 2, false}, {"12.55", 1, false},   {"12", 0, true},
        {"12.5", 0, false}, {"", 2, false},      {nullptr, 2, false},   {"-1.5", 2, false},
        {"+1", 2, false},   {"1,5", 2, false},   {" 1.5", 2, false},    {"1e5", 2, false},
        {"00.10", 2, true},
    };
    for (const auto& c : cases) {
        CZenkorValidate v;
        EXPECT_EQ(v.IsDecimalEx(c.text, c.places) != 0, c.expected)
            << "IsDecimalEx " << shown(c.text) << ", " << c.places;
    }
}

TEST(ValidateTest, DecimalRangesAreInclusiveAndMinusOneIsUnbounded) {
    const std::string huge = "1" + std::string(400, '0');
    const struct {
        const char* text;
        int places;
        double low, high;
        bool expected;
    } cases[] = {
        {"99.9", 1, 0, 99.9, true},     {"99.91", 1, 0, 99.9, false},  // too many places
        {"100", 1, 0, 99.9, false},     {"999.99", 2, 0, 999.99, true},
        {"1000", 2, 0, 999.99, false},  {"99.990", 2, 0, 99.99, false},
        {"1", 0, 1, 5, true},           {"5", 0, 1, 5, true},
        {"0", 0, 1, 5, false},          {"6", 0, 1, 5, false},
        {"2.5", 0, 1, 5, false},        {"123456789.12", 2, 0, -1, true},
        {huge.c_str(), 0, 0, -1, true},  // beyond the range of double, yet above low
        {"", 2, 0, -1, false},          {nullptr, 2, 0, -1, false},
        {"abc", 2, 0, -1, false},
    };
    for (const auto& c : cases) {
        CZenkorValidate v;
        EXPECT_EQ(v.IsDecimalInRange(c.text, c.places, c.low, c.high) != 0, c.expected)
            << "IsDecimalInRange " << shown(c.text) << ", " << c.places << ", " << c.low << ", "
            << c.high;
    }
}

TEST(ValidateTest, DatesAcceptExactlyTheirLayoutsWithRealDays) {
    using Test = int (CZenkorValidate::*)(const char*);
    const struct {
        const char* name;
        Test test;
        std::vector<const char*> accepted, rejected;
    } groups[] = {
        {"IsCCExpDate (MMYY, any year)",
         &CZenkorValidate::IsCCExpDate,
         {"0199", "1230"},
         {"0000", "1325", "125", "01255", "01/5", "", nullptr}},
        {"IsDate (day and upper-case month)",
         &CZenkorValidate::IsDate,
         {"5JAN", "05JAN", "31JAN", "29FEB", "30APR", "31DEC"},
         {"32JAN", "30FEB", "31APR", "0JAN", "5jan", "5Jan", "5JANU", "105JAN", "JAN", " 5JAN",
          "5XYZ", "", nullptr}},
        {"IsDateDDMMMYY (years 20YY)",
         &CZenkorValidate::IsDateDDMMMYY,
         {"05MAR09", "29FEB24", "29FEB00"},
         {"29FEB23", "5MAR09", "05MAR2009", "31JUN09", "05mar09", "05MAR0X", nullptr}},
        {"IsDateDDMM (any year)",
         &CZenkorValidate::IsDateDDMM,
         {"0503", "2902"},
         {"3002", "0013", "0100", "503", nullptr}},
        {"IsDateDDMMYYYY",
         &CZenkorValidate::IsDateDDMMYYYY,
         {"05032009", "29022000", "29022024"},
         {"29021900", "29022023", "31112009", "01010000", "0503209", nullptr}},
    };
    for (const auto& g : groups) {
        CZenkorValidate v;
        for (const char* text : g.accepted)
            EXPECT_NE((v.*g.test)(text), 0) << g.name << " " << text;
        for (const char* text : g.rejected)
            EXPECT_EQ((v.*g.test)(text), 0) << g.name << " " << shown(text);
    }
}

}  // namespace
