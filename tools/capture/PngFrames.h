// Numbered PNG frames in a directory: frame-NNNNNN.png, NNNNNN the tick.
#pragma once

#include "ScaledFrame.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

class PngFrames {
public:
    // Creates the directory when needed; ticks empty means every frame. Raises std::runtime_error.
    PngFrames(std::string directory, std::vector<std::int32_t> ticks, int scale);

    void Frame(std::int32_t tick, std::span<const std::uint16_t> pixels);

    static std::string FileName(std::int32_t tick);

private:
    std::string directory_;
    std::vector<std::int32_t> ticks_;
    int scale_;
    ScaledFrame scaled_;
    std::vector<std::uint8_t> rgb_;
};
