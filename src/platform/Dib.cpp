#include "Dib.h"

#include "Exception.h"

#include <string>

namespace {
constexpr std::size_t InfoHeaderSize = 40;
// Far above any picture the intro holds, low enough that sizes cannot overflow.
constexpr std::int32_t MaxSide = 16384;

class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    std::uint32_t U16(std::size_t at) const { return std::uint32_t{bytes_[at]} | std::uint32_t{bytes_[at + 1]} << 8; }
    std::uint32_t U32(std::size_t at) const { return U16(at) | U16(at + 2) << 16; }
    std::int32_t I32(std::size_t at) const { return static_cast<std::int32_t>(U32(at)); }

private:
    std::span<const std::uint8_t> bytes_;
};

[[noreturn]] void Fail(const std::string& what) { throw Exception("Invalid bitmap: " + what); }
}  // namespace

TBitmap ReadDib(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < InfoHeaderSize) Fail("header truncated");
    const Reader in(bytes);
    if (in.U32(0) != InfoHeaderSize) Fail("unsupported header size " + std::to_string(in.U32(0)));
    const std::int32_t width = in.I32(4);
    const std::int32_t height = in.I32(8);
    if (width <= 0 || height <= 0 || width > MaxSide || height > MaxSide) {
        Fail("unsupported size " + std::to_string(width) + " x " + std::to_string(height));
    }
    if (in.U16(12) != 1) Fail("plane count is not 1");
    const std::uint32_t bitCount = in.U16(14);
    if (bitCount != 4 && bitCount != 8) Fail(std::to_string(bitCount) + " bits per pixel unsupported");
    if (in.U32(16) != 0) Fail("compressed bitmaps unsupported");

    const std::size_t maxColors = std::size_t{1} << bitCount;
    const std::size_t colorsUsed = in.U32(32);
    if (colorsUsed > maxColors) Fail("colour table larger than the bit depth allows");
    const std::size_t colorCount = colorsUsed == 0 ? maxColors : colorsUsed;

    const std::size_t w = static_cast<std::size_t>(width);
    const std::size_t h = static_cast<std::size_t>(height);
    const std::size_t stride = (w * bitCount + 31) / 32 * 4;
    const std::size_t pixelsAt = InfoHeaderSize + 4 * colorCount;
    if (bytes.size() < pixelsAt) Fail("colour table truncated");
    if (bytes.size() - pixelsAt < stride * h) Fail("pixel data truncated");

    TBitmap bitmap(width, height);
    bitmap.ColorTable.resize(colorCount);
    for (std::size_t i = 0; i < colorCount; ++i) {
        const std::uint8_t* quad = &bytes[InfoHeaderSize + 4 * i];
        bitmap.ColorTable[i] = {quad[0], quad[1], quad[2], quad[3]};
    }
    for (std::size_t row = 0; row < h; ++row) {
        const std::uint8_t* source = &bytes[pixelsAt + row * stride];
        const int y = height - 1 - static_cast<int>(row);  // stored bottom-up
        for (std::size_t x = 0; x < w; ++x) {
            const std::size_t index =
                bitCount == 8 ? source[x] : (x % 2 == 0 ? source[x / 2] >> 4 : source[x / 2] & 0x0F);
            if (index >= colorCount) Fail("pixel refers past the colour table");
            const TRGBQuad& c = bitmap.ColorTable[index];
            bitmap.SetPixel(static_cast<int>(x), y, RGB(c.rgbRed, c.rgbGreen, c.rgbBlue));
        }
    }
    return bitmap;
}
