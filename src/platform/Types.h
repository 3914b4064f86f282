// Basic types shared by the platform layer and the intro.
#pragma once

#include <cstdint>

// A colour as the intro writes it: red in the low byte, then green, then blue (0x00BBGGRR).
using TColor = std::uint32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;

constexpr std::uint8_t RedOf(TColor c) { return static_cast<std::uint8_t>(c); }
constexpr std::uint8_t GreenOf(TColor c) { return static_cast<std::uint8_t>(c >> 8); }
constexpr std::uint8_t BlueOf(TColor c) { return static_cast<std::uint8_t>(c >> 16); }
constexpr TColor RGB(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return TColor{r} | TColor{g} << 8 | TColor{b} << 16;
}

// Edges Left/Top included, Right/Bottom excluded.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};

// Virtual-key codes the intro listens for.
constexpr std::uint16_t VK_ESCAPE = 27;
constexpr std::uint16_t VK_SPACE = 32;

// Base of everything that can be the sender of an event.
class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;
};
