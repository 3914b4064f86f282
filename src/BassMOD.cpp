#include "BassMOD.h"

#include "BASSMOD_Dynamic.h"
#include "platform/Exception.h"

#include <filesystem>

TBassMOD::TBassMOD(TObject* /*Owner*/, std::span<const std::uint8_t> libraryImage)
    : FDllName("BassMod.dll"), libraryImage_(libraryImage) {
    FTempDir = GetTempDirectory();
    if (!FTempDir.empty()) FModuleFile = GetTempDirectory() + "Module.mod";
}

std::string TBassMOD::GetTempDirectory() {
    if (!privateDir_ && privateDirError_.empty()) {
        // Fixed names in the shared temp directory would let another user plant the library we
        // load or a link we write through; a directory of our own leaves them nothing to aim at.
        try {
            privateDir_ = std::make_unique<TempDir>("velmora");
        } catch (const Exception& error) {
            privateDirError_ = error.what();
        }
    }
    return privateDir_ ? privateDir_->Path() : std::string();
}

bool TBassMOD::PlayModule(std::span<const std::uint8_t> block) {
    FActive = false;
    if (FTempDir.empty()) throw Exception(privateDirError_);
    WriteBlockToFile(FTempDir + FDllName, libraryImage_);
    WriteBlockToFile(FModuleFile, block);
    if (!BindMusicLibrary(FTempDir, FDllName)) {
        UnbindMusicLibrary();
        return false;
    }
    if (BASSMOD_GetVersion() != 0x70000) {
        BASSMOD_Free();
    } else if (BASSMOD_Init(-1, 44100, 0) == 0) {
        BASSMOD_Free();
    }
    // Loaded even after a failed start of the output: the library decides whether it can play.
    if (BASSMOD_MusicLoad(0, FModuleFile.c_str(), 0, 0, 0x105) != 0) {
        BASSMOD_MusicPlay();
        FActive = true;
    }
    return FActive;
}

void TBassMOD::StopModule() {
    if (FActive) {
        BASSMOD_MusicFree();
        BASSMOD_Free();
        UnbindMusicLibrary();
        FActive = false;  // a second stop must not reach the released library
    }
    // Whatever happened before, nothing of this run stays in the temp directory. A library still
    // bound after a failed start keeps running from its mapping.
    DeleteTempFiles();
    if (privateDir_) privateDir_->Remove();
}

void TBassMOD::DeleteTempFiles() {
    if (FTempDir.empty()) return;  // never a relative path into the working directory
    std::error_code ignored;
    for (const std::string& path : {FModuleFile, FTempDir + FDllName}) {
        if (std::filesystem::is_regular_file(std::filesystem::symlink_status(path, ignored))) {
            std::filesystem::remove(path, ignored);
        }
    }
}

void TBassMOD::WriteBlockToFile(const std::string& fileName, std::span<const std::uint8_t> block) {
    WritePrivateFile(fileName, block);
}
