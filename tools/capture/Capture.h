// The capture loop: the intro run tick by tick, the keys pressed on their ticks, every frame
// and the music of every tick handed on, until the form closes.
#pragma once

#include "CaptureOptions.h"
#include "ProgressBar.h"

#include <atomic>
#include <cstdint>
#include <optional>
#include <span>

// Where a capture's frames and music go.
class CaptureSink {
public:
    virtual ~CaptureSink() = default;
    // What the screen shows after the tick's frame step: 320 x 240 RGB565.
    virtual void Frame(std::int32_t tick, std::span<const std::uint16_t> pixels) = 0;
    // The music played during the tick, interleaved stereo at the mixing rate (nothing before tick 100).
    virtual void Audio(std::span<const std::int16_t> samples) = 0;
};

struct CaptureSummary {
    std::int32_t Frames = 0;
    std::optional<std::int32_t> EscapeTick;
    bool Closed = false;       // the form closed on the last frame
    bool Interrupted = false;  // stop was raised
    std::int64_t MusicStartDelay = 0;  // sample frames from tick 0 to the music start
};

// Runs the intro as options say; audio is rendered only when options.WantsAudio(). The intro
// is gone (music stopped, temp files removed) when this returns or raises.
CaptureSummary RunCapture(const CaptureOptions& options, CaptureSink& sink, ProgressBar& progress,
                          const std::atomic<bool>* stop = nullptr);
