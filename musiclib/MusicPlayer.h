// The player behind the library: one module, its playback state and its mixing into 16-bit
// stereo. The caller's thread steers it while the audio thread mixes, so every member is
// guarded by one lock; sync procedures are called after the lock is released.
#pragma once

#include "bassmod.h"

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string>

namespace openmpt {
class module;
}

class MusicPlayer {
public:
    explicit MusicPlayer(std::int32_t sampleRate);
    ~MusicPlayer();
    MusicPlayer(const MusicPlayer&) = delete;
    MusicPlayer& operator=(const MusicPlayer&) = delete;

    // Replaces the module with the one in data (BASSMOD_MUSIC_* flags), stopped at its start;
    // false when data is no module (the old one is dropped all the same).
    bool Load(std::span<const std::uint8_t> data, std::uint32_t flags);
    void Unload();
    bool Loaded() const;

    // Plays from position (packed order/row, or where the module stands), with new flags when
    // given; false when no module is loaded or the position does not exist.
    bool Play(std::optional<std::uint32_t> position = {}, std::optional<std::uint32_t> flags = {});
    bool Pause();
    bool Stop();
    std::uint32_t State() const;

    void SetVolume(std::int32_t percent);
    std::int32_t Volume() const;
    void SetAmplify(std::uint32_t amplify);
    void SetStereoSeparation(std::uint32_t percent);
    void SetPositionScaler(std::uint32_t scaler);

    std::optional<std::uint32_t> LengthInOrders() const;
    std::optional<std::uint32_t> LengthInMs() const;
    bool SetPosition(std::uint32_t position);
    std::optional<std::uint32_t> Position() const;
    std::string Name() const;

    // 0 when every slot is taken.
    std::uint32_t AddSync(std::uint32_t type, std::uint32_t param, BASSMOD_SyncProc proc, void* user);
    bool RemoveSync(std::uint32_t handle);

    // Fills frames of interleaved stereo: the playing module, or silence. The audio callback's work.
    void Mix(std::int16_t* out, std::size_t frames);
    // Share of real time that the last Mix took, in percent.
    float Load() const { return load_.load(std::memory_order_relaxed); }

    static constexpr std::size_t BlockFrames = 256;

private:
    struct Sync {
        std::uint32_t type = 0;  // 0: free slot
        std::uint32_t param = 0;
        BASSMOD_SyncProc proc = nullptr;
        void* user = nullptr;
    };
    struct DueSync {
        std::uint32_t handle;
        std::uint32_t data;
        BASSMOD_SyncProc proc;
        void* user;
    };
    static constexpr std::size_t SyncSlots = 16;
    static constexpr std::size_t MaxDuePerMix = 64;

    void ApplyRenderSettings();
    std::uint32_t PackedPosition() const;
    // Jumps to a packed position; false when the module has no such position.
    bool SeekTo(std::uint32_t position);
    // Renders one block of at most BlockFrames; returns frames rendered.
    std::size_t MixBlock(std::int16_t* out, std::size_t frames, std::array<DueSync, MaxDuePerMix>& due,
                         std::size_t& dueCount);
    void Notify(std::uint32_t type, std::uint32_t data, std::array<DueSync, MaxDuePerMix>& due,
                std::size_t& dueCount) const;

    const std::int32_t sampleRate_;
    mutable std::mutex mutex_;
    std::unique_ptr<openmpt::module> module_;
    std::uint32_t flags_ = 0;
    std::uint32_t state_ = BASSMOD_STOPPED;
    std::int32_t volume_ = 100;
    std::uint32_t amplify_ = 50;
    std::uint32_t separation_ = 50;
    std::uint32_t scaler_ = 1;
    std::uint32_t lastPosition_ = 0xFFFFFFFF;
    std::array<Sync, SyncSlots> syncs_{};
    std::atomic<float> load_{0.0F};
};
