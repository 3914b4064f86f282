// Integer building blocks for sample synthesis: the same input gives the same bytes on every
// compiler, which the byte-for-byte regeneration check relies on.
#pragma once

#include <cstdint>

namespace modgen {

// One full turn of phase.
inline constexpr std::int64_t PhaseTurn = 1 << 16;
// Unit amplitude of Sine and of envelope factors.
inline constexpr std::int64_t Unit = 1 << 15;

// sin(2*pi*phase/PhaseTurn) * Unit, within one unit of the exact value.
// A quarter wave by its Taylor series in fixed point; the rest by symmetry.
constexpr std::int64_t Sine(std::int64_t phase) {
    phase %= PhaseTurn;
    if (phase < 0) {
        phase += PhaseTurn;
    }
    const std::int64_t quarter = PhaseTurn / 4;
    std::int64_t sign = 1;
    if (phase >= 2 * quarter) {
        phase -= 2 * quarter;
        sign = -1;
    }
    if (phase > quarter) {
        phase = 2 * quarter - phase;
    }
    // x = phase * 2*pi / PhaseTurn in Q30; pi/2 = 1686629713 in Q30.
    constexpr std::int64_t one = std::int64_t{1} << 30;
    const std::int64_t x = phase * 1686629713 / quarter;
    const std::int64_t x2 = x * x / one;
    // x - x^3/3! + x^5/5! - x^7/7! + x^9/9!, evaluated Horner-style.
    std::int64_t sum = one;
    for (std::int64_t k = 9; k >= 3; k -= 2) {
        sum = one - sum * x2 / one / (k * (k - 1));
    }
    const std::int64_t value = x * sum / one;
    return sign * ((value + (one / Unit / 2)) / (one / Unit));
}

// A fixed-seed linear congruential noise source: white noise in [-Unit, Unit).
class Noise {
public:
    explicit Noise(std::uint32_t seed) : state(seed) {}
    std::int64_t Next() {
        state = state * 1664525u + 1013904223u;
        return static_cast<std::int64_t>(state >> 16) - Unit;
    }

private:
    std::uint32_t state;
};

// One-pole low-pass filter; coefficient in Unit (Unit passes everything, small values darken).
class LowPass {
public:
    explicit LowPass(std::int64_t coefficient) : k(coefficient) {}
    std::int64_t Step(std::int64_t input) {
        y += (input - y) * k / Unit;
        return y;
    }

private:
    std::int64_t k;
    std::int64_t y = 0;
};

// Exponential-style decay: returns Unit at 0, halving every halfLife steps (linear in between).
constexpr std::int64_t Decay(std::int64_t step, std::int64_t halfLife) {
    const std::int64_t halvings = step / halfLife;
    if (halvings >= 30) {
        return 0;
    }
    const std::int64_t from = Unit >> halvings;
    const std::int64_t to = from / 2;
    return from - (from - to) * (step % halfLife) / halfLife;
}

}  // namespace modgen
