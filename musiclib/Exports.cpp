// The library's exported entry points: a thin C layer over one MusicPlayer and its output.
#define BASSMOD_PROTOTYPES
#include "bassmod.h"

#include "AudioOutput.h"
#include "MusicPlayer.h"

#include <atomic>
#include <fstream>
#include <iterator>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace {

// The entry points may be called from any thread; this lock keeps the player and the output
// from being replaced under a concurrent call. The audio thread never takes it.
std::mutex apiMutex;
std::unique_ptr<MusicPlayer> player;  // exists while the output is open
std::unique_ptr<AudioOutput> output;

// Plain globals, not thread-local: a thread-local block of a library that is loaded and unloaded
// at run time outlives the library in threads that used it.
std::atomic<std::int32_t> lastError = BASSMOD_OK;
std::string returnedText;  // keeps a returned string alive until the next call that returns one

std::int32_t Fail(std::int32_t error) {
    lastError = error;
    return 0;
}

std::int32_t Succeed() {
    lastError = BASSMOD_OK;
    return 1;
}

// The player, or nullptr with BASSMOD_ERROR_NO_INIT set.
MusicPlayer* InitialisedPlayer() {
    if (!player) Fail(BASSMOD_ERROR_NO_INIT);
    return player.get();
}

// The player when a module is loaded, or nullptr with the reason set.
MusicPlayer* PlayerWithMusic() {
    MusicPlayer* found = InitialisedPlayer();
    if (found != nullptr && !found->Loaded()) {
        Fail(BASSMOD_ERROR_NO_MUSIC);
        return nullptr;
    }
    return found;
}

std::int32_t Result(bool ok, std::int32_t error) { return ok ? Succeed() : Fail(error); }

bool ReadFileRange(const char* path, std::uint32_t offset, std::uint32_t length, std::vector<std::uint8_t>& data) {
    std::ifstream file(path, std::ios::binary);
    if (!file || !file.seekg(offset)) return false;
    data.assign(std::istreambuf_iterator<char>(file), {});
    if (length != 0) {
        if (data.size() < length) return false;
        data.resize(length);
    }
    return true;
}

}  // namespace

extern "C" {

uint32_t BASSMOD_GetVersion(void) { return BASSMOD_VERSION; }

const char* BASSMOD_GetDeviceDescription(int32_t device) {
    const std::lock_guard lock(apiMutex);
    returnedText = AudioOutput::DeviceName(device);
    if (returnedText.empty()) {
        Fail(BASSMOD_ERROR_DEVICE);
        return nullptr;
    }
    Succeed();
    return returnedText.c_str();
}

int32_t BASSMOD_ErrorGetCode(void) { return lastError; }

int32_t BASSMOD_Init(int32_t device, uint32_t frequency, uint32_t flags) {
    const std::lock_guard lock(apiMutex);
    if (player) return Fail(BASSMOD_ERROR_ALREADY);
    if (flags != 0 || frequency < 8000 || frequency > 192000) return Fail(BASSMOD_ERROR_PARAMETER);
    std::string deviceName;
    if (device > 0) {
        deviceName = AudioOutput::DeviceName(device);
        if (deviceName.empty()) return Fail(BASSMOD_ERROR_DEVICE);
    } else if (device < -1) {
        return Fail(BASSMOD_ERROR_DEVICE);
    }
    auto created = std::make_unique<MusicPlayer>(static_cast<std::int32_t>(frequency));
    std::string error;
    output = AudioOutput::Open(device > 0 ? deviceName.c_str() : nullptr, static_cast<std::int32_t>(frequency),
                               *created, error);
    if (!output) return Fail(BASSMOD_ERROR_DRIVER);
    player = std::move(created);
    return Succeed();
}

void BASSMOD_Free(void) {
    const std::lock_guard lock(apiMutex);
    output.reset();  // no callback runs after this, so the player can go
    player.reset();
    Succeed();
}

float BASSMOD_GetCPU(void) {
    const std::lock_guard lock(apiMutex);
    const MusicPlayer* found = InitialisedPlayer();
    if (found == nullptr) return 0.0F;
    Succeed();
    return found->Load();
}

int32_t BASSMOD_GetVolume(void) {
    const std::lock_guard lock(apiMutex);
    const MusicPlayer* found = InitialisedPlayer();
    if (found == nullptr) return -1;
    Succeed();
    return found->Volume();
}

int32_t BASSMOD_SetVolume(int32_t volume) {
    const std::lock_guard lock(apiMutex);
    MusicPlayer* found = InitialisedPlayer();
    if (found == nullptr) return 0;
    if (volume < 0 || volume > 100) return Fail(BASSMOD_ERROR_PARAMETER);
    found->SetVolume(volume);
    return Succeed();
}

int32_t BASSMOD_MusicLoad(int32_t memory, const void* file, uint32_t offset, uint32_t length, uint32_t flags) {
    const std::lock_guard lock(apiMutex);
    MusicPlayer* found = InitialisedPlayer();
    if (found == nullptr) return 0;
    if (file == nullptr) return Fail(BASSMOD_ERROR_PARAMETER);
    std::vector<std::uint8_t> fileData;
    std::span<const std::uint8_t> data;
    if (memory != 0) {
        if (length == 0) return Fail(BASSMOD_ERROR_PARAMETER);
        data = {static_cast<const std::uint8_t*>(file) + offset, length};
    } else {
        if (!ReadFileRange(static_cast<const char*>(file), offset, length, fileData)) {
            found->Unload();
            return Fail(BASSMOD_ERROR_FILE);
        }
        data = fileData;
    }
    return Result(found->Load(data, flags), BASSMOD_ERROR_FORMAT);
}

void BASSMOD_MusicFree(void) {
    const std::lock_guard lock(apiMutex);
    if (player) player->Unload();
    Succeed();
}

int32_t BASSMOD_MusicPlay(void) {
    const std::lock_guard lock(apiMutex);
    MusicPlayer* found = PlayerWithMusic();
    return found != nullptr ? Result(found->Play(), BASSMOD_ERROR_NO_MUSIC) : 0;
}

int32_t BASSMOD_MusicPlayEx(uint32_t position, int32_t flags) {
    const std::lock_guard lock(apiMutex);
    MusicPlayer* found = PlayerWithMusic();
    if (found == nullptr) return 0;
    const auto from = position == 0xFFFFFFFF ? std::nullopt : std::optional<std::uint32_t>(position);
    const auto with = flags == -1 ? std::nullopt : std::optional<std::uint32_t>(static_cast<std::uint32_t>(flags));
    return Result(found->Play(from, with), BASSMOD_ERROR_PARAMETER);
}

int32_t BASSMOD_MusicSetAmplify(uint32_t amplify) {
    const std::lock_guard lock(apiMutex);
    MusicPlayer* found = InitialisedPlayer();
    if (found == nullptr) return 0;
    if (amplify > 100) return Fail(BASSMOD_ERROR_PARAMETER);
    found->SetAmplify(amplify);
    return Succeed();
}

int32_t BASSMOD_MusicSetPanSep(uint32_t separation) {
    const std::lock_guard lock(apiMutex);
    MusicPlayer* found = InitialisedPlayer();
    if (found == nullptr) return 0;
    if (separation > 100) return Fail(BASSMOD_ERROR_PARAMETER);
    found->SetStereoSeparation(separation);
    return Succeed();
}

int32_t BASSMOD_MusicSetPositionScaler(uint32_t scaler) {
    const std::lock_guard lock(apiMutex);
    MusicPlayer* found = InitialisedPlayer();
    if (found == nullptr) return 0;
    if (scaler < 1 || scaler > 256) return Fail(BASSMOD_ERROR_PARAMETER);
    found->SetPositionScaler(scaler);
    return Succeed();
}

uint32_t BASSMOD_MusicIsActive(void) {
    const std::lock_guard lock(apiMutex);
    Succeed();
    return player ? player->State() : BASSMOD_STOPPED;
}

int32_t BASSMOD_MusicStop(void) {
    const std::lock_guard lock(apiMutex);
    MusicPlayer* found = PlayerWithMusic();
    return found != nullptr ? Result(found->Stop(), BASSMOD_ERROR_NO_MUSIC) : 0;
}

int32_t BASSMOD_MusicPause(void) {
    const std::lock_guard lock(apiMutex);
    MusicPlayer* found = PlayerWithMusic();
    return found != nullptr ? Result(found->Pause(), BASSMOD_ERROR_NO_MUSIC) : 0;
}

uint32_t BASSMOD_MusicGetLength(int32_t playTime) {
    const std::lock_guard lock(apiMutex);
    MusicPlayer* found = PlayerWithMusic();
    if (found == nullptr) return 0xFFFFFFFF;
    const auto length = playTime != 0 ? found->LengthInMs() : found->LengthInOrders();
    Succeed();
    return length.value_or(0xFFFFFFFF);
}

int32_t BASSMOD_MusicSetPosition(uint32_t position) {
    const std::lock_guard lock(apiMutex);
    MusicPlayer* found = PlayerWithMusic();
    return found != nullptr ? Result(found->SetPosition(position), BASSMOD_ERROR_PARAMETER) : 0;
}

uint32_t BASSMOD_MusicGetPosition(void) {
    const std::lock_guard lock(apiMutex);
    MusicPlayer* found = PlayerWithMusic();
    if (found == nullptr) return 0xFFFFFFFF;
    Succeed();
    return found->Position().value_or(0xFFFFFFFF);
}

uint32_t BASSMOD_MusicSetSync(uint32_t type, uint32_t param, BASSMOD_SyncProc proc, void* user) {
    const std::lock_guard lock(apiMutex);
    MusicPlayer* found = PlayerWithMusic();
    if (found == nullptr) return 0;
    if (proc == nullptr || (type != BASSMOD_SYNC_POSITION && type != BASSMOD_SYNC_END)) {
        return static_cast<uint32_t>(Fail(BASSMOD_ERROR_PARAMETER));
    }
    const std::uint32_t handle = found->AddSync(type, param, proc, user);
    if (handle == 0) return static_cast<uint32_t>(Fail(BASSMOD_ERROR_NO_SLOT));
    Succeed();
    return handle;
}

int32_t BASSMOD_MusicRemoveSync(uint32_t sync) {
    const std::lock_guard lock(apiMutex);
    MusicPlayer* found = PlayerWithMusic();
    return found != nullptr ? Result(found->RemoveSync(sync), BASSMOD_ERROR_PARAMETER) : 0;
}

const char* BASSMOD_MusicGetName(void) {
    const std::lock_guard lock(apiMutex);
    returnedText = player ? player->Name() : std::string();
    Succeed();
    return returnedText.c_str();
}

}  // extern "C"
