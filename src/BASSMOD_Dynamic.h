// Run-time binding of the music library: loads it from a directory, looks up its entry points
// by name and keeps them in function pointers named after them, all or nothing.
#pragma once

#include "bassmod.h"

#include <string>

// The loaded library; nullptr while none is bound.
extern void* MusicLibraryHandle;

// The entry points: meaningful only while MusicLibraryHandle is set.
#define VELMORA_DECLARE_ENTRY_POINT(result, name, parameters) extern result(*name) parameters;
BASSMOD_ENTRY_POINTS(VELMORA_DECLARE_ENTRY_POINT)
#undef VELMORA_DECLARE_ENTRY_POINT

// Loads directory/fileName and resolves every entry point; true when bound on return.
// Already bound: true at once, without looking at the arguments. An empty directory binds nothing.
bool BindMusicLibrary(const std::string& directory, const std::string& fileName);
// Frees the loaded module (BASSMOD_MusicFree) and releases the library; harmless when unbound.
void UnbindMusicLibrary();
