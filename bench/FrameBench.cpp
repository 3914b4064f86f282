// The busiest frame of the intro (band open, logo and star at rest, title in place, the
// scroller full) beside the floor of any frame: clearing and copying one 320x240 RGB565 buffer.
#include "MainUnit.h"
#include "platform/Clock.h"
#include "platform/HeadlessScreen.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Nanoseconds per iteration of the floor, for the ratio the frame reports (registered first, so
// it has run when the frame runs).
double floorNanos = 0;

double NanosPerIteration(Clock::duration elapsed, const benchmark::State& state) {
    return static_cast<double>(std::chrono::duration_cast<std::chrono::nanoseconds>(elapsed).count()) /
           static_cast<double>(state.iterations());
}

void FrameBufferClearAndCopy(benchmark::State& state) {
    std::vector<std::uint16_t> back(320 * 240);
    std::vector<std::uint16_t> front(320 * 240);
    const auto start = Clock::now();
    for (auto _ : state) {
        std::fill(back.begin(), back.end(), std::uint16_t{0});
        benchmark::ClobberMemory();
        std::memcpy(front.data(), back.data(), back.size() * sizeof(std::uint16_t));
        benchmark::DoNotOptimize(front.data());
        benchmark::ClobberMemory();
    }
    floorNanos = NanosPerIteration(Clock::now() - start, state);
}
BENCHMARK(FrameBufferClearAndCopy);

void BusiestFrameStep(benchmark::State& state) {
    FakeClock clock;
    HeadlessScreen screen{&clock};
    TApplication application{screen, clock};
    TfrmMain* form = nullptr;
    application.CreateForm(form);
    // Tick 400: everything has arrived and the scroller line is full.
    while (form->TickCount < 400) form->dxTimerTimer(form->dxTimer.get(), 1);
    const auto start = Clock::now();
    for (auto _ : state) {
        form->dxTimerTimer(form->dxTimer.get(), 1);
        benchmark::ClobberMemory();
    }
    if (floorNanos > 0) state.counters["x_floor"] = NanosPerIteration(Clock::now() - start, state) / floorNanos;
    state.counters["images"] = form->ImageList->Items.Count();
}
BENCHMARK(BusiestFrameStep);

}  // namespace
