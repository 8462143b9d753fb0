#include "tools/compiled_resources.h"

#include <algorithm>
#include <cstdio>

#include "platform/text/codepage.h"
#include "platform/ui/dialog_template.h"

namespace rc {
namespace {

std::string hex(std::size_t n) {
    char buf[24];
    std::snprintf(buf, sizeof buf, "0x%zX", n);
    return buf;
}

// Reads little-endian values from a byte range; every read past its end throws.
class Cursor {
  public:
    // base: the offset of bytes in the file, for messages.
    Cursor(std::span<const std::uint8_t> bytes, std::string what, std::size_t base = 0)
        : bytes_(bytes), what_(std::move(what)), base_(base) {}

    std::size_t offset() const { return pos_; }
    std::size_t left() const { return bytes_.size() - pos_; }

    std::uint8_t u8() { return take(1)[0]; }
    std::uint16_t u16() {
        auto b = take(2);
        return static_cast<std::uint16_t>(b[0] | b[1] << 8);
    }
    std::uint32_t u32() {
        auto b = take(4);
        return static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
               static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
    }
    int s16() { return static_cast<std::int16_t>(u16()); }

    std::span<const std::uint8_t> take(std::size_t n) {
        if (n > left())
            fail("needs " + std::to_string(n) + " bytes, " + std::to_string(left()) + " are left");
        auto b = bytes_.subspan(pos_, n);
        pos_ += n;
        return b;
    }

    // A NUL-terminated UTF-16 string.
    std::u16string string() {
        std::u16string s;
        for (char16_t c = static_cast<char16_t>(u16()); c != 0; c = static_cast<char16_t>(u16()))
            s += c;
        return s;
    }

    // 0xFFFF and a number, else a NUL-terminated string (0x0000 alone: the empty string).
    NameOrOrdinal nameOrOrdinal() {
        NameOrOrdinal n;
        std::size_t at = pos_;
        if (u16() == 0xFFFF) {
            n.ordinal = u16();
        } else {
            pos_ = at;
            n.name = string();
        }
        return n;
    }

    void align4() { pos_ = std::min(bytes_.size(), (pos_ + 3) & ~std::size_t{3}); }

    [[noreturn]] void fail(const std::string& why) const {
        throw ResourceError(what_ + " at offset " + hex(base_ + pos_) + ": " + why);
    }

  private:
    std::span<const std::uint8_t> bytes_;
    std::string what_;
    std::size_t base_;
    std::size_t pos_ = 0;
};

std::string utf8(std::u16string_view s) {
    return text::fromUtf16(s, text::kUtf8);
}

bool sameText(std::u16string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char32_t c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; };
        if (lower(a[i]) != lower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

// The predefined window classes by atom and name.
struct PredefinedClass {
    std::uint16_t atom;
    const char* name;
};
constexpr PredefinedClass kPredefinedClasses[] = {
    {0x80, "Button"},  {0x81, "Edit"},      {0x82, "Static"},
    {0x83, "ListBox"}, {0x84, "ScrollBar"}, {0x85, "ComboBox"},
};

std::optional<std::uint16_t> predefinedAtom(const NameOrOrdinal& windowClass) {
    if (windowClass.ordinal)
        return windowClass.ordinal;
    for (const PredefinedClass& c : kPredefinedClasses) {
        if (sameText(windowClass.name, c.name))
            return c.atom;
    }
    return std::nullopt;
}

// Code pages of the primary languages a string table may be written for.
struct LanguageCodePage {
    std::uint16_t primaryLanguage;
    unsigned codePage;
};
constexpr LanguageCodePage kLanguageCodePages[] = {
    {0x00, 1252}, {0x09, 1252}, {0x02, 1251}, {0x19, 1251}, {0x22, 1251}, {0x23, 1251},
};

}  // namespace

std::string NameOrOrdinal::display() const {
    return ordinal ? std::to_string(*ordinal) : utf8(name);
}

std::vector<Resource> readResFile(std::span<const std::uint8_t> bytes) {
    Cursor c(bytes, "compiled resources");
    std::vector<Resource> resources;
    while (c.left() > 0) {
        Resource r;
        r.offset = c.offset();
        std::uint32_t dataSize = c.u32();
        std::uint32_t headerSize = c.u32();
        if (headerSize < 8 || headerSize - 8 > c.left())
            c.fail("header size " + std::to_string(headerSize) + " is out of bounds");
        Cursor fields(c.take(headerSize - 8), "resource header", r.offset + 8);
        r.type = fields.nameOrOrdinal();
        r.name = fields.nameOrOrdinal();
        fields.align4();
        fields.u32();  // data version
        fields.u16();  // memory flags
        r.language = fields.u16();
        fields.u32();  // version
        fields.u32();  // characteristics
        r.data = c.take(dataSize);
        c.align4();
        resources.push_back(r);
    }
    // A 32-bit resource file opens with an empty entry of type and name 0.
    if (resources.empty() || !(resources[0].type == 0) || !(resources[0].name == 0) ||
        !resources[0].data.empty()) {
        throw ResourceError("not a 32-bit compiled resource file");
    }
    resources.erase(resources.begin());
    return resources;
}

DialogEx readDialogEx(std::span<const std::uint8_t> data) {
    Cursor c(data, "dialog template");
    DialogEx d;
    if (c.u16() != 1 || c.u16() != 0xFFFF)
        c.fail("not a DIALOGEX template");
    c.u32();  // help ID
    d.exStyle = c.u32();
    d.style = c.u32();
    std::uint16_t count = c.u16();
    d.x = c.s16();
    d.y = c.s16();
    d.width = c.s16();
    d.height = c.s16();
    NameOrOrdinal menu = c.nameOrOrdinal();
    NameOrOrdinal windowClass = c.nameOrOrdinal();
    if (menu.ordinal || !menu.name.empty() || windowClass.ordinal || !windowClass.name.empty())
        c.fail("dialogs with a menu or a window class of their own are not supported");
    d.title = c.string();
    constexpr std::uint32_t kSetFont = 0x40;  // DS_SETFONT (also part of DS_SHELLFONT)
    if ((d.style & kSetFont) != 0) {
        d.fontSize = c.u16();
        c.u16();  // weight
        c.u8();   // italic
        c.u8();   // character set
        d.fontFace = c.string();
    }
    for (std::uint16_t i = 0; i < count; ++i) {
        c.align4();
        DialogItem item;
        c.u32();  // help ID
        item.exStyle = c.u32();
        item.style = c.u32();
        item.x = c.s16();
        item.y = c.s16();
        item.width = c.s16();
        item.height = c.s16();
        item.id = static_cast<std::int32_t>(c.u32());
        item.windowClass = c.nameOrOrdinal();
        item.title = c.nameOrOrdinal();
        c.take(c.u16());  // creation data
        d.items.push_back(std::move(item));
    }
    return d;
}

std::array<std::u16string, 16> readStringBlock(std::span<const std::uint8_t> data) {
    Cursor c(data, "string block");
    std::array<std::u16string, 16> strings;
    for (std::u16string& s : strings) {
        std::uint16_t length = c.u16();
        for (std::uint16_t i = 0; i < length; ++i)
            s += static_cast<char16_t>(c.u16());
    }
    return strings;
}

BitmapInfo readBitmap(std::span<const std::uint8_t> data) {
    Cursor c(data, "bitmap");
    std::uint32_t headerSize = c.u32();
    BitmapInfo b;
    std::uint32_t compression = 0;
    if (headerSize == 12) {  // BITMAPCOREHEADER
        b.width = c.u16();
        b.height = c.u16();
        c.u16();  // planes
        b.bitsPerPixel = c.u16();
    } else if (headerSize >= 40 && headerSize <= data.size()) {  // BITMAPINFOHEADER and later
        b.width = static_cast<std::int32_t>(c.u32());
        b.height = static_cast<std::int32_t>(c.u32());
        c.u16();  // planes
        b.bitsPerPixel = c.u16();
        compression = c.u32();
    } else {
        c.fail("unknown bitmap header size " + std::to_string(headerSize));
    }
    const unsigned depths[] = {1, 4, 8, 16, 24, 32};
    if (std::find(std::begin(depths), std::end(depths), b.bitsPerPixel) == std::end(depths))
        c.fail(std::to_string(b.bitsPerPixel) + " bits per pixel");
    if (b.width <= 0 || b.height == 0)
        c.fail("bitmap of " + std::to_string(b.width) + " x " + std::to_string(b.height));
    constexpr std::uint32_t kRgb = 0, kBitFields = 3;
    if (compression == kRgb || compression == kBitFields) {
        // Uncompressed rows are padded to four bytes; the pixels end the resource.
        std::uint64_t row = (std::uint64_t(b.width) * b.bitsPerPixel + 31) / 32 * 4;
        std::uint64_t rows = b.height < 0 ? -std::int64_t{b.height} : b.height;
        if (row * rows > data.size() - headerSize)
            c.fail("the pixels of " + std::to_string(b.width) + " x " + std::to_string(b.height) +
                   " do not fit in " + std::to_string(data.size()) + " bytes");
    }
    return b;
}

ui::ControlKind controlKind(const DialogItem& item) {
    namespace s = ui::style;
    std::string where = "control " + std::to_string(item.id) + ": ";
    std::optional<std::uint16_t> atom = predefinedAtom(item.windowClass);
    if (!atom)
        return ui::ControlKind::Custom;
    switch (*atom) {
        case 0x80:
            switch (item.style & s::kButtonTypeMask) {
                case 0x0:  // BS_PUSHBUTTON
                case 0x1:  // BS_DEFPUSHBUTTON
                    return ui::ControlKind::Button;
                case 0x3:  // BS_AUTOCHECKBOX
                    return ui::ControlKind::CheckBox;
                case 0x9:  // BS_AUTORADIOBUTTON
                    return ui::ControlKind::Radio;
                case 0x7:  // BS_GROUPBOX
                    return ui::ControlKind::Group;
                default:
                    throw ResourceError(
                        where + "only automatic check boxes and radio buttons are supported");
            }
        case 0x81:
            if ((item.style & s::kEditMultiline) != 0)
                throw ResourceError(where + "only single-line edits are supported");
            return ui::ControlKind::Edit;
        case 0x82:
            return ui::ControlKind::Static;
        case 0x83:
            return ui::ControlKind::ListBox;
        case 0x85:
            if ((item.style & s::kComboTypeMask) != s::kComboDropDownList)
                throw ResourceError(where +
                                    "only drop-down lists (CBS_DROPDOWNLIST) are supported");
            return ui::ControlKind::Combo;
        default:
            throw ResourceError(where + "window class " + item.windowClass.display() +
                                " is not supported");
    }
}

unsigned codePageOfLanguage(std::uint16_t language) {
    std::uint16_t primary = language & 0x3FF;
    for (const LanguageCodePage& l : kLanguageCodePages) {
        if (l.primaryLanguage == primary)
            return l.codePage;
    }
    throw ResourceError("no code page known for language " + hex(language));
}

}  // namespace rc
