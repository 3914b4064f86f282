// A frame of the intro's RGB565 pixels at a whole-number scale, pixels repeated (nearest neighbour).
#pragma once

#include <cstdint>
#include <span>
#include <vector>

constexpr int FrameWidth = 320;
constexpr int FrameHeight = 240;

struct ScaledFrame {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint16_t> Pixels;
};

// source holds FrameWidth x FrameHeight pixels, top row first.
void ScaleFrame(std::span<const std::uint16_t> source, int scale, ScaledFrame& target);

struct Rgb {
    std::uint8_t R;
    std::uint8_t G;
    std::uint8_t B;
};

// Each channel widened to 8 bits by repeating its top bits, so black stays 0 and white 255.
constexpr Rgb ExpandRgb565(std::uint16_t pixel) {
    const unsigned r = pixel >> 11;
    const unsigned g = (pixel >> 5) & 0x3F;
    const unsigned b = pixel & 0x1F;
    return {static_cast<std::uint8_t>(r << 3 | r >> 2), static_cast<std::uint8_t>(g << 2 | g >> 4),
            static_cast<std::uint8_t>(b << 3 | b >> 2)};
}
