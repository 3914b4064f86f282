#include "MusicTestSupport.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

std::string StubPath(const std::string& name) { return std::string(VELMORA_STUB_DIR) + "/lib" + name + ".so"; }

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw std::runtime_error("cannot read " + path);
    return {std::istreambuf_iterator<char>(file), {}};
}

namespace {
// Taken before any test points TMPDIR elsewhere.
const std::filesystem::path scratchBase = std::filesystem::temp_directory_path();
}  // namespace

ScratchDir::ScratchDir() {
    std::string pattern = (scratchBase / "velmora-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create " + pattern);
    path_ = pattern;
}

ScratchDir::~ScratchDir() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(path_, ignored);
}

std::vector<std::string> ScratchDir::Entries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

ScopedEnv::ScopedEnv(const char* name, const std::optional<std::string>& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value) {
        setenv(name, value->c_str(), 1);
    } else {
        unsetenv(name);
    }
}

ScopedEnv::~ScopedEnv() {
    if (old_) {
        setenv(name_.c_str(), old_->c_str(), 1);
    } else {
        unsetenv(name_.c_str());
    }
}

StubCallLog::StubCallLog() : path_(dir_.Path() + "/calls.log"), env_("VELMORA_STUB_LOG", path_) {}

std::vector<std::string> StubCallLog::Calls() const {
    std::ifstream file(path_);
    std::vector<std::string> calls;
    for (std::string line; std::getline(file, line);) calls.push_back(line);
    return calls;
}

void StubCallLog::Clear() const { std::filesystem::remove(path_); }
