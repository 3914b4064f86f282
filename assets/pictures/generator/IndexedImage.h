// A palette picture as the generator paints it, and its file form: a DIB without a file header.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    bool operator==(const Rgb&) const = default;
};

class IndexedImage {
public:
    // bitsPerPixel 4 or 8; the colour table is padded with black to 2^bitsPerPixel entries.
    IndexedImage(int width, int height, int bitsPerPixel, std::vector<Rgb> colors);

    int Width() const { return width_; }
    int Height() const { return height_; }
    std::uint8_t At(int x, int y) const { return pixels_[Index(x, y)]; }
    void Set(int x, int y, std::uint8_t colorIndex);
    // The table index of a colour; throws when the table lacks it.
    std::uint8_t IndexOf(Rgb color) const;
    void Paint(int x, int y, Rgb color) { Set(x, y, IndexOf(color)); }

    // BITMAPINFOHEADER, full colour table, rows bottom-up padded to 4 bytes.
    std::vector<std::uint8_t> Dib() const;

private:
    std::size_t Index(int x, int y) const;

    int width_;
    int height_;
    int bitsPerPixel_;
    std::vector<Rgb> colors_;
    std::vector<std::uint8_t> pixels_;
};
