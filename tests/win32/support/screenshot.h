#pragma once

#include <string>

#include <windows.h>

namespace zbw::test {

// Copies an area of the screen into a PNG file (8-bit RGB); false when it cannot be written.
bool SaveScreenshot(const RECT& area, const std::string& path);

} // namespace zbw::test
