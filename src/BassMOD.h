// The music player component: writes the music library and the tune to a private temp
// directory, binds the library and plays the tune in the background.
#pragma once

#include "platform/TempDir.h"
#include "platform/Types.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>

// The music library's file image, written out as the library file.
extern const std::span<const std::uint8_t> LibraryImage;

class TBassMOD final : public TObject {
public:
    // libraryImage is the library written out and bound: the intro's own unless a test hands a stub.
    explicit TBassMOD(TObject* Owner, std::span<const std::uint8_t> libraryImage = LibraryImage);

    // This run's private directory inside the system temp directory, ending in '/'; empty when
    // it cannot be created.
    std::string GetTempDirectory();

    // Writes both files, binds the library, starts the tune; true when playback started.
    // Raises Exception when a temp file cannot be written; nothing is bound then.
    bool PlayModule(std::span<const std::uint8_t> block);
    // Stops the tune and releases the library when playback started; removes the temp files and
    // the private directory in every case.
    void StopModule();
    void DeleteTempFiles();
    void WriteBlockToFile(const std::string& fileName, std::span<const std::uint8_t> block);

    std::string FDllName;
    std::string FTempDir;
    std::string FModuleFile;
    bool FActive = false;

private:
    std::span<const std::uint8_t> libraryImage_;
    std::unique_ptr<TempDir> privateDir_;
    std::string privateDirError_;  // why there is no private directory
};
