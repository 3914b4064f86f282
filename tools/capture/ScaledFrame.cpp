#include "ScaledFrame.h"

#include <algorithm>
#include <stdexcept>

void ScaleFrame(std::span<const std::uint16_t> source, int scale, ScaledFrame& target) {
    if (source.size() != static_cast<std::size_t>(FrameWidth) * FrameHeight || scale < 1) {
        throw std::invalid_argument("frame size or scale out of range");
    }
    target.Width = FrameWidth * scale;
    target.Height = FrameHeight * scale;
    target.Pixels.resize(static_cast<std::size_t>(target.Width) * static_cast<std::size_t>(target.Height));
    const auto width = static_cast<std::size_t>(target.Width);
    for (int y = 0; y < FrameHeight; ++y) {
        std::uint16_t* row = &target.Pixels[static_cast<std::size_t>(y * scale) * width];
        const std::uint16_t* from = &source[static_cast<std::size_t>(y) * FrameWidth];
        for (int x = 0; x < FrameWidth; ++x) std::fill_n(row + x * scale, scale, from[x]);
        for (int copy = 1; copy < scale; ++copy) std::copy_n(row, width, row + copy * width);
    }
}
