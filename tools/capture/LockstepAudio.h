// The tune rendered beside the frames, as the intro's music library plays it from the music
// start tick on: the same player, the same settings, only no sound device and no real time.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

class MusicPlayer;

class LockstepAudio {
public:
    explicit LockstepAudio(int rate);
    ~LockstepAudio();

    // The sample frame at which the time of a tick from 100 on falls: round((tick - 100) x 44100 / rate).
    std::int64_t SamplePosition(std::int32_t tick) const;

    // Sample frames from tick 0's time to the music start: where the music begins in a video.
    std::int64_t MusicStartDelay() const;

    // The music for the whole duration of the tick, interleaved stereo; empty before the music starts.
    std::span<const std::int16_t> RenderTick(std::int32_t tick);

private:
    int rate_;
    std::unique_ptr<MusicPlayer> player_;
    std::vector<std::int16_t> buffer_;
};
