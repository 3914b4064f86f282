// A picture in memory: RGB colours, top row first, and the colour table it came with (if any).
#pragma once

#include "Types.h"

#include <array>
#include <cstdint>
#include <vector>

// One colour-table entry as a DIB stores it.
struct TRGBQuad {
    std::uint8_t rgbBlue = 0;
    std::uint8_t rgbGreen = 0;
    std::uint8_t rgbRed = 0;
    std::uint8_t rgbReserved = 0;
    bool operator==(const TRGBQuad&) const = default;
};

using TColorTable = std::array<TRGBQuad, 256>;

class TBitmap {
public:
    TBitmap() = default;
    TBitmap(int width, int height) : width_(width), height_(height), pixels_(Size(width, height)) {}

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return pixels_.empty(); }

    TColor Pixel(int x, int y) const { return pixels_[Index(x, y)]; }
    void SetPixel(int x, int y, TColor color) { pixels_[Index(x, y)] = color; }

    // The colour table of a palette picture; empty for a true-colour one.
    std::vector<TRGBQuad> ColorTable;

    // A true-colour copy of the rectangle at (left, top), like a 1:1 copy onto a scratch bitmap.
    TBitmap Copy(int left, int top, int width, int height) const {
        TBitmap cell(width, height);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                cell.SetPixel(x, y, Pixel(left + x, top + y));
            }
        }
        return cell;
    }

private:
    static std::size_t Size(int width, int height) {
        return width > 0 && height > 0 ? static_cast<std::size_t>(width) * static_cast<std::size_t>(height) : 0;
    }
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
    }

    int width_ = 0;
    int height_ = 0;
    std::vector<TColor> pixels_;
};
