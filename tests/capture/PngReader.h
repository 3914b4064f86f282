// Reads a PNG file as 8-bit RGB, for comparing captured frames.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct RgbImage {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint8_t> Rgb;  // top row first, 3 bytes a pixel

    struct Pixel {
        int R, G, B;
        bool operator==(const Pixel&) const = default;
    };
    Pixel At(int x, int y) const {
        const std::uint8_t* p = &Rgb[(static_cast<std::size_t>(y) * static_cast<std::size_t>(Width) + static_cast<std::size_t>(x)) * 3];
        return {p[0], p[1], p[2]};
    }
};

// Raises std::runtime_error when the file is missing or no PNG.
RgbImage ReadPng(const std::string& path);
