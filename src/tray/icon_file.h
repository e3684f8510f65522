#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace zbw {

// One image of an icon file, as the icon builder hands it to the platform.
struct IconFileImage {
    std::span<const std::uint8_t> bytes; // a device-independent bitmap: header, colour bits, mask
    std::int32_t width = 0;
    std::int32_t height = 0; // of the picture alone, without the mask below it
    std::uint16_t bitCount = 0;
};

// Picks the image for the wanted width from an icon file image: the first entry with 16 colours
// or more and that width, else the last entry. Nothing when the header, an entry or the image
// cannot be read whole from the bytes given, or the image is too short for the bitmap header
// fields read from it (up to the bit count at offset 14); no read ever leaves the bytes.
std::optional<IconFileImage> FindIconImage(std::span<const std::uint8_t> file, int wantedWidth);

} // namespace zbw
