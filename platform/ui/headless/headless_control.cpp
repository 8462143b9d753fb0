#include "platform/ui/headless/headless_control.h"

#include <array>
#include <cstdint>

#include "platform/text/codepage.h"

namespace ui::headless {

namespace {

struct LetterPair {
    std::uint8_t lower, upper;
};
struct LetterRange {
    std::uint8_t first, last;  // lower-case letters; upper case is 0x20 below
    std::uint8_t except;       // one byte inside the range that is no letter (0: none)
};

// The letters of a code page that ES_UPPERCASE turns into capitals of the same code page:
// runs of lower-case letters whose capitals lie 0x20 below, and single pairs elsewhere.
struct CaseTable {
    unsigned codePage;
    std::array<LetterRange, 2> ranges;
    const LetterPair* pairs;
    std::size_t pairCount;
};

constexpr LetterPair kPairs1252[] = {{0x9A, 0x8A}, {0x9C, 0x8C}, {0x9E, 0x8E}, {0xFF, 0x9F}};
constexpr LetterPair kPairs1251[] = {
    {0x83, 0x81}, {0x90, 0x80}, {0x9A, 0x8A}, {0x9C, 0x8C}, {0x9D, 0x8D},
    {0x9E, 0x8E}, {0x9F, 0x8F}, {0xA2, 0xA1}, {0xB3, 0xB2}, {0xB4, 0xA5},
    {0xB8, 0xA8}, {0xBA, 0xAA}, {0xBC, 0xA3}, {0xBE, 0xBD}, {0xBF, 0xAF},
};

constexpr CaseTable kCaseTables[] = {
    {1252, {{{'a', 'z', 0}, {0xE0, 0xFE, 0xF7}}}, kPairs1252, std::size(kPairs1252)},
    {1251, {{{'a', 'z', 0}, {0xE0, 0xFF, 0}}}, kPairs1251, std::size(kPairs1251)},
};

using UpperMap = std::array<std::uint8_t, 256>;

constexpr UpperMap buildMap(const CaseTable* table) {
    UpperMap map{};
    for (int b = 0; b < 256; ++b)
        map[b] = static_cast<std::uint8_t>(b);
    for (int b = 'a'; b <= 'z'; ++b)
        map[b] = static_cast<std::uint8_t>(b - 0x20);
    if (table == nullptr)
        return map;
    for (const LetterRange& r : table->ranges) {
        for (int b = r.first; b <= r.last; ++b) {
            if (r.except == 0 || b != r.except)
                map[b] = static_cast<std::uint8_t>(b - 0x20);
        }
    }
    for (std::size_t i = 0; i < table->pairCount; ++i) {
        map[table->pairs[i].lower] = table->pairs[i].upper;
    }
    return map;
}

constexpr UpperMap kAsciiOnly = buildMap(nullptr);
constexpr UpperMap kUpper1252 = buildMap(&kCaseTables[0]);
constexpr UpperMap kUpper1251 = buildMap(&kCaseTables[1]);

const UpperMap& upperMap(unsigned codePage) {
    switch (codePage) {
        case 1252:
            return kUpper1252;
        case 1251:
            return kUpper1251;
        default:
            return kAsciiOnly;
    }
}

struct KindName {
    ControlKind kind;
    const char* name;
};
constexpr KindName kKindNames[] = {
    {ControlKind::Edit, "edit"},         {ControlKind::Static, "static"},
    {ControlKind::Link, "link"},         {ControlKind::Button, "button"},
    {ControlKind::CheckBox, "checkbox"}, {ControlKind::Radio, "radio"},
    {ControlKind::Combo, "combo"},       {ControlKind::ListBox, "listbox"},
    {ControlKind::Group, "group"},       {ControlKind::Custom, "custom"},
};

}  // namespace

Control Control::fromTemplate(const ControlTemplate& t) {
    Control c;
    c.id = t.id;
    c.kind = t.kind;
    c.text = text::fromUtf16(text::toUtf16(t.text, text::kUtf8), text::systemCodePage());
    c.enabled = !t.disabled();
    c.visible = !t.hidden();
    c.uppercase = t.uppercase();
    c.group = t.group();
    c.tabStop = t.tabStop();
    c.multipleSelect = t.multipleSelect();
    c.notifies = t.notifies();
    c.windowClass = t.windowClass;
    if (c.kind == ControlKind::Edit && c.uppercase)
        c.text = upperCase(c.text, text::systemCodePage());
    return c;
}

bool Control::notifiesFocus() const {
    switch (kind) {
        case ControlKind::Edit:
        case ControlKind::Combo:
        case ControlKind::ListBox:
            return true;
        case ControlKind::Button:
        case ControlKind::CheckBox:
        case ControlKind::Radio:
            return notifies;
        default:
            return false;
    }
}

const char* kindName(ControlKind kind) {
    for (const KindName& k : kKindNames) {
        if (k.kind == kind)
            return k.name;
    }
    return "custom";
}

std::string_view windowText(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

std::string upperCase(std::string text, unsigned codePage) {
    const UpperMap& map = upperMap(codePage);
    for (char& c : text)
        c = static_cast<char>(map[static_cast<std::uint8_t>(c)]);
    return text;
}

}  // namespace ui::headless
