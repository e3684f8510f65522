#include "tray/icon_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <limits>
#include <vector>

namespace zbw {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& bytes, std::uint16_t value) {
    bytes.push_back(static_cast<std::uint8_t>(value));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(Bytes& bytes, std::uint32_t value) {
    Put16(bytes, static_cast<std::uint16_t>(value));
    Put16(bytes, static_cast<std::uint16_t>(value >> 16));
}

struct Entry {
    std::uint8_t width = 16;
    std::uint8_t colourCount = 0;
    std::uint32_t size = 0;
    std::uint32_t offset = 0;
};

Bytes Header(std::uint16_t reserved, std::uint16_t type, std::uint16_t count) {
    Bytes bytes;
    Put16(bytes, reserved);
    Put16(bytes, type);
    Put16(bytes, count);
    return bytes;
}

void PutEntry(Bytes& bytes, const Entry& entry) {
    bytes.push_back(entry.width);
    bytes.push_back(entry.width);
    bytes.push_back(entry.colourCount);
    bytes.push_back(0);
    Put16(bytes, 1);
    Put16(bytes, 32);
    Put32(bytes, entry.size);
    Put32(bytes, entry.offset);
}

struct ImageFields {
    std::int32_t width = 0;
    std::int32_t height = 0; // picture and mask
    std::uint16_t bitCount = 0;
};

// The start of a bitmap header: size, width, height, planes, bit count.
void PutImage(Bytes& bytes, const ImageFields& fields) {
    Put32(bytes, 40);
    Put32(bytes, static_cast<std::uint32_t>(fields.width));
    Put32(bytes, static_cast<std::uint32_t>(fields.height));
    Put16(bytes, 1);
    Put16(bytes, fields.bitCount);
}

constexpr std::uint32_t kImageSize = 16;

// An icon file whose entries point at images of kImageSize bytes, one after another; image i is
// (8 * (i + 1)) wide, with bit count 4 * (i + 1), so that a test can tell which was taken.
Bytes IconFile(std::initializer_list<Entry> entries) {
    Bytes bytes = Header(0, 1, static_cast<std::uint16_t>(entries.size()));
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * entries.size());
    for (Entry entry : entries) {
        entry.size = kImageSize;
        entry.offset = offset;
        PutEntry(bytes, entry);
        offset += kImageSize;
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const auto n = static_cast<std::int32_t>(i + 1);
        PutImage(
            bytes,
            {.width = 8 * n, .height = 16 * n + 1, .bitCount = static_cast<std::uint16_t>(4 * n)});
    }
    return bytes;
}

TEST(FindIconImage, ReadsTheImageFieldsOfAWellFormedFile) {
    const Bytes file = IconFile({{.width = 16}});
    const auto image = FindIconImage(file, 16);
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->bytes.data(), file.data() + 22);
    EXPECT_EQ(image->bytes.size(), kImageSize);
    EXPECT_EQ(image->width, 8);
    EXPECT_EQ(image->height, 8); // 17 halved, the remainder dropped
    EXPECT_EQ(image->bitCount, 4);
}

TEST(FindIconImage, AcceptsTheCursorType) {
    Bytes file = IconFile({{}});
    file[2] = 2;
    EXPECT_TRUE(FindIconImage(file, 16).has_value());
}

TEST(FindIconImage, TakesTheFirstEntryWithSixteenColoursAndTheWantedWidthElseTheLast) {
    struct Case {
        const char* what;
        std::initializer_list<Entry> entries;
        int wantedWidth;
        std::int32_t takenImageWidth; // 8 for the first image, 16 for the second, 24 for the third
    };
    const Case cases[] = {
        {"the second matches",
         {{.width = 32, .colourCount = 16}, {.width = 16, .colourCount = 16}},
         16,
         16},
        {"the first matches",
         {{.width = 16, .colourCount = 255}, {.width = 16, .colourCount = 16}},
         16,
         8},
        {"fifteen colours are too few", {{.width = 16, .colourCount = 15}, {.width = 32}}, 16, 16},
        {"no colour count (true colour) never matches",
         {{.width = 32, .colourCount = 0}, {.width = 16}, {.width = 48}},
         32,
         24},
        {"the width must match", {{.width = 32, .colourCount = 16}, {.width = 48}}, 16, 16},
    };
    for (const Case& c : cases) {
        const Bytes file = IconFile(c.entries);
        const auto image = FindIconImage(file, c.wantedWidth);
        ASSERT_TRUE(image.has_value()) << c.what;
        EXPECT_EQ(image->width, c.takenImageWidth) << c.what;
    }
}

TEST(FindIconImage, RefusesFilesThatCannotBeReadWhole) {
    constexpr std::uint32_t kMax = std::numeric_limits<std::uint32_t>::max();
    const Bytes good = IconFile({{}});
    auto withEntry = [](std::uint32_t size, std::uint32_t offset) {
        Bytes file = Header(0, 1, 1);
        PutEntry(file, {.size = size, .offset = offset});
        PutImage(file, {.width = 16, .height = 32, .bitCount = 32});
        return file;
    };
    struct Case {
        const char* what;
        Bytes file;
    };
    const Case cases[] = {
        {"no bytes", {}},
        {"a header cut short", Bytes(good.begin(), good.begin() + 5)},
        {"reserved not zero",
         [&] {
             Bytes f = good;
             f[0] = 1;
             return f;
         }()},
        {"type 0",
         [&] {
             Bytes f = good;
             f[2] = 0;
             return f;
         }()},
        {"type 3",
         [&] {
             Bytes f = good;
             f[2] = 3;
             return f;
         }()},
        {"no entries",
         [&] {
             Bytes f = good;
             f[4] = 0;
             return f;
         }()},
        {"a header alone", Header(0, 1, 1)},
        {"an entry cut short", Bytes(good.begin(), good.begin() + 21)},
        {"a second entry beyond the end",
         [&] {
             Bytes f = good;
             f[4] = 2;
             f.resize(30);
             return f;
         }()},
        {"as many entries as the count allows", Header(0, 1, 0xFFFF)},
        {"the image one byte short", Bytes(good.begin(), good.end() - 1)},
        {"the image starts beyond the end", withEntry(kImageSize, 1000)},
        {"the image starts at the end", withEntry(1, 38)},
        {"offset plus size wraps to a small number", withEntry(kMax, 22)},
        {"offset wraps with the size", withEntry(16, kMax - 7)},
        {"the largest offset", withEntry(0, kMax)},
        {"an image too short for its bit count", withEntry(15, 22)},
        {"an empty image", withEntry(0, 22)},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(FindIconImage(c.file, 16).has_value()) << c.what;
    }
}

TEST(FindIconImage, TakesTheImageFromAnyOffsetInsideTheFile) {
    // Images may lie before the directory's end or overlap it: only the bounds matter.
    Bytes file = Header(0, 1, 1);
    PutEntry(file, {.size = 16, .offset = 0});
    const auto image = FindIconImage(file, 16);
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->bytes.data(), file.data());
    EXPECT_EQ(image->bitCount, 16); // the entry's image size, read as the bit count
}

} // namespace
} // namespace zbw
