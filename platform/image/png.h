// Pictures as PNG files, written by us: eight-bit RGB, every row unfiltered, the image data a
// zlib stream of one deflate block with the fixed Huffman codes, whose only matches repeat the
// pixel before or the pixel above. Forms are mostly flat colour, so that is enough to keep
// their pictures small.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace image {

// Pixels top row first, three bytes each (red, green, blue).
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;
};

// The PNG file of a picture; empty for a picture with no pixels, or whose pixels do not match
// its size.
std::vector<std::uint8_t> encodePng(const Picture& picture);

// The zlib stream of `bytes`: one block of fixed Huffman codes, its matches looked for only at
// the given distances back (each at most 32768), the longest taken.
std::vector<std::uint8_t> zlibStream(std::span<const std::uint8_t> bytes,
                                     std::span<const std::size_t> distances);

// The checksums the format uses: CRC-32 of each chunk, Adler-32 of the zlib stream.
std::uint32_t crc32(std::span<const std::uint8_t> bytes);
std::uint32_t adler32(std::span<const std::uint8_t> bytes);

}  // namespace image
