#include "MainUnit.h"
#include "platform/Dib.h"
#include "platform/Exception.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace {
using Bytes = std::vector<std::uint8_t>;

void Put32(Bytes& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}
void Put16(Bytes& b, std::size_t at, std::uint16_t v) {
    b[at] = static_cast<std::uint8_t>(v);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

// A 3 x 2 picture, 4 bits per pixel, 16 colours: colour i is (i, 2i, 3i) in red, green, blue.
// Top row 1 2 3, bottom row 4 5 6; rows stored bottom-up, each padded to 4 bytes.
Bytes SmallDib() {
    Bytes b(40 + 64 + 2 * 4);
    Put32(b, 0, 40);
    Put32(b, 4, 3);
    Put32(b, 8, 2);
    Put16(b, 12, 1);
    Put16(b, 14, 4);
    for (std::uint8_t i = 0; i < 16; ++i) {
        b[40 + 4u * i] = static_cast<std::uint8_t>(3 * i);
        b[41 + 4u * i] = static_cast<std::uint8_t>(2 * i);
        b[42 + 4u * i] = i;
    }
    const std::uint8_t rows[] = {0x45, 0x60, 0xEE, 0xEE, 0x12, 0x30, 0xEE, 0xEE};  // padding bytes ignored
    std::copy(std::begin(rows), std::end(rows), b.begin() + 104);
    return b;
}

TEST(DibTest, DecodesNibblesBottomUpRowsAndColourTable) {
    const Bytes dib = SmallDib();
    const TBitmap bitmap = ReadDib(dib);
    ASSERT_EQ(bitmap.Width(), 3);
    ASSERT_EQ(bitmap.Height(), 2);
    const auto colour = [](int i) {
        return RGB(static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(2 * i), static_cast<std::uint8_t>(3 * i));
    };
    EXPECT_EQ(bitmap.Pixel(0, 0), colour(1));
    EXPECT_EQ(bitmap.Pixel(2, 0), colour(3));
    EXPECT_EQ(bitmap.Pixel(0, 1), colour(4));
    EXPECT_EQ(bitmap.Pixel(2, 1), colour(6));
    ASSERT_EQ(bitmap.ColorTable.size(), 16u);
    EXPECT_EQ(bitmap.ColorTable[5], (TRGBQuad{15, 10, 5, 0}));
}

TEST(DibTest, RejectsMalformedBitmapsWithAClearError) {
    struct Case {
        const char* name;
        std::function<void(Bytes&)> spoil;
    };
    const Case cases[] = {
        {"empty", [](Bytes& b) { b.clear(); }},
        {"header cut short", [](Bytes& b) { b.resize(39); }},
        {"older 12-byte header", [](Bytes& b) { Put32(b, 0, 12); }},
        {"zero width", [](Bytes& b) { Put32(b, 4, 0); }},
        {"negative width", [](Bytes& b) { Put32(b, 4, static_cast<std::uint32_t>(-3)); }},
        {"negative height", [](Bytes& b) { Put32(b, 8, static_cast<std::uint32_t>(-2)); }},
        {"huge width", [](Bytes& b) { Put32(b, 4, 0x7FFFFFFF); }},
        {"huge height", [](Bytes& b) { Put32(b, 8, 0x40000000); }},
        {"two planes", [](Bytes& b) { Put16(b, 12, 2); }},
        {"1 bit per pixel", [](Bytes& b) { Put16(b, 14, 1); }},
        {"24 bits per pixel", [](Bytes& b) { Put16(b, 14, 24); }},
        {"run-length compressed", [](Bytes& b) { Put32(b, 16, 2); }},
        {"more colours than the depth allows", [](Bytes& b) { Put32(b, 32, 17); }},
        {"colour table cut short", [](Bytes& b) { b.resize(40 + 63); }},
        {"last row one byte short", [](Bytes& b) { b.pop_back(); }},
        {"rows for a taller picture", [](Bytes& b) { Put32(b, 8, 3); }},
        {"pixel past a short colour table", [](Bytes& b) { Put32(b, 32, 4); }},
    };
    for (const Case& c : cases) {
        Bytes dib = SmallDib();
        c.spoil(dib);
        EXPECT_THROW(ReadDib(dib), Exception) << c.name;
    }
}

TEST(DibTest, ThePicturesHaveTheirSizesDepthsAndColours) {
    struct Picture {
        const char* name;
        std::span<const std::uint8_t> dib;
        int width, height, bits;
        std::size_t bytes;
    };
    const Picture pictures[] = {
        {"logo", LogoPicture, 256, 53, 8, 14'632},
        {"star", StarPicture, 20, 20, 4, 344},
        {"signature", SignaturePicture, 50, 9, 8, 1'532},
        {"glyph sheet", GlyphSheetPicture, 256, 40, 8, 11'304},
    };
    for (const Picture& p : pictures) {
        EXPECT_EQ(p.dib.size(), p.bytes) << p.name;
        const TBitmap bitmap = ReadDib(p.dib);
        EXPECT_EQ(bitmap.Width(), p.width) << p.name;
        EXPECT_EQ(bitmap.Height(), p.height) << p.name;
        EXPECT_EQ(bitmap.ColorTable.size(), std::size_t{1} << p.bits) << p.name;
    }

    const std::vector<TRGBQuad> logoColours{
        {198, 99, 214},  {181, 66, 181}, {231, 165, 214}, {247, 82, 165},  {198, 66, 132},  {82, 16, 33},
        {115, 66, 66},   {165, 99, 49},  {198, 132, 49},  {214, 181, 16},  {247, 247, 0},   {247, 247, 132},
        {247, 247, 198}, {16, 231, 231}, {16, 148, 165}, {0, 0, 0}};
    const TBitmap logo = ReadDib(LogoPicture);
    EXPECT_TRUE(std::equal(logoColours.begin(), logoColours.end(), logo.ColorTable.begin()));
    EXPECT_TRUE(std::all_of(logo.ColorTable.begin() + 16, logo.ColorTable.end(),
                            [](const TRGBQuad& q) { return q == TRGBQuad{}; }));

    const TBitmap star = ReadDib(StarPicture);
    EXPECT_TRUE(std::is_permutation(star.ColorTable.begin(), star.ColorTable.end(), logoColours.begin()));

    const TBitmap sheet = ReadDib(GlyphSheetPicture);
    EXPECT_TRUE(std::equal(logoColours.begin(), logoColours.begin() + 13, sheet.ColorTable.begin()));
    EXPECT_EQ(sheet.ColorTable[13], (TRGBQuad{248, 248, 248, 0}));
    EXPECT_EQ(sheet.ColorTable[14], TRGBQuad{});
}

}  // namespace
