// Feeds arbitrary bytes to the icon file reader. Sanitizers catch any read outside the bytes; the
// checks below catch an image that is not a part of them or whose fields were misread.
#include "tray/icon_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

namespace {

std::uint32_t Read32(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 |
           static_cast<std::uint32_t>(bytes[offset + 3]) << 24;
}

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> file(data, size);
    for (int wantedWidth : {16, 32}) {
        const auto image = zbw::FindIconImage(file, wantedWidth);
        if (!image) {
            continue;
        }
        const std::uint8_t* begin = image->bytes.data();
        Require(begin >= data && image->bytes.size() <= size &&
                static_cast<std::size_t>(begin - data) <= size - image->bytes.size());
        Require(image->bytes.size() >= 16);
        Require(image->width == static_cast<std::int32_t>(Read32(image->bytes, 4)));
        Require(image->height == static_cast<std::int32_t>(Read32(image->bytes, 8)) / 2);
        Require(image->bitCount == (image->bytes[14] | image->bytes[15] << 8));
    }
    return 0;
}
