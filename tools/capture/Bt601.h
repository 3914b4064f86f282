// RGB to Y'CbCr by ITU-R BT.601 in studio range (Y' 16-235, Cb and Cr 16-240), in whole
// numbers: with 8-bit R, G, B the components times 255000 are exact integers, so rounding
// happens once, at the end, and no floating point can make two machines differ.
#pragma once

#include "ScaledFrame.h"

#include <cstdint>

namespace bt601 {

constexpr std::int64_t Scale = 255000;

constexpr std::int64_t LumaScaled(Rgb c) { return 16 * Scale + 65481 * c.R + 128553 * c.G + 24966 * c.B; }
constexpr std::int64_t CbScaled(Rgb c) { return 128 * Scale - 37797 * c.R - 74203 * c.G + 112000 * c.B; }
constexpr std::int64_t CrScaled(Rgb c) { return 128 * Scale + 112000 * c.R - 93786 * c.G - 18214 * c.B; }

// The average of count scaled values, rounded half up. The scaled values are never negative.
constexpr std::uint8_t Round(std::int64_t scaledSum, std::int64_t count) {
    const std::int64_t divisor = Scale * count;
    return static_cast<std::uint8_t>((scaledSum + divisor / 2) / divisor);
}

}  // namespace bt601
