#include "platform/image/png.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace image {
namespace {

constexpr std::size_t kWindow = 32768;
constexpr std::size_t kMinMatch = 3;
constexpr std::size_t kMaxMatch = 258;

// Deflate's length and distance codes: the first value of each, and its extra bits.
constexpr std::array<std::uint16_t, 29> kLengthBase = {3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                                       15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                                       67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<std::uint8_t, 29> kLengthExtra = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                                       2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<std::uint16_t, 30> kDistanceBase = {
    1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
    193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<std::uint8_t, 30> kDistanceExtra = {0, 0, 0,  0,  1,  1,  2,  2,  3,  3,
                                                         4, 4, 5,  5,  6,  6,  7,  7,  8,  8,
                                                         9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

// Bits as deflate packs them: from the low bit of each byte up.
class BitWriter {
  public:
    explicit BitWriter(std::vector<std::uint8_t>& out) : out_(out) {}
    void bits(std::uint32_t value, int count) {
        pending_ |= value << filled_;
        filled_ += count;
        for (; filled_ >= 8; filled_ -= 8, pending_ >>= 8)
            out_.push_back(static_cast<std::uint8_t>(pending_));
    }
    // A Huffman code goes most significant bit first.
    void huffmanCode(std::uint32_t value, int length) {
        std::uint32_t reversed = 0;
        for (int i = 0; i < length; ++i)
            reversed = (reversed << 1) | ((value >> i) & 1);
        bits(reversed, length);
    }
    void flush() {
        if (filled_ > 0)
            out_.push_back(static_cast<std::uint8_t>(pending_));
        pending_ = 0;
        filled_ = 0;
    }

  private:
    std::vector<std::uint8_t>& out_;
    std::uint32_t pending_ = 0;
    int filled_ = 0;
};

// A literal (0 to 255), the end of the block (256) or a length code (257 to 285).
void putSymbol(BitWriter& w, unsigned symbol) {
    if (symbol < 144)
        w.huffmanCode(0x30 + symbol, 8);
    else if (symbol < 256)
        w.huffmanCode(0x190 + symbol - 144, 9);
    else if (symbol < 280)
        w.huffmanCode(symbol - 256, 7);
    else
        w.huffmanCode(0xC0 + symbol - 280, 8);
}

void putMatch(BitWriter& w, std::size_t length, std::size_t distance) {
    std::size_t l = kLengthBase.size() - 1;
    while (kLengthBase[l] > length)
        --l;
    putSymbol(w, static_cast<unsigned>(257 + l));
    w.bits(static_cast<std::uint32_t>(length - kLengthBase[l]), kLengthExtra[l]);
    std::size_t d = kDistanceBase.size() - 1;
    while (kDistanceBase[d] > distance)
        --d;
    w.huffmanCode(static_cast<std::uint32_t>(d), 5);
    w.bits(static_cast<std::uint32_t>(distance - kDistanceBase[d]), kDistanceExtra[d]);
}

constexpr std::array<std::uint32_t, 256> crcTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

void putBig32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

// A chunk: length, type, data and the CRC of type and data.
void putChunk(std::vector<std::uint8_t>& out, std::string_view type,
              std::span<const std::uint8_t> data) {
    putBig32(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = out.size();
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), data.begin(), data.end());
    putBig32(out, crc32(std::span(out).subspan(start)));
}

}  // namespace

std::vector<std::uint8_t> zlibStream(std::span<const std::uint8_t> bytes,
                                     std::span<const std::size_t> distances) {
    std::vector<std::uint8_t> out = {0x78, 0x01};  // deflate, 32 KiB window; no dictionary
    BitWriter w(out);
    w.bits(1, 1);  // the last block
    w.bits(1, 2);  // fixed Huffman codes
    for (std::size_t at = 0; at < bytes.size();) {
        std::size_t best = 0, bestDistance = 0;
        for (const std::size_t distance : distances) {
            if (distance == 0 || distance > at || distance > kWindow)
                continue;
            std::size_t length = 0;
            while (length < kMaxMatch && at + length < bytes.size() &&
                   bytes[at + length] == bytes[at + length - distance]) {
                ++length;
            }
            if (length > best) {
                best = length;
                bestDistance = distance;
            }
        }
        if (best >= kMinMatch) {
            putMatch(w, best, bestDistance);
            at += best;
        } else {
            putSymbol(w, bytes[at]);
            ++at;
        }
    }
    putSymbol(w, 256);
    w.flush();
    putBig32(out, adler32(bytes));
    return out;
}

std::uint32_t crc32(std::span<const std::uint8_t> bytes) {
    static constexpr auto kTable = crcTable();
    std::uint32_t c = 0xFFFFFFFFu;
    for (std::uint8_t b : bytes)
        c = kTable[(c ^ b) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

std::uint32_t adler32(std::span<const std::uint8_t> bytes) {
    constexpr std::uint32_t kModulus = 65521;
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t byte : bytes) {
        a = (a + byte) % kModulus;
        b = (b + a) % kModulus;
    }
    return (b << 16) | a;
}

std::vector<std::uint8_t> encodePng(const Picture& picture) {
    if (picture.width <= 0 || picture.height <= 0 ||
        picture.rgb.size() != static_cast<std::size_t>(picture.width) *
                                  static_cast<std::size_t>(picture.height) * 3) {
        return {};
    }
    const std::size_t row = static_cast<std::size_t>(picture.width) * 3;
    std::vector<std::uint8_t> raw;
    raw.reserve((row + 1) * static_cast<std::size_t>(picture.height));
    for (int y = 0; y < picture.height; ++y) {
        raw.push_back(0);  // filter: none
        const auto begin = picture.rgb.begin() + static_cast<std::ptrdiff_t>(row * y);
        raw.insert(raw.end(), begin, begin + static_cast<std::ptrdiff_t>(row));
    }
    std::vector<std::uint8_t> header;
    putBig32(header, static_cast<std::uint32_t>(picture.width));
    putBig32(header, static_cast<std::uint32_t>(picture.height));
    header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, no filter, no interlace

    std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    putChunk(out, "IHDR", header);
    // The pixel before, and the same pixel of the row above (a row holds its filter byte).
    const std::size_t distances[] = {3, row + 1};
    putChunk(out, "IDAT", zlibStream(raw, distances));
    putChunk(out, "IEND", {});
    return out;
}

}  // namespace image
