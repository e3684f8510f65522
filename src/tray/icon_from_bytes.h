#pragma once

#include "ui/handles.h"

#include <cstdint>
#include <span>

namespace zbw {

// Makes an icon from an icon file image, choosing the image for the wanted width (16 or 32);
// null when the bytes hold no usable icon.
UniqueIcon IconFromBytes(std::span<const std::uint8_t> bytes, int wantedWidth);

} // namespace zbw
