#include "ui/program_icon.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace zbw {
namespace {

// The picture, top row first: a blue tile with rounded corners and a pendulum clock, its face
// and bob orange, outlined in white, with white hands and a white rod.
//   . transparent   b tile edge   B tile   W white   O orange
constexpr std::array<std::string_view, 16> kPixelMap = {
    ".bbbbbbbbbbbbbb.", //
    "bBBBBWWWWWWBBBBb", //
    "bBBBWOOOOOOWBBBb", //
    "bBBWOOOOWOOOWBBb", //
    "bBBWOOOOWOOOWBBb", //
    "bBBWOOOOWWWOWBBb", //
    "bBBWOOOOOOOOWBBb", //
    "bBBBWOOOOOOWBBBb", //
    "bBBBBWWWWWWBBBBb", //
    "bBBBBBBWWBBBBBBb", //
    "bBBBBBBWWBBBBBBb", //
    "bBBBBBWWWWBBBBBb", //
    "bBBBBWOOOOWBBBBb", //
    "bBBBBWOOOOWBBBBb", //
    "bBBBBBWWWWBBBBBb", //
    ".bbbbbbbbbbbbbb.", //
};

constexpr std::size_t kSide = 16;
constexpr std::size_t kHeaderSize = 6;
constexpr std::size_t kEntrySize = 16;
constexpr std::size_t kBitmapHeaderSize = 40;
constexpr std::size_t kColourBitsSize = kSide * kSide * 4;
// One bit per pixel, each row padded to 32 bits.
constexpr std::size_t kMaskSize = kSide * 4;
constexpr std::size_t kImageOffset = kHeaderSize + kEntrySize;
constexpr std::size_t kImageSize = kBitmapHeaderSize + kColourBitsSize + kMaskSize;
constexpr std::size_t kFileSize = kImageOffset + kImageSize;
static_assert(kFileSize == 1150);

struct Bgra {
    std::uint8_t blue, green, red, alpha;
};

constexpr Bgra ColourOf(char pixel) {
    switch (pixel) {
    case 'b':
        return {0x8C, 0x3C, 0x10, 0xFF};
    case 'B':
        return {0xD2, 0x78, 0x1E, 0xFF};
    case 'W':
        return {0xFF, 0xFF, 0xFF, 0xFF};
    case 'O':
        return {0x1A, 0x8C, 0xFF, 0xFF};
    default:
        return {0, 0, 0, 0};
    }
}

using IconFile = std::array<std::uint8_t, kFileSize>;

constexpr void Put16(IconFile& file, std::size_t offset, std::uint16_t value) {
    file[offset] = static_cast<std::uint8_t>(value);
    file[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

constexpr void Put32(IconFile& file, std::size_t offset, std::uint32_t value) {
    Put16(file, offset, static_cast<std::uint16_t>(value));
    Put16(file, offset + 2, static_cast<std::uint16_t>(value >> 16));
}

constexpr IconFile BuildIconFile() {
    IconFile file{};
    // Header: reserved, type 1 (icon), one entry.
    Put16(file, 0, 0);
    Put16(file, 2, 1);
    Put16(file, 4, 1);

    // The entry: 16 x 16, colour count 0 (more than 256 colours), one plane, 32 bits.
    std::size_t entry = kHeaderSize;
    file[entry + 0] = kSide;
    file[entry + 1] = kSide;
    Put16(file, entry + 4, 1);
    Put16(file, entry + 6, 32);
    Put32(file, entry + 8, kImageSize);
    Put32(file, entry + 12, kImageOffset);

    // The bitmap header gives the height of colour bits and mask together.
    std::size_t header = kImageOffset;
    Put32(file, header + 0, kBitmapHeaderSize);
    Put32(file, header + 4, kSide);
    Put32(file, header + 8, 2 * kSide);
    Put16(file, header + 12, 1);
    Put16(file, header + 14, 32);
    Put32(file, header + 20, kColourBitsSize + kMaskSize);

    // Rows are stored bottom-up; a set mask bit leaves the background showing.
    const std::size_t colourBits = header + kBitmapHeaderSize;
    const std::size_t mask = colourBits + kColourBitsSize;
    for (std::size_t y = 0; y < kSide; ++y) {
        const std::size_t storedRow = kSide - 1 - y;
        for (std::size_t x = 0; x < kSide; ++x) {
            const Bgra colour = ColourOf(kPixelMap[y][x]);
            const std::size_t pixel = colourBits + (storedRow * kSide + x) * 4;
            file[pixel + 0] = colour.blue;
            file[pixel + 1] = colour.green;
            file[pixel + 2] = colour.red;
            file[pixel + 3] = colour.alpha;
            if (colour.alpha == 0) {
                file[mask + storedRow * 4 + x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            }
        }
    }
    return file;
}

constexpr bool PixelMapIsSquare() {
    for (std::string_view row : kPixelMap) {
        if (row.size() != kSide) {
            return false;
        }
    }
    return true;
}
static_assert(PixelMapIsSquare());

constexpr IconFile kProgramIconFile = BuildIconFile();

} // namespace

std::span<const std::uint8_t> ProgramIconFile() {
    return kProgramIconFile;
}

} // namespace zbw
