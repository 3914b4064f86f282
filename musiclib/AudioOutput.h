// The sound output: an SDL audio device whose callback mixes a MusicPlayer in 16-bit stereo.
#pragma once

#include "MusicPlayer.h"

#include <cstdint>
#include <memory>
#include <string>

class AudioOutput {
public:
    // Opens the named device (nullptr: the default) at the given rate and starts it; nullptr and
    // the audio system's reason in error when there is no device or it refuses.
    static std::unique_ptr<AudioOutput> Open(const char* deviceName, std::int32_t sampleRate, MusicPlayer& player,
                                             std::string& error);
    // Waits for a running callback to return, then closes the device.
    ~AudioOutput();
    AudioOutput(const AudioOutput&) = delete;
    AudioOutput& operator=(const AudioOutput&) = delete;

    // Name of output device n (0: the default), or empty past the last one.
    static std::string DeviceName(std::int32_t device);

private:
    explicit AudioOutput(std::uint32_t device) : device_(device) {}

    std::uint32_t device_;
};
