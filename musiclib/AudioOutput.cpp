#include "AudioOutput.h"

#include <SDL.h>

namespace {

// SDL calls this on its audio thread; nothing may throw across it.
void FillBuffer(void* userdata, Uint8* stream, int length) noexcept {
    auto* player = static_cast<MusicPlayer*>(userdata);
    player->Mix(reinterpret_cast<std::int16_t*>(stream), static_cast<std::size_t>(length) / (2 * sizeof(std::int16_t)));
}

// When no part of the program uses SDL any more, SDL's remaining globals go too: the library may
// be unloaded next, and SDL with it.
void QuitSdlWhenUnused() {
    if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0) SDL_Quit();
}

// Gives back a successful SDL_InitSubSystem of the audio. Only then: quitting a subsystem that
// failed to start would take away a reference that the program's video holds on SDL's events.
void ReleaseAudio() {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    QuitSdlWhenUnused();
}

}  // namespace

std::unique_ptr<AudioOutput> AudioOutput::Open(const char* deviceName, std::int32_t sampleRate, MusicPlayer& player,
                                               std::string& error) {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        error = SDL_GetError();
        QuitSdlWhenUnused();
        return nullptr;
    }
    SDL_AudioSpec wanted{};
    wanted.freq = sampleRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 2;
    wanted.samples = 1024;  // 23 ms at 44.1 kHz: short enough to start promptly, long enough not to stutter
    wanted.callback = FillBuffer;
    wanted.userdata = &player;
    // No allowed changes: SDL converts to whatever the device wants, the mixer always sees this format.
    const SDL_AudioDeviceID device = SDL_OpenAudioDevice(deviceName, 0, &wanted, nullptr, 0);
    if (device == 0) {
        error = SDL_GetError();
        ReleaseAudio();
        return nullptr;
    }
    SDL_PauseAudioDevice(device, 0);
    return std::unique_ptr<AudioOutput>(new AudioOutput(device));
}

AudioOutput::~AudioOutput() {
    SDL_CloseAudioDevice(device_);
    ReleaseAudio();
}

std::string AudioOutput::DeviceName(std::int32_t device) {
    if (device == 0) return "Default output";
    if (device < 0) return {};
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        QuitSdlWhenUnused();
        return {};
    }
    std::string name;
    if (device <= SDL_GetNumAudioDevices(0)) {
        if (const char* found = SDL_GetAudioDeviceName(device - 1, 0)) name = found;
    }
    ReleaseAudio();
    return name;
}
