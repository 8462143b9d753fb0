// Pictures of windows as the agent sees them, saved as PNG files.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/image/png.h"
#include "platform/ui/types.h"

namespace image {

// The window's pixels as they show, frame included; none for no window, or where windows have
// no pixels (the headless backend).
std::optional<Picture> pictureOf(ui::NativeWindow window);

// Saves the PNG of the window at path (relative paths from the home). Answers "" when saved,
// else what went wrong.
std::string savePicture(ui::NativeWindow window, std::string_view path);

}  // namespace image
