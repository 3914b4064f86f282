// Capture speed, frames per second ("items_per_second"), at scale 1 and 4: one intro tick with
// its music, written as a YUV4MPEG2 frame (4:4:4 and 4:2:0) or as a PNG file. The floor beside
// them is scaling the frame alone, the least any output does per frame.
#include "HeadlessIntro.h"
#include "LockstepAudio.h"
#include "PngFrames.h"
#include "ScaledFrame.h"
#include "Y4mWriter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
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

void ScaleOnlyFloor(benchmark::State& state) {
    RunningIntro running;
    ScaledFrame scaled;
    for (auto _ : state) {
        ScaleFrame(running.intro.Frame(), static_cast<int>(state.range(0)), scaled);
        benchmark::DoNotOptimize(scaled.Pixels.data());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(ScaleOnlyFloor)->Arg(1)->Arg(4);

void CaptureY4m(benchmark::State& state, Chroma chroma) {
    RunningIntro running;
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> sink(std::fopen("/dev/null", "wb"), &std::fclose);
    Y4mWriter writer(sink.get(), "/dev/null", 60, static_cast<int>(state.range(0)), chroma);
    for (auto _ : state) {
        running.Tick();
        writer.WriteFrame(running.intro.Frame());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK_CAPTURE(CaptureY4m, 444, Chroma::Full444)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CaptureY4m, 420, Chroma::Subsampled420)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);

void CapturePng(benchmark::State& state) {
    RunningIntro running;
    const auto directory = std::filesystem::temp_directory_path() / "velmora-capture-bench";
    PngFrames frames(directory.string(), {}, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        running.Tick();
        frames.Frame(0, running.intro.Frame());  // one file, written over and over
    }
    state.SetItemsProcessed(state.iterations());
    std::filesystem::remove_all(directory);
}
BENCHMARK(CapturePng)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);

}  // namespace
