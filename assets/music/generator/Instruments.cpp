#include "Instruments.h"

#include "FixedMath.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>

namespace modgen {
namespace {

// Playback rates (PAL Paula clock / 2 / period) of the notes the drums are written for.
constexpr std::int64_t RateC3 = 16574;  // C-3, period 214
constexpr std::int64_t RateA3 = 27928;  // A-3, period 127

// Pitched instruments repeat every 32 or 64 samples, so at C-2 they sound a C.
constexpr std::int64_t ShortCycle = 32;
constexpr std::int64_t LongCycle = 64;

using Wave = std::vector<std::int64_t>;

// Scales the wave so its loudest sample reaches `peak` and puts the silent repeat word in front.
Sample Quantise(const Wave& wave, std::int64_t peak, std::size_t loopStart = 0, std::size_t loopLength = 0) {
    std::int64_t loudest = 1;
    for (const std::int64_t v : wave) {
        loudest = std::max(loudest, v < 0 ? -v : v);
    }
    Sample sample;
    sample.pcm.reserve(wave.size() + 3);
    sample.pcm.assign(2, 0);
    for (const std::int64_t v : wave) {
        const std::int64_t scaled = v * peak;
        const std::int64_t rounded = (scaled >= 0 ? scaled + loudest / 2 : scaled - loudest / 2) / loudest;
        sample.pcm.push_back(static_cast<std::int8_t>(rounded));
    }
    if (sample.pcm.size() % 2 != 0) {
        sample.pcm.push_back(0);
    }
    if (loopLength > 0) {
        sample.loopStart = loopStart + 2;
        sample.loopLength = loopLength;
    }
    return sample;
}

// Fades the last `length` samples linearly to silence, so a one-shot ends without a click.
void FadeTail(Wave& wave, std::size_t length) {
    length = std::min(length, wave.size());
    const std::size_t first = wave.size() - length;
    for (std::size_t i = first; i < wave.size(); ++i) {
        wave[i] = wave[i] * static_cast<std::int64_t>(wave.size() - 1 - i) / static_cast<std::int64_t>(length);
    }
}

// A band-limited tone: phase(i) gives the phase of sample i in PhaseTurn units,
// amplitude(i, h) the strength of harmonic h in Unit.
template <class PhaseOf, class AmplitudeOf>
Wave Tone(std::size_t length, std::int64_t harmonics, PhaseOf phase, AmplitudeOf amplitude) {
    Wave wave(length);
    for (std::size_t i = 0; i < length; ++i) {
        const auto at = static_cast<std::int64_t>(i);
        const std::int64_t p = phase(at);
        std::int64_t sum = 0;
        for (std::int64_t h = 1; h <= harmonics; ++h) {
            sum += amplitude(at, h) * Sine(h * p) / Unit;
        }
        wave[i] = sum;
    }
    return wave;
}

// Gentle low-pass response at harmonic h for a cutoff given in 1/256 harmonics.
std::int64_t Rolloff(std::int64_t h, std::int64_t cutoff) {
    const std::int64_t c2 = cutoff * cutoff;
    const std::int64_t h2 = (h << 8) * (h << 8);
    return Unit * c2 / (c2 + h2);
}

// Harmonic h of a pulse wave whose high part lasts `duty` of the cycle (in PhaseTurn units).
std::int64_t Pulse(std::int64_t h, std::int64_t duty) {
    return Sine(h * duty / 2) / h;
}

// Plucked saw-and-square bass: a bright attack that darkens over the first cycles, then one cycle held.
Sample Bass() {
    constexpr std::int64_t cycles = 40;
    const auto phase = [](std::int64_t i) { return i * PhaseTurn / LongCycle; };
    const auto amplitude = [](std::int64_t i, std::int64_t h) {
        const std::int64_t cycle = i / LongCycle;
        const std::int64_t cutoff = (3 << 8) + 14 * 256 * Decay(cycle, 5) / Unit;
        const std::int64_t envelope = Unit * 65 / 100 + 35 * Decay(cycle, 8) / 100;
        const std::int64_t shape = h % 2 == 1 ? Unit / h : Unit / (2 * h);
        return shape * Rolloff(h, cutoff) / Unit * envelope / Unit;
    };
    const Wave wave = Tone(cycles * LongCycle, LongCycle / 2 - 1, phase, amplitude);
    return Quantise(wave, 118, (cycles - 1) * LongCycle, LongCycle);
}

// Pulse lead: a plain attack, then a loop with slow pulse-width movement and a light vibrato.
Sample Lead() {
    constexpr std::int64_t head = 24 * ShortCycle;
    constexpr std::int64_t loop = 128 * ShortCycle;
    const auto phase = [](std::int64_t i) {
        const std::int64_t vibrato = i < head ? 0 : 7000 * Sine((i - head) * PhaseTurn / loop) / Unit;
        return i * PhaseTurn / ShortCycle + vibrato;
    };
    const auto amplitude = [](std::int64_t i, std::int64_t h) {
        const std::int64_t sweep = i < head ? 0 : Sine((i - head) * PhaseTurn / (2 * loop));
        const std::int64_t duty = PhaseTurn * 3 / 10 - PhaseTurn / 10 * sweep / Unit;
        const std::int64_t envelope = i < head ? Unit - Unit * 15 / 100 * i / head : Unit * 85 / 100;
        return Pulse(h, duty) * Rolloff(h, 9 << 8) / Unit * envelope / Unit;
    };
    const Wave wave = Tone(head + loop, ShortCycle / 2 - 1, phase, amplitude);
    return Quantise(wave, 118, head, loop);
}

// Square-ish chip voice for arpeggio chords: a short bright attack, then one cycle held.
Sample Arp() {
    constexpr std::int64_t cycles = 10;
    const auto phase = [](std::int64_t i) { return i * PhaseTurn / ShortCycle; };
    const auto amplitude = [](std::int64_t i, std::int64_t h) {
        const std::int64_t cycle = i / ShortCycle;
        const std::int64_t envelope = Unit - Unit / 4 * std::min<std::int64_t>(cycle, cycles - 1) / (cycles - 1);
        return Pulse(h, PhaseTurn / 4) * Rolloff(h, 12 << 8) / Unit * envelope / Unit;
    };
    const Wave wave = Tone(cycles * ShortCycle, ShortCycle / 2 - 1, phase, amplitude);
    return Quantise(wave, 118, (cycles - 1) * ShortCycle, ShortCycle);
}

// Two soft saws a few cents apart: the loop holds a whole number of cycles of both, so it beats seamlessly.
Sample Pad() {
    constexpr std::int64_t head = 16 * ShortCycle;
    constexpr std::int64_t loop = 128 * ShortCycle;
    const auto saw = [](std::int64_t, std::int64_t h) { return Unit / h * Rolloff(h, 6 << 8) / Unit; };
    const Wave low = Tone(head + loop, ShortCycle / 2 - 1, [](std::int64_t i) { return i * PhaseTurn / ShortCycle; }, saw);
    const Wave high = Tone(head + loop, ShortCycle / 2 - 1, [](std::int64_t i) { return i * 129 * PhaseTurn / loop; }, saw);
    Wave wave(low.size());
    for (std::size_t i = 0; i < wave.size(); ++i) {
        const auto at = static_cast<std::int64_t>(i);
        const std::int64_t fadeIn = std::min(at, head) * Unit / head;
        wave[i] = (low[i] + high[i]) * fadeIn / Unit;
    }
    return Quantise(wave, 118, head, loop);
}

// Kick: a sine that drops from 185 Hz to 45 Hz under a short click. Written for C-3.
Sample Kick() {
    const std::size_t length = RateC3 * 28 / 100;
    Wave wave(length);
    Noise noise(0x6b1c);
    std::int64_t phase = 0;
    for (std::size_t i = 0; i < length; ++i) {
        const auto at = static_cast<std::int64_t>(i);
        const std::int64_t hertz256 = 45 * 256 + 140 * 256 * Decay(at, RateC3 * 15 / 1000) / Unit;
        phase += hertz256 * PhaseTurn / (256 * RateC3);
        const std::int64_t body = Sine(phase) * Decay(at, RateC3 * 70 / 1000) / Unit;
        const std::int64_t click = noise.Next() * Decay(at, 24) / Unit / 3;
        wave[i] = body + click;
    }
    FadeTail(wave, length / 8);
    return Quantise(wave, 120);
}

// Snare: a short two-tone body under band-passed noise. Written for C-3.
Sample Snare() {
    const std::size_t length = RateC3 * 22 / 100;
    Wave wave(length);
    Noise noise(0x5a7e);
    LowPass bright(Unit * 6 / 10);
    LowPass dark(Unit * 6 / 100);
    for (std::size_t i = 0; i < length; ++i) {
        const auto at = static_cast<std::int64_t>(i);
        const std::int64_t low = Sine(at * 185 * PhaseTurn / RateC3) * Decay(at, RateC3 * 25 / 1000) / Unit;
        const std::int64_t high = Sine(at * 330 * PhaseTurn / RateC3) * Decay(at, RateC3 * 15 / 1000) / Unit;
        const std::int64_t n = noise.Next();
        const std::int64_t band = bright.Step(n) - dark.Step(n);
        const std::int64_t rattle = band * 2 * Decay(at, RateC3 * 45 / 1000) / Unit;
        wave[i] = low * 6 / 10 + high * 3 / 10 + rattle;
    }
    FadeTail(wave, length / 8);
    return Quantise(wave, 120);
}

// Hi-hats: high-passed noise, closed or open. Written for A-3.
Sample Hat(std::int64_t milliseconds, std::int64_t halfLifeMs, std::uint32_t seed) {
    const std::size_t length = RateA3 * milliseconds / 1000;
    Wave wave(length);
    Noise noise(seed);
    LowPass body(Unit * 35 / 100);
    for (std::size_t i = 0; i < length; ++i) {
        const auto at = static_cast<std::int64_t>(i);
        const std::int64_t n = noise.Next();
        wave[i] = (n - body.Step(n)) * Decay(at, RateA3 * halfLifeMs / 1000) / Unit;
    }
    FadeTail(wave, length / 6);
    return Quantise(wave, 110);
}

struct Instrument {
    std::string_view name;
    Sample (*make)();
};

constexpr std::array<Instrument, 8> Instruments{{
    {"kick", Kick},
    {"snare", Snare},
    {"hihat", [] { return Hat(70, 12, 0x4a11); }},
    {"openhat", [] { return Hat(160, 45, 0x0be7); }},
    {"bass", Bass},
    {"lead", Lead},
    {"arp", Arp},
    {"pad", Pad},
}};

constexpr auto Names = [] {
    std::array<std::string_view, Instruments.size()> names{};
    for (std::size_t i = 0; i < Instruments.size(); ++i) {
        names[i] = Instruments[i].name;
    }
    return names;
}();

}  // namespace

std::span<const std::string_view> InstrumentNames() {
    return Names;
}

Sample Synthesise(std::string_view instrument) {
    for (const Instrument& entry : Instruments) {
        if (entry.name == instrument) {
            return entry.make();
        }
    }
    throw std::invalid_argument("unknown instrument \"" + std::string(instrument) + "\"");
}

}  // namespace modgen
