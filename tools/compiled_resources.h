// A reader of compiled resources as the resource compiler writes them (.res files): the entry
// headers, DIALOGEX templates with their items, string blocks of 16 and bitmaps. Every read is
// bounds-checked: malformed input throws ResourceError naming the offset and what is wrong.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/types.h"

namespace rc {

struct ResourceError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Predefined resource types.
inline constexpr std::uint16_t kBitmapType = 2;
inline constexpr std::uint16_t kDialogType = 5;
inline constexpr std::uint16_t kStringType = 6;

// A resource type, resource name, window class or text: a number or a string.
struct NameOrOrdinal {
    std::optional<std::uint16_t> ordinal;
    std::u16string name;

    bool operator==(std::uint16_t n) const { return ordinal == n; }
    bool operator==(std::u16string_view s) const { return !ordinal && name == s; }
    std::string display() const;  // "5" or the name in UTF-8
};

struct Resource {
    NameOrOrdinal type;
    NameOrOrdinal name;
    std::uint16_t language = 0;
    std::span<const std::uint8_t> data;  // within the bytes given to readResFile
    std::size_t offset = 0;              // of its entry in the file
};

// The resources of a .res file in file order (without the leading empty entry).
std::vector<Resource> readResFile(std::span<const std::uint8_t> bytes);

struct DialogItem {
    std::uint32_t exStyle = 0, style = 0;
    int x = 0, y = 0, width = 0, height = 0;
    int id = 0;
    NameOrOrdinal windowClass;  // an ordinal is a predefined class (0x80 Button ... 0x85 ComboBox)
    NameOrOrdinal title;
};

struct DialogEx {
    std::uint32_t exStyle = 0, style = 0;
    int x = 0, y = 0, width = 0, height = 0;
    std::u16string title;
    int fontSize = 0;  // with DS_SETFONT, else 0 and no face
    std::u16string fontFace;
    std::vector<DialogItem> items;
};

// A DIALOGEX template (a plain DIALOG template is refused).
DialogEx readDialogEx(std::span<const std::uint8_t> data);

// A block of 16 strings: block n holds the strings (n - 1) * 16 to (n - 1) * 16 + 15; an empty
// string is one the script does not define.
std::array<std::u16string, 16> readStringBlock(std::span<const std::uint8_t> data);

struct BitmapInfo {
    int width = 0, height = 0;
    unsigned bitsPerPixel = 0;
};

// A BITMAP resource: a device-independent bitmap without its file header.
BitmapInfo readBitmap(std::span<const std::uint8_t> data);

// The kind the headless dialogs give an item; forms they cannot behave like are refused.
ui::ControlKind controlKind(const DialogItem& item);

// The code page of the strings of a resource language; throws for a language without one.
unsigned codePageOfLanguage(std::uint16_t language);

}  // namespace rc
