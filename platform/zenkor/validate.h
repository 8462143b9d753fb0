// Tests on the text of one field. Every test answers non-zero to accept and 0 to reject; the
// character classes are ASCII (A-Z, a-z, 0-9) and every class test rejects the empty text.
#pragma once

class CZenkorValidate {
  public:
    int IsAlpha(const char* text);
    int IsNumeric(const char* text);
    int IsAlphanumeric(const char* text);
    // The class plus every character of extra.
    int IsAlphanumericEx(const char* text, const char* extra);
    int IsNumericEx(const char* text, const char* extra);
    // One or more digits, optionally "." and one to places digits.
    int IsDecimalEx(const char* text, int places);
    // IsDecimalEx and low <= value <= high; high -1 means no upper bound.
    int IsDecimalInRange(const char* text, int places, double low, double high);
    // MMYY, month 01 to 12, any year.
    int IsCCExpDate(const char* text);
    // A day of one or two digits and a month JAN to DEC, the day valid for the month (29 FEB).
    int IsDate(const char* text);
    int IsDateDDMMMYY(const char* text);
    int IsDateDDMM(const char* text);
    int IsDateDDMMYYYY(const char* text);
};
