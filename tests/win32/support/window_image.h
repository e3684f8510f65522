#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <windows.h>

namespace zbw::test {

// What a window shows, as 0x00RRGGBB pixels in rows from the top.
struct WindowImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    std::uint32_t At(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    }
};

// The window's client area, or the whole window with its frame and caption.
WindowImage CaptureWindow(HWND window, bool withFrame = false);

// Writes the image as a PNG file (8-bit RGB); false when it cannot be written.
bool SavePng(const WindowImage& image, const std::string& path);

} // namespace zbw::test
