// Dialog templates as tables, generated at build time from the compiled resources of the module,
// so that the headless dialogs see exactly the style bits the Windows module carries.
#pragma once

#include <cstdint>
#include <span>

#include "platform/ui/types.h"

namespace ui {

// Style bits of compiled dialog templates (the values of the system header).
namespace style {
inline constexpr std::uint32_t kVisible = 0x10000000;        // WS_VISIBLE
inline constexpr std::uint32_t kDisabled = 0x08000000;       // WS_DISABLED
inline constexpr std::uint32_t kGroup = 0x00020000;          // WS_GROUP
inline constexpr std::uint32_t kTabStop = 0x00010000;        // WS_TABSTOP
inline constexpr std::uint32_t kEditMultiline = 0x0004;      // ES_MULTILINE
inline constexpr std::uint32_t kEditUppercase = 0x0008;      // ES_UPPERCASE
inline constexpr std::uint32_t kButtonTypeMask = 0x000F;     // BS_PUSHBUTTON ... BS_OWNERDRAW
inline constexpr std::uint32_t kComboTypeMask = 0x0003;      // CBS_SIMPLE ... CBS_DROPDOWNLIST
inline constexpr std::uint32_t kComboDropDownList = 0x0003;  // CBS_DROPDOWNLIST
inline constexpr std::uint32_t kButtonNotify = 0x4000;       // BS_NOTIFY
inline constexpr std::uint32_t kStaticNotify = 0x0100;       // SS_NOTIFY
inline constexpr std::uint32_t kListMultiple =
    0x0008 | 0x0800;  // LBS_MULTIPLESEL | LBS_EXTENDEDSEL
}  // namespace style

struct ControlTemplate {
    ControlId id;
    ControlKind kind;
    const char* text;  // UTF-8
    int x, y, width, height;
    std::uint32_t style;      // as compiled
    std::uint32_t exStyle;    // as compiled
    const char* windowClass;  // custom controls: the class as compiled, else ""

    bool uppercase() const { return kind == ControlKind::Edit && has(style::kEditUppercase); }
    bool group() const { return has(style::kGroup); }  // starts a group of radio buttons
    bool disabled() const { return has(style::kDisabled); }
    bool hidden() const { return !has(style::kVisible); }
    bool tabStop() const { return has(style::kTabStop); }
    // Buttons and labels tell their dialog of clicks (labels) and focus changes (buttons) only
    // with these styles.
    bool notifies() const {
        switch (kind) {
            case ControlKind::Button:
            case ControlKind::CheckBox:
            case ControlKind::Radio:
                return has(style::kButtonNotify);
            case ControlKind::Static:
            case ControlKind::Link:
                return has(style::kStaticNotify);
            default:
                return false;
        }
    }
    bool multipleSelect() const {
        return kind == ControlKind::ListBox && (style & style::kListMultiple) != 0;
    }

  private:
    constexpr bool has(std::uint32_t bit) const { return (style & bit) != 0; }
};

struct DialogTemplate {
    DialogId id;
    const char* caption;  // UTF-8
    int width, height;
    const char* fontFace;  // UTF-8
    int fontSize;
    std::span<const ControlTemplate> controls;
};

// The template of id, or nullptr.
const DialogTemplate* findTemplate(DialogId id);

struct StringResource {
    int id;
    const char16_t* text;
};

// The string table entries of the module, per code page family: the table written for the
// given code page when there is one, else the default table.
std::span<const StringResource> stringTable(unsigned codePage);

}  // namespace ui
