#include "platform/image/window_picture.h"

#include <filesystem>
#include <fstream>

#include "platform/file/file.h"

namespace image {

std::string savePicture(ui::NativeWindow window, std::string_view path) {
    const std::optional<Picture> picture = pictureOf(window);
    if (!picture)
        return "no window to take a picture of";
    const std::vector<std::uint8_t> png = encodePng(*picture);
    if (png.empty())
        return "the window shows no pixels";
    const std::string target = file::resolve(path);
    std::ofstream out(std::filesystem::u8path(target), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    out.close();
    if (!out)
        return "cannot write " + target;
    return {};
}

}  // namespace image
