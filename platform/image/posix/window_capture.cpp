// The headless backend draws nothing: its windows have no pixels to take.
#include "platform/image/window_picture.h"

namespace image {

std::optional<Picture> pictureOf(ui::NativeWindow) {
    return std::nullopt;
}

}  // namespace image
