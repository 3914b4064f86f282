#include "BASSMOD_Dynamic.h"

#include <dlfcn.h>

void* MusicLibraryHandle = nullptr;

#define VELMORA_DEFINE_ENTRY_POINT(result, name, parameters) result(*name) parameters = nullptr;
BASSMOD_ENTRY_POINTS(VELMORA_DEFINE_ENTRY_POINT)
#undef VELMORA_DEFINE_ENTRY_POINT

bool BindMusicLibrary(const std::string& directory, const std::string& fileName) {
    if (MusicLibraryHandle != nullptr) return true;
    // A bare file name would make the loader search its library path: only a named directory counts.
    if (directory.empty()) return false;

    const std::string path = (directory.back() == '/' ? directory : directory + '/') + fileName;
    // RTLD_LOCAL: the library's names stay out of the program's namespace, so a second copy
    // loaded from another path never resolves to this one's symbols.
    MusicLibraryHandle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (MusicLibraryHandle == nullptr) return false;

    // Every name is looked up, even after one is missing.
#define VELMORA_LOOK_UP(result, name, parameters) \
    name = reinterpret_cast<result(*) parameters>(dlsym(MusicLibraryHandle, #name));
    BASSMOD_ENTRY_POINTS(VELMORA_LOOK_UP)
#undef VELMORA_LOOK_UP

    bool complete = true;
#define VELMORA_CHECK(result, name, parameters) complete = complete && name != nullptr;
    BASSMOD_ENTRY_POINTS(VELMORA_CHECK)
#undef VELMORA_CHECK
    if (!complete) {
        dlclose(MusicLibraryHandle);
        MusicLibraryHandle = nullptr;
    }
    return MusicLibraryHandle != nullptr;
}

void UnbindMusicLibrary() {
    if (MusicLibraryHandle != nullptr) {
        if (BASSMOD_MusicFree != nullptr) BASSMOD_MusicFree();
        dlclose(MusicLibraryHandle);
    }
    MusicLibraryHandle = nullptr;
}
