// PNG files of our own writer, read back as a reader does: the signature, every chunk's CRC,
// the header, and the image data inflated with its Adler-32 checked. The deflate streams are
// also held byte for byte against those of the reference library for the same matches.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/image/png.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes bytesOf(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

std::uint32_t big32(const Bytes& b, std::size_t at) {
    return (std::uint32_t{b[at]} << 24) | (std::uint32_t{b[at + 1]} << 16) |
           (std::uint32_t{b[at + 2]} << 8) | b[at + 3];
}

struct Chunk {
    std::string type;
    Bytes data;
};

// The chunks of a PNG file, or nullopt (with a failure) when the signature or a CRC is wrong.
std::optional<std::vector<Chunk>> readChunks(const Bytes& png) {
    const Bytes signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (png.size() < 8 || !std::equal(signature.begin(), signature.end(), png.begin())) {
        ADD_FAILURE() << "no PNG signature";
        return std::nullopt;
    }
    std::vector<Chunk> chunks;
    for (std::size_t at = 8; at < png.size();) {
        const std::uint32_t length = big32(png, at);
        const std::span<const std::uint8_t> typed(png.data() + at + 4, length + 4);
        if (image::crc32(typed) != big32(png, at + 8 + length)) {
            ADD_FAILURE() << "bad CRC at " << at;
            return std::nullopt;
        }
        chunks.push_back({std::string(png.begin() + at + 4, png.begin() + at + 8),
                          Bytes(png.begin() + at + 8, png.begin() + at + 8 + length)});
        at += 12 + length;
    }
    return chunks;
}

// Bits of a deflate stream, from the low bit of each byte up.
class BitReader {
  public:
    explicit BitReader(const Bytes& bytes, std::size_t at) : bytes_(bytes), bit_(at * 8) {}
    unsigned bits(int count) {
        unsigned value = 0;
        for (int i = 0; i < count; ++i)
            value |= next() << i;
        return value;
    }
    // A Huffman code, most significant bit first.
    unsigned code(int count) {
        unsigned value = 0;
        for (int i = 0; i < count; ++i)
            value = (value << 1) | next();
        return value;
    }
    std::size_t byteAfter() const { return (bit_ + 7) / 8; }
    bool over() const { return bit_ > bytes_.size() * 8; }

  private:
    unsigned next() {
        const std::size_t at = bit_++;
        return at / 8 < bytes_.size() ? (bytes_[at / 8] >> (at % 8)) & 1 : 0;
    }
    const Bytes& bytes_;
    std::size_t bit_;
};

// A symbol of the fixed literal/length code.
unsigned fixedSymbol(BitReader& in) {
    unsigned c = in.code(7);
    if (c <= 0x17)
        return 256 + c;
    c = (c << 1) | in.code(1);
    if (c >= 0x30 && c <= 0xBF)
        return c - 0x30;
    if (c >= 0xC0 && c <= 0xC7)
        return 280 + c - 0xC0;
    c = (c << 1) | in.code(1);
    return 144 + c - 0x190;
}

// The data of a zlib stream of fixed-code blocks, its checksum held.
Bytes inflate(const Bytes& stream) {
    static const unsigned kLength[] = {3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                       15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                       67, 83, 99, 115, 131, 163, 195, 227, 258};
    static const unsigned kDistance[] = {
        1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
        193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
    EXPECT_EQ(stream[0], 0x78);
    EXPECT_EQ((stream[0] * 256 + stream[1]) % 31, 0) << "zlib header check";
    Bytes out;
    BitReader in(stream, 2);
    for (bool last = false; !last && !in.over();) {
        last = in.bits(1) == 1;
        const unsigned type = in.bits(2);
        EXPECT_EQ(type, 1u) << "only fixed codes are written";
        for (unsigned symbol = fixedSymbol(in); symbol != 256 && !in.over();
             symbol = fixedSymbol(in)) {
            if (symbol < 256) {
                out.push_back(static_cast<std::uint8_t>(symbol));
                continue;
            }
            const unsigned l = symbol - 257;
            const unsigned length = kLength[l] + in.bits(l < 8 || l == 28 ? 0 : (l - 4) / 4);
            const unsigned d = in.code(5);
            const unsigned distance = kDistance[d] + in.bits(d < 4 ? 0 : (d - 2) / 2);
            if (distance > out.size()) {
                ADD_FAILURE() << "a match reaches before the data";
                return out;
            }
            for (unsigned i = 0; i < length; ++i)
                out.push_back(out[out.size() - distance]);
        }
    }
    const std::size_t end = in.byteAfter();
    EXPECT_EQ(end + 4, stream.size()) << "the checksum ends the stream";
    if (end + 4 <= stream.size()) {
        EXPECT_EQ(image::adler32(out), big32(stream, end));
    }
    return out;
}

Bytes hex(std::string_view text) {
    Bytes out;
    for (std::size_t i = 0; i + 1 < text.size(); i += 2)
        out.push_back(
            static_cast<std::uint8_t>(std::stoi(std::string(text.substr(i, 2)), nullptr, 16)));
    return out;
}

TEST(Png, DeflateStreamsAreTheReferenceLibrarysForTheSameMatches) {
    struct Case {
        std::string text;
        std::vector<std::size_t> distances;
        std::string_view stream;  // the reference library's, fixed codes, best compression
    };
    std::string repeats(1, '\0');
    for (int i = 0; i < 100; ++i)
        repeats += "xyz";
    const Case cases[] = {
        {"a", {3}, "78014b040000620062"},
        {"abc", {3}, "78014b4c4a0600024d0127"},
        {repeats, {3}, "780163a8a8ac1a4544220061b08dcd"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 12));
        EXPECT_EQ(image::zlibStream(bytesOf(c.text), c.distances), hex(c.stream));
        EXPECT_EQ(inflate(hex(c.stream)), bytesOf(c.text));
    }
}

TEST(Png, ChecksumsAreTheKnownValues) {
    struct Case {
        std::string_view text;
        std::uint32_t crc, adler;
    };
    const Case cases[] = {
        {"", 0x00000000, 0x00000001},
        {"123456789", 0xCBF43926, 0x091E01DE},
        {"Wikipedia", 0xADAAC02E, 0x11E60398},
        {"IEND", 0xAE426082, 0x02D70121},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text));
        EXPECT_EQ(image::crc32(bytesOf(c.text)), c.crc);
        EXPECT_EQ(image::adler32(bytesOf(c.text)), c.adler);
    }
    // Sums past the modulus wrap: 5552 bytes of 0xFF.
    EXPECT_EQ(image::adler32(Bytes(5552, 0xFF)), 0xF18F9B8Cu);
}

TEST(Png, ThePixelsComeBackRowByRow) {
    struct Case {
        const char* what;
        int width, height;
        int period;  // pixels repeat after this many bytes (0: never)
        bool smaller;
    };
    // Noise has no matches; flat colour and stripes repeat the pixel before or above.
    const Case cases[] = {
        {"one pixel", 1, 1, 0, false},           {"noise", 97, 31, 0, false},
        {"flat colour", 640, 400, 3, true},      {"vertical stripes", 300, 200, 21, true},
        {"wider than a match", 400, 3, 3, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        image::Picture picture{c.width, c.height, {}};
        std::uint32_t noise = 12345;
        for (int i = 0; i < c.width * c.height * 3; ++i) {
            noise = noise * 1103515245 + 12345;
            picture.rgb.push_back(static_cast<std::uint8_t>(
                c.period == 0 ? noise >> 16 : (i % (c.width * 3)) % c.period * 40));
        }
        const auto chunks = readChunks(image::encodePng(picture));
        ASSERT_TRUE(chunks);
        ASSERT_EQ(chunks->size(), 3u);
        EXPECT_EQ((*chunks)[0].type, "IHDR");
        EXPECT_EQ((*chunks)[1].type, "IDAT");
        EXPECT_EQ((*chunks)[2].type, "IEND");
        const Bytes& header = (*chunks)[0].data;
        ASSERT_EQ(header.size(), 13u);
        EXPECT_EQ(big32(header, 0), static_cast<std::uint32_t>(c.width));
        EXPECT_EQ(big32(header, 4), static_cast<std::uint32_t>(c.height));
        EXPECT_EQ(Bytes(header.begin() + 8, header.end()), (Bytes{8, 2, 0, 0, 0}));
        const Bytes raw = inflate((*chunks)[1].data);
        if (c.smaller) {
            EXPECT_LT((*chunks)[1].data.size() * 10, picture.rgb.size()) << "a tenth at most";
        }
        const std::size_t row = static_cast<std::size_t>(c.width) * 3;
        ASSERT_EQ(raw.size(), (row + 1) * static_cast<std::size_t>(c.height));
        for (int y = 0; y < c.height; ++y) {
            EXPECT_EQ(raw[y * (row + 1)], 0) << "row " << y << " unfiltered";
            EXPECT_TRUE(std::equal(picture.rgb.begin() + y * row,
                                   picture.rgb.begin() + (y + 1) * row,
                                   raw.begin() + y * (row + 1) + 1))
                << "row " << y;
        }
    }
}

TEST(Png, APictureWithoutPixelsOrWithTheWrongCountIsNoFile) {
    const image::Picture cases[] = {
        {0, 0, {}}, {0, 5, {}}, {-1, 1, {1, 2, 3}}, {2, 2, Bytes(11)}, {2, 2, Bytes(13)}};
    for (const image::Picture& picture : cases)
        EXPECT_TRUE(image::encodePng(picture).empty()) << picture.width << "x" << picture.height;
}

}  // namespace
