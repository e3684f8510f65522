#include "tray/icon_from_bytes.h"

#include "tray/icon_file.h"

namespace zbw {

UniqueIcon IconFromBytes(std::span<const std::uint8_t> bytes, int wantedWidth) {
    const std::optional<IconFileImage> image = FindIconImage(bytes, wantedWidth);
    if (!image) {
        return {};
    }
    constexpr DWORD kFormatVersion = 0x30000;
    // The platform takes the image through a non-const pointer but only reads it.
    const auto data = const_cast<PBYTE>(image->bytes.data());
    const auto size = static_cast<DWORD>(image->bytes.size());
    UniqueIcon icon(CreateIconFromResourceEx(data, size, TRUE, kFormatVersion, image->width,
                                             image->height, LR_DEFAULTCOLOR));
    // Failing that, one more try at the size the image gives itself, except for 16-bit images.
    if (!icon && image->bitCount != 16) {
        icon.reset(CreateIconFromResource(data, size, TRUE, kFormatVersion));
    }
    return icon;
}

} // namespace zbw
