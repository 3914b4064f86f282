// A frame of the intro's RGB565 pixels at a whole-number scale, pixels repeated (nearest neighbour).
#pragma once

#include "platform/DXDraw.h"

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

constexpr Rgb ExpandRgb565(std::uint16_t pixel) {
    const TColor color = TDirectDrawSurface::ColorOf(pixel);
    return {RedOf(color), GreenOf(color), BlueOf(color)};
}
