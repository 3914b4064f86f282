// A private directory for one run inside the system temp directory: mode 0700 under a random
// name, so no other user can plant a file or a link in it. Removed with everything in it when
// the object goes, or earlier by Remove.
#pragma once

#include <cstdint>
#include <span>
#include <string>

class TempDir {
public:
    // The system temp directory: $TMPDIR when set, else /tmp; ends in '/'.
    static std::string SystemTempPath();

    // Creates the directory; raises Exception when the system temp directory refuses it.
    explicit TempDir(const std::string& prefix);
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The directory's path, ending in '/'.
    const std::string& Path() const { return path_; }

    // Removes the files in the directory and the directory itself; harmless when repeated.
    void Remove();

private:
    std::string path_;
    bool removed_ = false;
};

// Writes bytes to a new file at path, created exclusively (an existing file or link of that name
// is removed first and never followed) and readable only by the owner. Raises Exception with
// "Datei <path> kann nicht erstellt werden" when the file cannot be created or written.
void WritePrivateFile(const std::string& path, std::span<const std::uint8_t> bytes);
