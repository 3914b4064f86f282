// Capture speed, frames per second ("items_per_second"), at scale 1 and 4: one intro tick with
// its music, written as a YUV4MPEG2 frame (4:4:4 and 4:2:0) or as a PNG file. The floor beside
// them is scaling the frame alone, the least any output does per frame; each capture reports
// its ratio to the floor of its scale ("x_floor").
#include "HeadlessIntro.h"
#include "LockstepAudio.h"
#include "PngFrames.h"
#include "ScaledFrame.h"
#include "Y4mWriter.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>

namespace {

// The intro at tick 400, where every element is on the screen.
struct RunningIntro {
    RunningIntro() : intro(60), audio(60) {
        while (intro.Form().TickCount < 400) intro.Step();
    }
    void Tick() {
        const std::int32_t tick = intro.Form().TickCount;
        intro.Step();
        benchmark::DoNotOptimize(audio.RenderTick(tick).data());
    }
    HeadlessIntro intro;
    LockstepAudio audio;
};

using Clock = std::chrono::steady_clock;

// Nanoseconds a frame of the floor takes, per scale (the floor is registered first, so it runs first).
std::map<std::int64_t, double> floorNanos;

double NanosPerFrame(Clock::time_point start, const benchmark::State& state) {
    return static_cast<double>(std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now() - start).count()) /
           static_cast<double>(state.iterations());
}

void ReportFrames(benchmark::State& state, Clock::time_point start) {
    state.SetItemsProcessed(state.iterations());
    const auto floor = floorNanos.find(state.range(0));
    if (floor != floorNanos.end()) state.counters["x_floor"] = NanosPerFrame(start, state) / floor->second;
}

void ScaleOnlyFloor(benchmark::State& state) {
    RunningIntro running;
    ScaledFrame scaled;
    const auto start = Clock::now();
    for (auto _ : state) {
        ScaleFrame(running.intro.Frame(), static_cast<int>(state.range(0)), scaled);
        benchmark::DoNotOptimize(scaled.Pixels.data());
    }
    floorNanos[state.range(0)] = NanosPerFrame(start, state);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(ScaleOnlyFloor)->Arg(1)->Arg(4);

void CaptureY4m(benchmark::State& state, Chroma chroma) {
    RunningIntro running;
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> sink(std::fopen("/dev/null", "wb"), &std::fclose);
    Y4mWriter writer(sink.get(), "/dev/null", 60, static_cast<int>(state.range(0)), chroma);
    const auto start = Clock::now();
    for (auto _ : state) {
        running.Tick();
        writer.WriteFrame(running.intro.Frame());
    }
    ReportFrames(state, start);
}
BENCHMARK_CAPTURE(CaptureY4m, 444, Chroma::Full444)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CaptureY4m, 420, Chroma::Subsampled420)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);

void CapturePng(benchmark::State& state) {
    RunningIntro running;
    const auto directory = std::filesystem::temp_directory_path() / "velmora-capture-bench";
    PngFrames frames(directory.string(), {}, static_cast<int>(state.range(0)));
    const auto start = Clock::now();
    for (auto _ : state) {
        running.Tick();
        frames.Frame(0, running.intro.Frame());  // one file, written over and over
    }
    ReportFrames(state, start);
    std::filesystem::remove_all(directory);
}
BENCHMARK(CapturePng)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);

}  // namespace
