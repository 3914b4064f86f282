#include "TempDir.h"

#include "Exception.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>
#include <vector>

std::string TempDir::SystemTempPath() {
    const char* fromEnvironment = std::getenv("TMPDIR");
    std::string path = fromEnvironment != nullptr && *fromEnvironment != '\0' ? fromEnvironment : "/tmp";
    if (path.back() != '/') path += '/';
    return path;
}

TempDir::TempDir(const std::string& prefix) {
    const std::string base = SystemTempPath();
    std::string pattern = base + prefix + "-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    // mkdtemp creates the directory with mode 0700 under a name nobody can predict.
    if (mkdtemp(name.data()) == nullptr) {
        throw Exception("cannot create a private directory in " + base + ": " + std::strerror(errno));
    }
    path_ = std::string(name.data()) + '/';
}

TempDir::~TempDir() { Remove(); }

void TempDir::Remove() {
    if (removed_) return;
    removed_ = true;
    // The directory is ours alone, so what it holds is what we put there; links are removed, not followed.
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void WritePrivateFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    const auto fail = [&path] { throw Exception("Datei " + path + " kann nicht erstellt werden"); };
    if (unlink(path.c_str()) != 0 && errno != ENOENT) fail();
    const int file = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (file < 0) fail();
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t result = write(file, bytes.data() + written, bytes.size() - written);
        if (result < 0 && errno == EINTR) continue;
        if (result <= 0) {
            close(file);
            unlink(path.c_str());
            fail();
        }
        written += static_cast<std::size_t>(result);
    }
    if (close(file) != 0) {
        unlink(path.c_str());
        fail();
    }
}
