// A stand-in music library for tests. Every call it receives is appended as one line to the file
// named by VELMORA_STUB_LOG; its answers are fixed when it is built (the STUB_* definitions).
#define BASSMOD_PROTOTYPES
#include "bassmod.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>

#ifndef STUB_VERSION
#define STUB_VERSION 0x70000
#endif
#ifndef STUB_INIT_RESULT
#define STUB_INIT_RESULT 1
#endif
#ifndef STUB_LOAD_RESULT
#define STUB_LOAD_RESULT 1
#endif
#ifndef STUB_PLAY_RESULT
#define STUB_PLAY_RESULT 1
#endif

namespace {

void Record(const std::string& call) {
    const char* path = std::getenv("VELMORA_STUB_LOG");
    if (path == nullptr) return;
    if (std::FILE* log = std::fopen(path, "a")) {
        std::fprintf(log, "%s\n", call.c_str());
        std::fclose(log);
    }
}

}  // namespace

extern "C" {

uint32_t BASSMOD_GetVersion(void) {
    Record("GetVersion");
    return STUB_VERSION;
}
int32_t BASSMOD_Init(int32_t device, uint32_t frequency, uint32_t flags) {
    Record("Init(" + std::to_string(device) + "," + std::to_string(frequency) + "," + std::to_string(flags) + ")");
    return STUB_INIT_RESULT;
}
void BASSMOD_Free(void) { Record("Free"); }
// Records the size the module file has when it is loaded: it must be complete by then.
int32_t BASSMOD_MusicLoad(int32_t memory, const void* file, uint32_t offset, uint32_t length, uint32_t flags) {
    struct stat status {};
    const long size = stat(static_cast<const char*>(file), &status) == 0 ? static_cast<long>(status.st_size) : -1;
    Record("MusicLoad(" + std::to_string(memory) + "," + static_cast<const char*>(file) + "," + std::to_string(offset) +
           "," + std::to_string(length) + "," + std::to_string(flags) + ") size " + std::to_string(size));
    return STUB_LOAD_RESULT;
}
void BASSMOD_MusicFree(void) { Record("MusicFree"); }
int32_t BASSMOD_MusicPlay(void) {
    Record("MusicPlay");
    return STUB_PLAY_RESULT;
}

// The names a player binds but never calls.
const char* BASSMOD_GetDeviceDescription(int32_t) { Record("GetDeviceDescription"); return nullptr; }
int32_t BASSMOD_ErrorGetCode(void) { Record("ErrorGetCode"); return 0; }
float BASSMOD_GetCPU(void) { Record("GetCPU"); return 0; }
int32_t BASSMOD_GetVolume(void) { Record("GetVolume"); return 0; }
int32_t BASSMOD_SetVolume(int32_t) { Record("SetVolume"); return 0; }
int32_t BASSMOD_MusicPlayEx(uint32_t, int32_t) { Record("MusicPlayEx"); return 0; }
int32_t BASSMOD_MusicSetAmplify(uint32_t) { Record("MusicSetAmplify"); return 0; }
int32_t BASSMOD_MusicSetPanSep(uint32_t) { Record("MusicSetPanSep"); return 0; }
int32_t BASSMOD_MusicSetPositionScaler(uint32_t) { Record("MusicSetPositionScaler"); return 0; }
uint32_t BASSMOD_MusicIsActive(void) { Record("MusicIsActive"); return 0; }
int32_t BASSMOD_MusicStop(void) { Record("MusicStop"); return 0; }
int32_t BASSMOD_MusicPause(void) { Record("MusicPause"); return 0; }
uint32_t BASSMOD_MusicGetLength(int32_t) { Record("MusicGetLength"); return 0; }
int32_t BASSMOD_MusicSetPosition(uint32_t) { Record("MusicSetPosition"); return 0; }
uint32_t BASSMOD_MusicGetPosition(void) { Record("MusicGetPosition"); return 0; }
uint32_t BASSMOD_MusicSetSync(uint32_t, uint32_t, BASSMOD_SyncProc, void*) { Record("MusicSetSync"); return 0; }
int32_t BASSMOD_MusicRemoveSync(uint32_t) { Record("MusicRemoveSync"); return 0; }
#ifdef STUB_EXTRA_NAME
const char* BASSMOD_MusicGetName(void) { Record("MusicGetName"); return ""; }
#endif

}  // extern "C"
