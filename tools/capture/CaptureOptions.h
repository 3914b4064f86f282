// The capture tool's command line: what to capture, and where to write it.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

enum class Chroma { Subsampled420, Full444 };

struct CaptureOptions {
    // Frames per second the capture stands for: the intro's speed.
    int Rate = 60;
    // The tick on which Escape is pressed; none: after two scroller passes.
    std::optional<std::int32_t> EscapeTick;
    std::vector<std::int32_t> SpaceTicks;
    // Stop after this many frames, closed or not.
    std::optional<std::int32_t> FrameLimit;
    int Scale = 1;

    std::string PngDir;
    // Only these ticks' frames become PNG files; empty: every frame.
    std::vector<std::int32_t> PngTicks;
    std::string Y4mPath;  // "-": standard output
    Chroma Y4mChroma = Chroma::Full444;
    std::string WavPath;
    std::string Mp4Path;

    bool Quiet = false;
    bool Help = false;

    bool WantsAudio() const { return !WavPath.empty() || !Mp4Path.empty(); }
};

// A command line the tool cannot follow; what() says why.
class OptionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Ticks before this one ignore the keys.
constexpr std::int32_t FirstKeyTick = 301;
// The intro's timer fires at most every 15 ms.
constexpr int HighestRate = 66;
constexpr int HighestScale = 8;

// Raises OptionError for anything unknown, missing or out of range.
CaptureOptions ParseCaptureOptions(const std::vector<std::string>& arguments);

std::string CaptureUsage();
