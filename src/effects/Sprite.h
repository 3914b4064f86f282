// The record of every moving picture.
#pragma once

#include <cstdint>

struct TSprite {
    std::int32_t X = 0;  // top-left corner on the surface (the rotation centre for the star)
    std::int32_t Y = 0;
    std::int32_t Z = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::uint8_t Red = 0;
    std::uint8_t Green = 0;
    std::uint8_t Blue = 0;
    std::int32_t Alpha = 0;
    std::int32_t ImageIndex = 0;  // entry of the image list
    char Ch = 0;
};
