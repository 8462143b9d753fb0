// The tooltips of one dialog: one tooltip window of the common controls, made when the first
// control gets a text, showing each control's text while the mouse rests on it.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace ui::win32 {

class Tooltips {
  public:
    explicit Tooltips(HWND dialog) : dialog_(dialog) {}
    ~Tooltips();
    Tooltips(const Tooltips&) = delete;
    Tooltips& operator=(const Tooltips&) = delete;

    // Gives control its text; "" takes its tooltip away.
    void set(HWND control, std::string_view text);
    // The text the tooltip window holds for control, if it has one.
    std::optional<std::string> text(HWND control) const;

  private:
    HWND dialog_;
    HWND window_ = nullptr;
};

}  // namespace ui::win32
