#include "LockstepAudio.h"

#include "BassMOD.h"
#include "MainUnit.h"
#include "MusicPlayer.h"
#include "Tessaron_Functions.h"

#include <stdexcept>

LockstepAudio::LockstepAudio(int rate)
    : rate_(rate), player_(std::make_unique<MusicPlayer>(static_cast<std::int32_t>(TBassMOD::MixRate))) {
    if (!player_->Load(ModuleImage, TBassMOD::MusicFlags) || !player_->Play()) {
        throw std::runtime_error("the embedded tune cannot be played");
    }
}

LockstepAudio::~LockstepAudio() = default;

std::int64_t LockstepAudio::SamplePosition(std::int32_t tick) const {
    // Rounded half up, in whole numbers; ticks from the music start on.
    const std::int64_t numerator = std::int64_t{tick - MusicStartTick} * TBassMOD::MixRate;
    return (2 * numerator + rate_) / (2 * std::int64_t{rate_});
}

std::int64_t LockstepAudio::MusicStartDelay() const {
    return (2 * std::int64_t{MusicStartTick} * TBassMOD::MixRate + rate_) / (2 * std::int64_t{rate_});
}

std::span<const std::int16_t> LockstepAudio::RenderTick(std::int32_t tick) {
    if (tick < MusicStartTick) return {};
    const auto frames = static_cast<std::size_t>(SamplePosition(tick + 1) - SamplePosition(tick));
    buffer_.resize(frames * 2);
    player_->Mix(buffer_.data(), frames);
    return buffer_;
}
