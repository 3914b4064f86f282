// The tune's score: a plain-text file (format in assets/music/README.md) read into a song.
#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace modgen {

inline constexpr int Channels = 4;
inline constexpr int RowsPerPattern = 64;
inline constexpr int SampleSlots = 31;
inline constexpr int MaxPatterns = 64;
inline constexpr int MaxOrders = 128;

struct Cell {
    int period = 0;     // Amiga period of the note, 0 for none
    int sample = 0;     // sample slot 1..31, 0 for none
    int effect = 0;     // 0x0..0xF
    int parameter = 0;  // 0x00..0xFF
};

using Row = std::array<Cell, Channels>;

struct Pattern {
    std::string name;
    std::array<Row, RowsPerPattern> rows{};
};

struct SampleSlot {
    std::string instrument;  // empty for an unused slot
    int volume = 0;          // 0..64
    int finetune = 0;        // -8..7
};

struct Song {
    std::string title;
    std::array<SampleSlot, SampleSlots> samples{};
    std::vector<int> order;
    std::vector<Pattern> patterns;
};

// A score that cannot be read; the message names the line.
class ScoreError : public std::runtime_error {
public:
    ScoreError(int line, const std::string& message);
};

// Periods of C-1 .. B-3 at finetune 0, the range ProTracker plays.
inline constexpr std::array<int, 36> PeriodTable{
    856, 808, 762, 720, 678, 640, 604, 570, 538, 508, 480, 453,
    428, 404, 381, 360, 339, 320, 302, 285, 269, 254, 240, 226,
    214, 202, 190, 180, 170, 160, 151, 143, 135, 127, 120, 113};

// Reads a score; throws ScoreError for anything malformed or inconsistent.
Song ParseScore(std::string_view text);

}  // namespace modgen
