// The busiest frame of the intro (band open, logo and star at rest, title in place, the
// scroller full) beside the floor of any frame: clearing and copying one 320x240 RGB565 buffer.
#include "MainUnit.h"
#include "platform/Clock.h"
#include "platform/HeadlessScreen.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

void FrameBufferClearAndCopy(benchmark::State& state) {
    std::vector<std::uint16_t> back(320 * 240);
    std::vector<std::uint16_t> front(320 * 240);
    for (auto _ : state) {
        std::fill(back.begin(), back.end(), std::uint16_t{0});
        benchmark::ClobberMemory();
        std::memcpy(front.data(), back.data(), back.size() * sizeof(std::uint16_t));
        benchmark::DoNotOptimize(front.data());
        benchmark::ClobberMemory();
    }
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
    for (auto _ : state) {
        form->dxTimerTimer(form->dxTimer.get(), 1);
        benchmark::ClobberMemory();
    }
    state.counters["images"] = form->ImageList->Items.Count();
}
BENCHMARK(BusiestFrameStep);

}  // namespace
