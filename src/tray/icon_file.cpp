#include "tray/icon_file.h"

#include <cstddef>

namespace zbw {
namespace {

constexpr std::size_t kHeaderSize = 6;
constexpr std::size_t kEntrySize = 16;
// The image fields read here end with the bit count at offset 14.
constexpr std::size_t kImageFieldsSize = 16;

// True when length bytes from offset lie inside the file; written so that no sum can wrap.
bool Holds(std::span<const std::uint8_t> file, std::size_t offset, std::size_t length) {
    return offset <= file.size() && length <= file.size() - offset;
}

// Little-endian reads; the caller has checked the range with Holds.
std::uint16_t Read16(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return static_cast<std::uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
}

std::uint32_t Read32(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return static_cast<std::uint32_t>(Read16(bytes, offset)) |
           static_cast<std::uint32_t>(Read16(bytes, offset + 2)) << 16;
}

} // namespace

std::optional<IconFileImage> FindIconImage(std::span<const std::uint8_t> file, int wantedWidth) {
    if (!Holds(file, 0, kHeaderSize)) {
        return std::nullopt;
    }
    const std::uint16_t reserved = Read16(file, 0);
    const std::uint16_t type = Read16(file, 2);
    const std::uint16_t count = Read16(file, 4);
    if (reserved != 0 || (type != 1 && type != 2) || count == 0) {
        return std::nullopt;
    }

    std::size_t chosen = 0;
    for (std::size_t index = 0; index < count; ++index) {
        const std::size_t entry = kHeaderSize + kEntrySize * index;
        if (!Holds(file, entry, kEntrySize)) {
            return std::nullopt;
        }
        chosen = entry;
        const std::uint8_t width = file[entry];
        const std::uint8_t colourCount = file[entry + 2];
        if (colourCount >= 16 && width == wantedWidth) {
            break;
        }
    }

    const std::uint32_t imageSize = Read32(file, chosen + 8);
    const std::uint32_t imageOffset = Read32(file, chosen + 12);
    if (!Holds(file, imageOffset, imageSize) || imageSize < kImageFieldsSize) {
        return std::nullopt;
    }
    const auto image = file.subspan(imageOffset, imageSize);
    return IconFileImage{
        .bytes = image,
        .width = static_cast<std::int32_t>(Read32(image, 4)),
        .height = static_cast<std::int32_t>(Read32(image, 8)) / 2,
        .bitCount = Read16(image, 14),
    };
}

} // namespace zbw
