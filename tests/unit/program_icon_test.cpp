#include "tray/icon_file.h"
#include "ui/program_icon.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdint>

namespace zbw {
namespace {

std::uint32_t Read32(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 |
           static_cast<std::uint32_t>(bytes[offset + 3]) << 24;
}

std::uint16_t Read16(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return static_cast<std::uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
}

TEST(ProgramIconFile, IsOneSixteenPixelTrueColourImage) {
    const auto file = ProgramIconFile();
    ASSERT_EQ(file.size(), 1150u);
    EXPECT_EQ(Read16(file, 0), 0); // reserved
    EXPECT_EQ(Read16(file, 2), 1); // icon
    EXPECT_EQ(Read16(file, 4), 1); // one entry
    EXPECT_EQ(file[6], 16);        // width
    EXPECT_EQ(file[7], 16);        // height
    EXPECT_EQ(file[8], 0);         // colour count: more than 256 colours
    EXPECT_EQ(Read16(file, 12), 32);
    EXPECT_EQ(Read32(file, 14), 1128u);
    EXPECT_EQ(Read32(file, 18), 22u);
    EXPECT_EQ(Read32(file, 22), 40u); // bitmap header size
    EXPECT_EQ(Read32(file, 26), 16u); // width
    EXPECT_EQ(Read32(file, 30), 32u); // picture and mask
    EXPECT_EQ(Read16(file, 36), 32);  // bit count
    EXPECT_EQ(Read32(file, 38), 0u);  // uncompressed
}

TEST(ProgramIconFile, TheIconBuilderTakesItsOnlyImageForEitherWidth) {
    const auto file = ProgramIconFile();
    for (int wanted : {16, 32}) {
        const auto image = FindIconImage(file, wanted);
        ASSERT_TRUE(image.has_value()) << wanted;
        EXPECT_EQ(image->bytes.data(), file.data() + 22);
        EXPECT_EQ(image->bytes.size(), 1128u);
        EXPECT_EQ(image->width, 16);
        EXPECT_EQ(image->height, 16);
        EXPECT_EQ(image->bitCount, 32);
    }
}

// A pixel as stored: rows bottom-up, blue, green, red, alpha; and its mask bit.
struct Pixel {
    std::array<std::uint8_t, 4> bgra;
    bool masked;
};

// x from the left, y from the top.
struct Place {
    std::size_t x;
    std::size_t y;
};

Pixel PixelAt(Place place) {
    const auto file = ProgramIconFile();
    const std::size_t row = 15 - place.y;
    const std::size_t colour = 62 + (row * 16 + place.x) * 4;
    const std::size_t mask = 62 + 1024 + row * 4 + place.x / 8;
    return {{file[colour], file[colour + 1], file[colour + 2], file[colour + 3]},
            (file[mask] & (0x80 >> (place.x % 8))) != 0};
}

TEST(ProgramIconFile, ShowsAnOrangePendulumClockOnABlueTile) {
    const Pixel corner = PixelAt({0, 0});
    EXPECT_EQ(corner.bgra[3], 0);
    EXPECT_TRUE(corner.masked);
    const Pixel lowerRightCorner = PixelAt({15, 15});
    EXPECT_EQ(lowerRightCorner.bgra[3], 0);
    EXPECT_TRUE(lowerRightCorner.masked);

    struct Case {
        Place place;
        std::array<std::uint8_t, 4> bgra;
    };
    const Case cases[] = {
        {{1, 1}, {0xD2, 0x78, 0x1E, 0xFF}},  // tile
        {{6, 10}, {0xD2, 0x78, 0x1E, 0xFF}}, // tile beside the rod
        {{5, 4}, {0x1A, 0x8C, 0xFF, 0xFF}},  // clock face
        {{6, 12}, {0x1A, 0x8C, 0xFF, 0xFF}}, // bob
        {{3, 4}, {0xFF, 0xFF, 0xFF, 0xFF}},  // outline of the face
        {{8, 3}, {0xFF, 0xFF, 0xFF, 0xFF}},  // hand
        {{7, 9}, {0xFF, 0xFF, 0xFF, 0xFF}},  // rod
        {{8, 14}, {0xFF, 0xFF, 0xFF, 0xFF}}, // outline under the bob
    };
    for (const Case& c : cases) {
        const Pixel pixel = PixelAt(c.place);
        EXPECT_EQ(pixel.bgra, c.bgra) << c.place.x << "," << c.place.y;
        EXPECT_FALSE(pixel.masked) << c.place.x << "," << c.place.y;
    }
}

} // namespace
} // namespace zbw
