// Code-page conversion for the two single-byte code pages the masks run under (Latin and
// Cyrillic) and for UTF-8.
//
// A code page we do not know converts as plain ASCII: bytes from 0x80 read as U+FFFD and
// characters from U+0080 write as "?".
#include "platform/text/codepage.h"

#include <array>
#include <atomic>
#include <cstdint>

namespace text {
namespace {

constexpr char16_t kReplacement = u'\uFFFD';
constexpr char kUnmappable = '?';

// The characters of the bytes 0x80 to 0xFF of a single-byte code page.
struct SingleByteCodePage {
    unsigned id;
    std::array<char16_t, 128> high;
};

// Latin: 0x80 to 0x9F as listed, 0xA0 to 0xFF the same-numbered characters. The five bytes the
// code page leaves undefined map to the same-numbered C1 controls, both ways.
constexpr SingleByteCodePage makeLatin() {
    constexpr char16_t c1Row[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 0x88
        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 0x98
    };
    SingleByteCodePage page{1252, {}};
    for (unsigned i = 0; i < 128; ++i) {
        page.high[i] = i < 32 ? c1Row[i] : static_cast<char16_t>(0x80 + i);
    }
    return page;
}

// Cyrillic. 0x98, undefined in the code page, maps to U+0098 both ways.
constexpr SingleByteCodePage kCyrillic{
    1251,
    {
        0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
        0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 0x88
        0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
        0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 0x98
        0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // 0xA0
        0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // 0xA8
        0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // 0xB0
        0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // 0xB8
        0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,  // 0xC0
        0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,  // 0xC8
        0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,  // 0xD0
        0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,  // 0xD8
        0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,  // 0xE0
        0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,  // 0xE8
        0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,  // 0xF0
        0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,  // 0xF8
    },
};

constexpr SingleByteCodePage kLatin = makeLatin();
constexpr const SingleByteCodePage* kSingleBytePages[] = {&kLatin, &kCyrillic};

const SingleByteCodePage* findSingleByte(unsigned codePage) {
    for (const SingleByteCodePage* page : kSingleBytePages) {
        if (page->id == codePage) {
            return page;
        }
    }
    return nullptr;
}

std::atomic<unsigned> gSystemCodePage{1252};

bool isHighSurrogate(char32_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool isLowSurrogate(char32_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// Walks UTF-16 text as characters; an unpaired surrogate reads as U+FFFD.
template <typename Sink>
void forEachCharacter(std::u16string_view text, Sink&& sink) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (isHighSurrogate(c) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (isHighSurrogate(c) || isLowSurrogate(c)) {
            c = kReplacement;
        }
        sink(c);
    }
}

void appendUtf8(std::string& out, char32_t c) {
    auto byte = [&out](char32_t b) { out.push_back(static_cast<char>(b)); };
    if (c < 0x80) {
        byte(c);
    } else if (c < 0x800) {
        byte(0xC0 | (c >> 6));
        byte(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        byte(0xE0 | (c >> 12));
        byte(0x80 | ((c >> 6) & 0x3F));
        byte(0x80 | (c & 0x3F));
    } else {
        byte(0xF0 | (c >> 18));
        byte(0x80 | ((c >> 12) & 0x3F));
        byte(0x80 | ((c >> 6) & 0x3F));
        byte(0x80 | (c & 0x3F));
    }
}

void appendUtf16(std::u16string& out, char32_t c) {
    if (c < 0x10000) {
        out.push_back(static_cast<char16_t>(c));
    } else {
        c -= 0x10000;
        out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
    }
}

// The bytes a lead byte announces and the range its first continuation byte must fall in
// (which rules out overlong forms, surrogates and values above U+10FFFF).
struct Utf8Lead {
    unsigned char first, last;  // lead byte range
    int continuations;
    unsigned char secondMin, secondMax;
    char32_t bits;  // mask of the payload bits of the lead byte
};

constexpr Utf8Lead kUtf8Leads[] = {
    {0xC2, 0xDF, 1, 0x80, 0xBF, 0x1F}, {0xE0, 0xE0, 2, 0xA0, 0xBF, 0x0F},
    {0xE1, 0xEC, 2, 0x80, 0xBF, 0x0F}, {0xED, 0xED, 2, 0x80, 0x9F, 0x0F},
    {0xEE, 0xEF, 2, 0x80, 0xBF, 0x0F}, {0xF0, 0xF0, 3, 0x90, 0xBF, 0x07},
    {0xF1, 0xF3, 3, 0x80, 0xBF, 0x07}, {0xF4, 0xF4, 3, 0x80, 0x8F, 0x07},
};

const Utf8Lead* findLead(unsigned char b) {
    for (const Utf8Lead& lead : kUtf8Leads) {
        if (b >= lead.first && b <= lead.last) {
            return &lead;
        }
    }
    return nullptr;
}

// Strict UTF-8: each maximal ill-formed part of a sequence becomes one U+FFFD, and makes
// wellFormed false.
std::u16string decodeUtf8(std::string_view text, bool& wellFormed) {
    wellFormed = true;
    std::u16string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b < 0x80) {
            out.push_back(b);
            ++i;
            continue;
        }
        const Utf8Lead* lead = findLead(b);
        ++i;
        if (lead == nullptr) {
            out.push_back(kReplacement);
            wellFormed = false;
            continue;
        }
        char32_t c = b & lead->bits;
        bool complete = true;
        for (int k = 0; k < lead->continuations; ++k) {
            const unsigned char min = k == 0 ? lead->secondMin : 0x80;
            const unsigned char max = k == 0 ? lead->secondMax : 0xBF;
            if (i >= text.size()) {
                complete = false;
                break;
            }
            const auto next = static_cast<unsigned char>(text[i]);
            if (next < min || next > max) {
                complete = false;
                break;
            }
            c = (c << 6) | (next & 0x3F);
            ++i;
        }
        if (complete) {
            appendUtf16(out, c);
        } else {
            out.push_back(kReplacement);
            wellFormed = false;
        }
    }
    return out;
}

std::u16string decodeSingleByte(std::string_view text, const SingleByteCodePage* page) {
    std::u16string out;
    out.reserve(text.size());
    for (char ch : text) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x80) {
            out.push_back(b);
        } else {
            out.push_back(page != nullptr ? page->high[b - 0x80] : kReplacement);
        }
    }
    return out;
}

char encodeSingleByte(char32_t c, const SingleByteCodePage* page) {
    if (c < 0x80) {
        return static_cast<char>(c);
    }
    if (page != nullptr && c <= 0xFFFF) {
        for (unsigned i = 0; i < page->high.size(); ++i) {
            if (page->high[i] == c) {
                return static_cast<char>(0x80 + i);
            }
        }
    }
    return kUnmappable;
}

}  // namespace

unsigned systemCodePage() {
    return gSystemCodePage.load();
}

// The masks keep one byte per character (field lengths, fixed columns), so only single-byte
// code pages can be the system code page; UTF-8 is refused.
bool setSystemCodePage(unsigned codePage) {
    if (findSingleByte(codePage) == nullptr) {
        return false;
    }
    gSystemCodePage.store(codePage);
    return true;
}

std::string fromUtf16(std::u16string_view text, unsigned codePage) {
    std::string out;
    out.reserve(text.size());
    if (codePage == kUtf8) {
        forEachCharacter(text, [&out](char32_t c) { appendUtf8(out, c); });
    } else {
        const SingleByteCodePage* page = findSingleByte(codePage);
        forEachCharacter(text,
                         [&out, page](char32_t c) { out.push_back(encodeSingleByte(c, page)); });
    }
    return out;
}

std::u16string toUtf16(std::string_view text, unsigned codePage) {
    if (codePage == kUtf8) {
        bool wellFormed = true;
        return decodeUtf8(text, wellFormed);
    }
    return decodeSingleByte(text, findSingleByte(codePage));
}

std::optional<std::u16string> utf8ToUtf16Strict(std::string_view text) {
    bool wellFormed = true;
    std::u16string decoded = decodeUtf8(text, wellFormed);
    if (!wellFormed)
        return std::nullopt;
    return decoded;
}

}  // namespace text
