// The music player component: writes the music library and the tune to a private temp
// directory, binds the library and plays the tune in the background.
#pragma once

#include "platform/Types.h"

#include <cstdint>
#include <span>
#include <string>

// The music library's file image, written out as the library file.
extern const std::span<const std::uint8_t> LibraryImage;

class TBassMOD final : public TObject {
public:
    explicit TBassMOD(TObject* Owner);

    // Writes both files, binds the library, starts the tune; true when playback started.
    bool PlayModule(std::span<const std::uint8_t> block);
    // Stops the tune, releases the library and deletes the temp files, when playback started.
    void StopModule();
};
