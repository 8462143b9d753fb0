// Dialog templates as tables, generated at build time from the resource scripts.
#pragma once

#include <cstdint>
#include <span>

#include "platform/ui/types.h"

namespace ui {

struct ControlTemplate {
    ControlId id;
    ControlKind kind;
    const char* text;  // UTF-8 as written in the script
    int x, y, width, height;
    bool uppercase;       // edits: ES_UPPERCASE
    bool group;           // WS_GROUP: starts a group of radio buttons
    bool disabled;        // WS_DISABLED
    bool hidden;          // no WS_VISIBLE
    bool multipleSelect;  // list boxes: LBS_MULTIPLESEL / LBS_EXTENDEDSEL
    bool tabStop;
    const char* windowClass;  // custom controls: the class named in the script, else ""
};

struct DialogTemplate {
    DialogId id;
    const char* caption;
    int width, height;
    const char* fontFace;
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
