#pragma once

#include <cstdint>
#include <span>

namespace zbw {

// The program's icon as an icon file image of 1150 bytes: one 16 x 16 image, 32 bits per pixel
// with alpha.
std::span<const std::uint8_t> ProgramIconFile();

} // namespace zbw
