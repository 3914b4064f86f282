// What the music tests share: the stub libraries built beside them, scratch directories, the
// stubs' call log and an environment variable set for one test.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Path of the stub library built as lib<name>.so (stub_complete, stub_missing_one, ...).
std::string StubPath(const std::string& name);
std::vector<std::uint8_t> ReadBytes(const std::string& path);

// A directory of its own for one test, removed with what it holds.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    const std::string& Path() const { return path_; }  // no trailing '/'
    std::vector<std::string> Entries() const;          // names, sorted

private:
    std::string path_;
};

// Sets an environment variable (or unsets it) for the object's life.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::optional<std::string>& value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string name_;
    std::optional<std::string> old_;
};

// The calls the stub libraries record while the object lives, one per line.
class StubCallLog {
public:
    StubCallLog();
    std::vector<std::string> Calls() const;
    void Clear() const;

private:
    ScratchDir dir_;
    std::string path_;
    ScopedEnv env_;
};
