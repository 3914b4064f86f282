// The capture's progress on standard error: frames done, the total when known, and speed.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <ostream>

class ProgressBar {
public:
    ProgressBar(std::ostream& out, bool enabled, std::optional<std::int64_t> total);

    // Redraws at most a few times a second.
    void Update(std::int64_t frames);
    // The final state, and a new line.
    void Finish(std::int64_t frames);

    double FramesPerSecond(std::int64_t frames) const;

private:
    void Draw(std::int64_t frames);

    using Clock = std::chrono::steady_clock;
    std::ostream& out_;
    bool enabled_;
    std::optional<std::int64_t> total_;
    Clock::time_point start_ = Clock::now();
    Clock::time_point lastDraw_ = start_;
    bool drawn_ = false;
};
