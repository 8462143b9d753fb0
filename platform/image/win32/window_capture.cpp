// A window's pixels taken from the window itself: its own device context, after it has
// painted whatever was pending, copied into a bitmap of ours.
#include <cstdint>

#include "platform/com/com.h"
#include "platform/image/window_picture.h"

namespace image {

std::optional<Picture> pictureOf(ui::NativeWindow native) {
    HWND window = reinterpret_cast<HWND>(native);
    RECT area{};
    if (window == nullptr || !IsWindow(window) || !GetWindowRect(window, &area))
        return std::nullopt;
    Picture picture;
    picture.width = area.right - area.left;
    picture.height = area.bottom - area.top;
    if (picture.width <= 0 || picture.height <= 0)
        return std::nullopt;
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC source = GetWindowDC(window);
    HDC memory = CreateCompatibleDC(source);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool copied = false;
    if (bitmap != nullptr) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        copied = BitBlt(memory, 0, 0, picture.width, picture.height, source, 0, 0, SRCCOPY) != 0;
        GdiFlush();
        if (copied) {
            const auto* bgrx = static_cast<const std::uint8_t*>(bits);
            const std::size_t pixels =
                static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height);
            picture.rgb.resize(pixels * 3);
            for (std::size_t i = 0; i < pixels; ++i) {
                picture.rgb[i * 3] = bgrx[i * 4 + 2];
                picture.rgb[i * 3 + 1] = bgrx[i * 4 + 1];
                picture.rgb[i * 3 + 2] = bgrx[i * 4];
            }
        }
        SelectObject(memory, old);
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(window, source);
    if (!copied)
        return std::nullopt;
    return picture;
}

}  // namespace image
