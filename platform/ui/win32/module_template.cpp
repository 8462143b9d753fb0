#include "platform/ui/win32/module_template.h"

#include <cstring>

namespace ui::win32 {

namespace {

// A DIALOGEX template starts with its version 1 and the signature 0xFFFF; its style follows
// the help ID and the extended style. A classic template starts with its style.
constexpr std::size_t kExtendedStyleOffset = 12;
constexpr std::uint32_t kFrameStyles =
    WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;

bool isExtended(const std::vector<BYTE>& data) {
    return data.size() >= 4 && data[0] == 1 && data[1] == 0 && data[2] == 0xFF && data[3] == 0xFF;
}

}  // namespace

HINSTANCE thisModule() {
    HMODULE module = nullptr;
    GetModuleHandleExW(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCWSTR>(&thisModule), &module);
    return module;
}

std::optional<std::vector<BYTE>> loadDialogTemplate(DialogId id, Placement placement) {
    HINSTANCE module = thisModule();
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5));  // RT_DIALOG
    if (found == nullptr)
        return std::nullopt;
    HGLOBAL loaded = LoadResource(module, found);
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    const DWORD size = SizeofResource(module, found);
    if (bytes == nullptr || size < 18)
        return std::nullopt;
    std::vector<BYTE> data(static_cast<const BYTE*>(bytes), static_cast<const BYTE*>(bytes) + size);
    const std::size_t at = isExtended(data) ? kExtendedStyleOffset : 0;
    std::uint32_t style;
    std::memcpy(&style, data.data() + at, sizeof style);
    if (placement == Placement::Child)
        style = (style & ~kFrameStyles) | WS_CHILD;
    if (placement == Placement::TopLevel && (style & WS_CHILD) != 0)
        style = (style & ~(WS_CHILD | DS_CONTROL)) | WS_POPUP | WS_CAPTION | WS_SYSMENU;
    std::memcpy(data.data() + at, &style, sizeof style);
    return data;
}

}  // namespace ui::win32
