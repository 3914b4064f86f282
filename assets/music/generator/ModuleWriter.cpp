#include "ModuleWriter.h"

#include "Instruments.h"

#include <algorithm>
#include <stdexcept>

namespace modgen {
namespace {

void PutText(std::vector<std::uint8_t>& out, std::size_t at, std::string_view text, std::size_t width) {
    std::copy_n(text.begin(), std::min(text.size(), width), out.begin() + static_cast<std::ptrdiff_t>(at));
}

void PutWord(std::vector<std::uint8_t>& out, std::size_t at, std::size_t value) {
    if (value > 0xFFFF) {
        throw std::length_error("a sample is longer than 128 KiB");
    }
    out[at] = static_cast<std::uint8_t>(value >> 8);
    out[at + 1] = static_cast<std::uint8_t>(value & 0xFF);
}

void PutSampleHeader(std::vector<std::uint8_t>& out, std::size_t at, const SampleSlot& slot, const Sample& sample) {
    PutText(out, at, slot.instrument, 22);
    PutWord(out, at + 22, sample.pcm.size() / 2);
    out[at + 24] = static_cast<std::uint8_t>(slot.finetune & 0x0F);
    out[at + 25] = static_cast<std::uint8_t>(slot.volume);
    // A one-shot sample repeats its first (silent) word, as ProTracker expects.
    PutWord(out, at + 26, sample.loopLength > 0 ? sample.loopStart / 2 : 0);
    PutWord(out, at + 28, sample.loopLength > 0 ? sample.loopLength / 2 : 1);
}

void PutCell(std::vector<std::uint8_t>& out, std::size_t at, const Cell& cell) {
    out[at] = static_cast<std::uint8_t>((cell.sample & 0xF0) | (cell.period >> 8));
    out[at + 1] = static_cast<std::uint8_t>(cell.period & 0xFF);
    out[at + 2] = static_cast<std::uint8_t>(((cell.sample & 0x0F) << 4) | cell.effect);
    out[at + 3] = static_cast<std::uint8_t>(cell.parameter);
}

}  // namespace

std::vector<std::uint8_t> BuildModule(const Song& song) {
    std::vector<std::uint8_t> out(PatternOffset + song.patterns.size() * PatternSize);
    PutText(out, 0, song.title, 20);

    std::vector<Sample> samples(SampleSlots);
    for (std::size_t slot = 0; slot < song.samples.size(); ++slot) {
        if (!song.samples[slot].instrument.empty()) {
            samples[slot] = Synthesise(song.samples[slot].instrument);
            PutSampleHeader(out, SampleHeaderOffset + slot * SampleHeaderSize, song.samples[slot], samples[slot]);
        }
    }

    out[SongLengthOffset] = static_cast<std::uint8_t>(song.order.size());
    out[SongLengthOffset + 1] = 127;  // the restart byte every ProTracker writes
    for (std::size_t i = 0; i < song.order.size(); ++i) {
        out[OrderOffset + i] = static_cast<std::uint8_t>(song.order[i]);
    }
    PutText(out, SignatureOffset, "M.K.", 4);

    for (std::size_t p = 0; p < song.patterns.size(); ++p) {
        for (std::size_t row = 0; row < RowsPerPattern; ++row) {
            for (std::size_t channel = 0; channel < Channels; ++channel) {
                const std::size_t at = PatternOffset + p * PatternSize + (row * Channels + channel) * 4;
                PutCell(out, at, song.patterns[p].rows[row][channel]);
            }
        }
    }

    for (const Sample& sample : samples) {
        out.insert(out.end(), reinterpret_cast<const std::uint8_t*>(sample.pcm.data()),
                   reinterpret_cast<const std::uint8_t*>(sample.pcm.data() + sample.pcm.size()));
    }
    return out;
}

}  // namespace modgen
