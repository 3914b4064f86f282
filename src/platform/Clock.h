// Time source of the frame timer: the live clock, or a stepped one for tests and captures.
#pragma once

#include <chrono>
#include <cstdint>

class Clock {
public:
    virtual ~Clock() = default;
    // Microseconds since an arbitrary start; never goes backwards.
    virtual std::uint64_t NowMicros() = 0;
};

class SteadyClock final : public Clock {
public:
    std::uint64_t NowMicros() override {
        using namespace std::chrono;
        return static_cast<std::uint64_t>(
            duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count());
    }
};

class FakeClock final : public Clock {
public:
    std::uint64_t NowMicros() override { return now_; }
    void Advance(std::uint64_t micros) { now_ += micros; }
    void AdvanceMillis(std::uint64_t millis) { now_ += millis * 1000; }

private:
    std::uint64_t now_ = 1'000'000;
};
