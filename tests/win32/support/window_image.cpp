#include "support/window_image.h"

#include <algorithm>
#include <fstream>

namespace zbw::test {
namespace {

std::uint32_t Crc32(const std::vector<std::uint8_t>& bytes, std::size_t from) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t index = from; index < bytes.size(); ++index) {
        crc ^= bytes[index];
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

void PutBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

void PutChunk(std::vector<std::uint8_t>& png, const char (&type)[5],
              const std::vector<std::uint8_t>& data) {
    PutBigEndian(png, static_cast<std::uint32_t>(data.size()));
    const std::size_t crcFrom = png.size();
    png.insert(png.end(), type, type + 4);
    png.insert(png.end(), data.begin(), data.end());
    PutBigEndian(png, Crc32(png, crcFrom));
}

// A zlib stream of stored (uncompressed) deflate blocks: larger than needed, but short to write.
std::vector<std::uint8_t> StoredZlib(const std::vector<std::uint8_t>& raw) {
    std::vector<std::uint8_t> out{0x78, 0x01};
    std::size_t offset = 0;
    do {
        const std::size_t length = std::min<std::size_t>(raw.size() - offset, 65535);
        out.push_back(offset + length == raw.size() ? 1 : 0);
        out.push_back(static_cast<std::uint8_t>(length));
        out.push_back(static_cast<std::uint8_t>(length >> 8));
        out.push_back(static_cast<std::uint8_t>(~length));
        out.push_back(static_cast<std::uint8_t>(~length >> 8));
        out.insert(out.end(), raw.begin() + static_cast<std::ptrdiff_t>(offset),
                   raw.begin() + static_cast<std::ptrdiff_t>(offset + length));
        offset += length;
    } while (offset < raw.size());
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (const std::uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    PutBigEndian(out, (b << 16) | a);
    return out;
}

} // namespace

WindowImage CaptureWindow(HWND window, bool withFrame) {
    RECT area;
    if (withFrame) {
        GetWindowRect(window, &area);
        OffsetRect(&area, -area.left, -area.top);
    } else {
        GetClientRect(window, &area);
    }
    WindowImage image{area.right, area.bottom, {}};
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = image.width;
    info.bmiHeader.biHeight = -image.height; // rows from the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC source = withFrame ? GetWindowDC(window) : GetDC(window);
    HDC memory = CreateCompatibleDC(source);
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    if (bits != nullptr &&
        BitBlt(memory, 0, 0, image.width, image.height, source, 0, 0, SRCCOPY) != FALSE) {
        const auto* first = static_cast<const std::uint32_t*>(bits);
        image.pixels.assign(first, first + image.width * image.height);
        for (std::uint32_t& pixel : image.pixels) {
            pixel &= 0x00FFFFFF;
        }
    }
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, source);
    if (image.pixels.empty()) {
        image.width = image.height = 0;
    }
    return image;
}

bool SavePng(const WindowImage& image, const std::string& path) {
    std::vector<std::uint8_t> raw;
    for (int y = 0; y < image.height; ++y) {
        raw.push_back(0); // no filter
        for (int x = 0; x < image.width; ++x) {
            const std::uint32_t pixel = image.At(x, y);
            raw.insert(raw.end(),
                       {static_cast<std::uint8_t>(pixel >> 16),
                        static_cast<std::uint8_t>(pixel >> 8), static_cast<std::uint8_t>(pixel)});
        }
    }
    std::vector<std::uint8_t> png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::uint8_t> header;
    PutBigEndian(header, static_cast<std::uint32_t>(image.width));
    PutBigEndian(header, static_cast<std::uint32_t>(image.height));
    header.insert(header.end(), {8, 2, 0, 0, 0}); // 8 bits, RGB, deflate, no filter, no interlace
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", StoredZlib(raw));
    PutChunk(png, "IEND", {});
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    return static_cast<bool>(file);
}

} // namespace zbw::test
