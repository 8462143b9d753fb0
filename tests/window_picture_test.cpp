// Pictures of windows: no window is no picture and no file; on Windows a real window's pixels
// come back with its size and colours, and its PNG file is written where asked.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/image/window_picture.h"

#if defined(_WIN32)
#include <windows.h>
#endif

namespace {

std::filesystem::path scratch(const char* name) {
    return std::filesystem::temp_directory_path() / name;
}

TEST(WindowPicture, NoWindowIsNoPictureAndNoFile) {
    const auto path = scratch("farewright-no-window.png");
    std::filesystem::remove(path);
    EXPECT_FALSE(image::pictureOf(0));
    EXPECT_EQ(image::savePicture(0, path.string()), "no window to take a picture of");
    EXPECT_FALSE(std::filesystem::exists(path));
}

#if defined(_WIN32)
// A plain window painted in one colour.
class Painted {
  public:
    explicit Painted(COLORREF colour) : brush_(CreateSolidBrush(colour)) {
        WNDCLASSW kind{};
        kind.lpfnWndProc = DefWindowProcW;
        kind.hInstance = GetModuleHandleW(nullptr);
        kind.hbrBackground = brush_;
        kind.lpszClassName = L"FarewrightPictureTest";
        RegisterClassW(&kind);
        window_ = CreateWindowExW(0, kind.lpszClassName, L"picture", WS_POPUP | WS_VISIBLE, 10, 10,
                                  120, 80, nullptr, nullptr, kind.hInstance, nullptr);
        UpdateWindow(window_);
    }
    ~Painted() {
        DestroyWindow(window_);
        UnregisterClassW(L"FarewrightPictureTest", GetModuleHandleW(nullptr));
        DeleteObject(brush_);
    }
    Painted(const Painted&) = delete;
    Painted& operator=(const Painted&) = delete;
    ui::NativeWindow window() const { return reinterpret_cast<ui::NativeWindow>(window_); }

  private:
    HBRUSH brush_;
    HWND window_ = nullptr;
};

TEST(WindowPicture, ARealWindowGivesItsOwnPixels) {
    const Painted painted(RGB(155, 204, 255));
    if (painted.window() == 0)
        GTEST_SKIP() << "no display to make windows on";
    const auto picture = image::pictureOf(painted.window());
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width, 120);
    EXPECT_EQ(picture->height, 80);
    const std::size_t centre = (40 * 120 + 60) * 3;
    EXPECT_EQ(picture->rgb[centre], 155);
    EXPECT_EQ(picture->rgb[centre + 1], 204);
    EXPECT_EQ(picture->rgb[centre + 2], 255);

    const auto path = scratch("farewright-window.png");
    ASSERT_EQ(image::savePicture(painted.window(), path.string()), "");
    std::string signature(8, '\0');
    std::ifstream(path, std::ios::binary).read(signature.data(), 8);
    EXPECT_EQ(signature, std::string("\x89PNG\r\n\x1A\n", 8));
    std::filesystem::remove(path);

    EXPECT_NE(image::savePicture(painted.window(), (path / "no-such-dir" / "x.png").string()), "");
}
#endif

}  // namespace
