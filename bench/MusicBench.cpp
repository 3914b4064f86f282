// Mixing one second of the tune through our player, beside libopenmpt rendering the same
// module alone: the player's own cost is the difference.
#include "MainUnit.h"
#include "MusicPlayer.h"

#include <benchmark/benchmark.h>
#include <libopenmpt/libopenmpt.hpp>

#include <array>
#include <cstdint>
#include <sstream>

namespace {

constexpr std::int32_t SampleRate = 44100;
constexpr std::size_t CallbackFrames = 1024;  // what the audio device asks for at a time

// One second in callback-sized pieces, through the mixing function the audio callback uses.
void MixOneSecondThroughPlayer(benchmark::State& state) {
    MusicPlayer player(SampleRate);
    if (!player.Load(ModuleImage, BASSMOD_MUSIC_RAMP | BASSMOD_MUSIC_LOOP | BASSMOD_MUSIC_AMIGA)) {
        state.SkipWithError("the embedded tune is not a module");
        return;
    }
    player.Play();
    std::array<std::int16_t, CallbackFrames * 2> buffer{};
    for (auto _ : state) {
        for (std::size_t done = 0; done < SampleRate; done += CallbackFrames) {
            player.Mix(buffer.data(), CallbackFrames);
            benchmark::DoNotOptimize(buffer.data());
        }
    }
}
BENCHMARK(MixOneSecondThroughPlayer)->Unit(benchmark::kMillisecond);

// The floor: the same module and settings rendered by libopenmpt directly.
void MixOneSecondLibopenmptAlone(benchmark::State& state) {
    std::ostringstream log;
    std::unique_ptr<openmpt::module> module;
    try {
        module = std::make_unique<openmpt::module>(ModuleImage.data(), ModuleImage.size(), log);
    } catch (const openmpt::exception&) {
        state.SkipWithError("the embedded tune is not a module");
        return;
    }
    module->set_repeat_count(-1);
    module->ctl_set_integer("dither", 0);
    module->ctl_set_boolean("render.resampler.emulate_amiga", true);
    module->set_render_param(openmpt::module::RENDER_STEREOSEPARATION_PERCENT, 100);  // where the player maps its 50
    std::array<std::int16_t, CallbackFrames * 2> buffer{};
    for (auto _ : state) {
        for (std::size_t done = 0; done < SampleRate; done += CallbackFrames) {
            module->read_interleaved_stereo(SampleRate, CallbackFrames, buffer.data());
            benchmark::DoNotOptimize(buffer.data());
        }
    }
}
BENCHMARK(MixOneSecondLibopenmptAlone)->Unit(benchmark::kMillisecond);

}  // namespace
