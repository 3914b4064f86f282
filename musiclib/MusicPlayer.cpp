#include "MusicPlayer.h"

#include <libopenmpt/libopenmpt.hpp>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ostream>
#include <vector>

namespace {

// libopenmpt's load warnings would go to std::clog; the library reports through error codes only.
std::ostream& DiscardedLog() {
    static std::ostream discard(nullptr);
    return discard;
}

constexpr std::uint32_t Pack(std::int32_t order, std::int32_t row) {
    return static_cast<std::uint32_t>(row) << 16 | (static_cast<std::uint32_t>(order) & 0xFFFF);
}

bool Matches(std::uint32_t pattern, std::uint32_t position) {
    const bool orderMatches = (pattern & 0xFFFF) == 0xFFFF || (pattern & 0xFFFF) == (position & 0xFFFF);
    const bool rowMatches = (pattern >> 16) == 0xFFFF || (pattern >> 16) == (position >> 16);
    return orderMatches && rowMatches;
}

}  // namespace

MusicPlayer::MusicPlayer(std::int32_t sampleRate) : sampleRate_(sampleRate) {}

MusicPlayer::~MusicPlayer() = default;

bool MusicPlayer::Load(std::span<const std::uint8_t> data, std::uint32_t flags) {
    std::unique_ptr<openmpt::module> loaded;
    try {
        loaded = std::make_unique<openmpt::module>(data.data(), data.size(), DiscardedLog());
    } catch (const std::exception&) {
        // openmpt::exception, or std::bad_alloc on a huge claim: either way, no module.
    }
    std::unique_ptr<openmpt::module> old;
    {
        const std::lock_guard lock(mutex_);
        old = std::move(module_);
        module_ = std::move(loaded);
        flags_ = flags;
        state_ = BASSMOD_STOPPED;
        lastPosition_ = 0xFFFFFFFF;
        syncs_ = {};
        if (module_) ApplyRenderSettings();
    }
    return Loaded();
}

void MusicPlayer::Unload() {
    std::unique_ptr<openmpt::module> old;
    const std::lock_guard lock(mutex_);
    old = std::move(module_);
    state_ = BASSMOD_STOPPED;
    syncs_ = {};
}

bool MusicPlayer::Loaded() const {
    const std::lock_guard lock(mutex_);
    return module_ != nullptr;
}

// Settings that make the output sound as a listener expects and come out the same on every run.
void MusicPlayer::ApplyRenderSettings() {
    module_->set_repeat_count(0);
    // At the end, reads return short once and then go on from the tune's loop point: the mixer
    // sees the end (for the end sync) and decides itself whether to loop.
    module_->ctl_set_text("play.at_end", "continue");
    module_->ctl_set_integer("dither", 0);
    module_->ctl_set_boolean("render.resampler.emulate_amiga", (flags_ & BASSMOD_MUSIC_AMIGA) != 0);
    module_->set_render_param(openmpt::module::RENDER_VOLUMERAMPING_STRENGTH,
                              (flags_ & BASSMOD_MUSIC_RAMP) != 0 ? -1 : 0);
    // libopenmpt's scale runs to 200 (hard panning); its 100, where our default 50 lands, mixes
    // each Amiga side 3:1 into the other: a moderate separation that headphones take well.
    module_->set_render_param(openmpt::module::RENDER_STEREOSEPARATION_PERCENT,
                              static_cast<std::int32_t>(2 * separation_));
    const double gain = amplify_ == 0 ? -100000.0 : 2000.0 * std::log10(amplify_ / 50.0);
    module_->set_render_param(openmpt::module::RENDER_MASTERGAIN_MILLIBEL, static_cast<std::int32_t>(gain));
}

bool MusicPlayer::Play(std::optional<std::uint32_t> position, std::optional<std::uint32_t> flags) {
    const std::lock_guard lock(mutex_);
    if (!module_) return false;
    if (flags) {
        flags_ = *flags;
        ApplyRenderSettings();
    }
    if (position && !SeekTo(*position)) return false;
    state_ = BASSMOD_PLAYING;
    return true;
}

bool MusicPlayer::Pause() {
    const std::lock_guard lock(mutex_);
    if (!module_) return false;
    if (state_ == BASSMOD_PLAYING) state_ = BASSMOD_PAUSED;
    return true;
}

bool MusicPlayer::Stop() {
    const std::lock_guard lock(mutex_);
    if (!module_) return false;
    state_ = BASSMOD_STOPPED;
    module_->set_position_order_row(0, 0);
    lastPosition_ = 0xFFFFFFFF;
    return true;
}

std::uint32_t MusicPlayer::State() const {
    const std::lock_guard lock(mutex_);
    return module_ ? state_ : BASSMOD_STOPPED;
}

void MusicPlayer::SetVolume(std::int32_t percent) {
    const std::lock_guard lock(mutex_);
    volume_ = std::clamp(percent, 0, 100);
}

std::int32_t MusicPlayer::Volume() const {
    const std::lock_guard lock(mutex_);
    return volume_;
}

void MusicPlayer::SetAmplify(std::uint32_t amplify) {
    const std::lock_guard lock(mutex_);
    amplify_ = std::min<std::uint32_t>(amplify, 100);
    if (module_) ApplyRenderSettings();
}

void MusicPlayer::SetStereoSeparation(std::uint32_t percent) {
    const std::lock_guard lock(mutex_);
    separation_ = std::min<std::uint32_t>(percent, 100);
    if (module_) ApplyRenderSettings();
}

void MusicPlayer::SetPositionScaler(std::uint32_t scaler) {
    const std::lock_guard lock(mutex_);
    scaler_ = std::clamp<std::uint32_t>(scaler, 1, 256);
}

std::optional<std::uint32_t> MusicPlayer::LengthInOrders() const {
    const std::lock_guard lock(mutex_);
    if (!module_) return {};
    return static_cast<std::uint32_t>(module_->get_num_orders());
}

std::optional<std::uint32_t> MusicPlayer::LengthInMs() const {
    const std::lock_guard lock(mutex_);
    if (!module_) return {};
    return static_cast<std::uint32_t>(std::lround(module_->get_duration_seconds() * 1000.0));
}

bool MusicPlayer::SetPosition(std::uint32_t position) {
    const std::lock_guard lock(mutex_);
    return module_ && SeekTo(position);
}

bool MusicPlayer::SeekTo(std::uint32_t position) {
    const auto order = static_cast<std::int32_t>(position & 0xFFFF);
    const auto row = static_cast<std::int32_t>(position >> 16);
    module_->set_position_order_row(order, row);
    return PackedPosition() == Pack(order, row);
}

std::optional<std::uint32_t> MusicPlayer::Position() const {
    const std::lock_guard lock(mutex_);
    if (!module_) return {};
    const std::uint32_t position = PackedPosition();
    return ((position >> 16) * scaler_) << 16 | (position & 0xFFFF);
}

std::string MusicPlayer::Name() const {
    const std::lock_guard lock(mutex_);
    return module_ ? module_->get_metadata("title") : std::string();
}

std::uint32_t MusicPlayer::PackedPosition() const {
    return Pack(module_->get_current_order(), module_->get_current_row());
}

std::uint32_t MusicPlayer::AddSync(std::uint32_t type, std::uint32_t param, BASSMOD_SyncProc proc, void* user) {
    const std::lock_guard lock(mutex_);
    for (std::size_t slot = 0; slot < syncs_.size(); ++slot) {
        if (syncs_[slot].type != 0) continue;
        syncs_[slot] = {type, param, proc, user};
        return static_cast<std::uint32_t>(slot + 1);
    }
    return 0;
}

bool MusicPlayer::RemoveSync(std::uint32_t handle) {
    const std::lock_guard lock(mutex_);
    if (handle == 0 || handle > syncs_.size() || syncs_[handle - 1].type == 0) return false;
    syncs_[handle - 1] = {};
    return true;
}

void MusicPlayer::Notify(std::uint32_t type, std::uint32_t data, std::array<DueSync, MaxDuePerMix>& due,
                         std::size_t& dueCount) const {
    for (std::size_t slot = 0; slot < syncs_.size(); ++slot) {
        const Sync& sync = syncs_[slot];
        if (sync.type != type || dueCount == due.size()) continue;
        if (type == BASSMOD_SYNC_POSITION && !Matches(sync.param, data)) continue;
        due[dueCount++] = {static_cast<std::uint32_t>(slot + 1), data, sync.proc, sync.user};
    }
}

std::size_t MusicPlayer::MixBlock(std::int16_t* out, std::size_t frames, std::array<DueSync, MaxDuePerMix>& due,
                                  std::size_t& dueCount) {
    const std::size_t rendered = module_->read_interleaved_stereo(sampleRate_, frames, out);
    if (volume_ != 100) {
        for (std::size_t i = 0; i < rendered * 2; ++i) out[i] = static_cast<std::int16_t>(out[i] * volume_ / 100);
    }
    const std::uint32_t position = PackedPosition();
    if (position != lastPosition_) {
        lastPosition_ = position;
        Notify(BASSMOD_SYNC_POSITION, position, due, dueCount);
    }
    // At its end the module yields a short block and then one of no frames; the next read starts
    // the loop.
    if (rendered == 0) {
        Notify(BASSMOD_SYNC_END, position, due, dueCount);
        if ((flags_ & BASSMOD_MUSIC_LOOP) == 0) {
            state_ = BASSMOD_STOPPED;
            module_->set_position_order_row(0, 0);
            lastPosition_ = 0xFFFFFFFF;
        }
    }
    return rendered;
}

void MusicPlayer::Mix(std::int16_t* out, std::size_t frames) {
    const auto start = std::chrono::steady_clock::now();
    std::array<DueSync, MaxDuePerMix> due;
    std::size_t dueCount = 0;
    {
        const std::lock_guard lock(mutex_);
        std::size_t done = 0;
        bool endedEmpty = false;
        while (done < frames && module_ && state_ == BASSMOD_PLAYING) {
            const std::size_t rendered =
                MixBlock(out + done * 2, std::min(BlockFrames, frames - done), due, dueCount);
            // A tune that yields nothing right after its end would spin here: it counts as stopped.
            if (rendered == 0 && endedEmpty) state_ = BASSMOD_STOPPED;
            endedEmpty = rendered == 0;
            done += rendered;
        }
        std::fill(out + done * 2, out + frames * 2, std::int16_t{0});
    }
    for (std::size_t i = 0; i < dueCount; ++i) due[i].proc(due[i].handle, due[i].data, due[i].user);

    const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
    const double real = static_cast<double>(frames) / sampleRate_;
    load_.store(real > 0 ? static_cast<float>(100.0 * spent.count() / real) : 0.0F, std::memory_order_relaxed);
}
