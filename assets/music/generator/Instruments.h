// The tune's instruments, synthesised as 8-bit signed PCM for ProTracker sample slots.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace modgen {

struct Sample {
    std::vector<std::int8_t> pcm;  // even length; the first two bytes are silent (the one-shot repeat word)
    std::size_t loopStart = 0;     // in bytes, even
    std::size_t loopLength = 0;    // in bytes, even; 0 plays the sample once
};

// Names the score may give an instrument.
std::span<const std::string_view> InstrumentNames();

// The sample of a named instrument; throws std::invalid_argument for a name not in InstrumentNames().
Sample Synthesise(std::string_view instrument);

}  // namespace modgen
