// Lays a song out as a 4-channel ProTracker ("M.K.") module.
#pragma once

#include "Score.h"

#include <cstdint>
#include <vector>

namespace modgen {

// Offsets of the header fields of a ProTracker module.
inline constexpr std::size_t SampleHeaderOffset = 20;
inline constexpr std::size_t SampleHeaderSize = 30;
inline constexpr std::size_t SongLengthOffset = 950;
inline constexpr std::size_t OrderOffset = 952;
inline constexpr std::size_t SignatureOffset = 1080;
inline constexpr std::size_t PatternOffset = 1084;
inline constexpr std::size_t PatternSize = RowsPerPattern * Channels * 4;

// The module's bytes, with every used sample slot synthesised from its instrument.
std::vector<std::uint8_t> BuildModule(const Song& song);

}  // namespace modgen
