#include "Ffmpeg.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

std::optional<std::string> FindFfmpeg() {
    const char* path = std::getenv("PATH");
    std::string directories = path != nullptr ? path : "/usr/bin:/bin";
    std::size_t start = 0;
    while (start <= directories.size()) {
        const std::size_t colon = std::min(directories.find(':', start), directories.size());
        const std::string directory = directories.substr(start, colon - start);
        const std::string candidate = (directory.empty() ? std::string(".") : directory) + "/ffmpeg";
        if (::access(candidate.c_str(), X_OK) == 0 && std::filesystem::is_regular_file(candidate)) return candidate;
        start = colon + 1;
    }
    return std::nullopt;
}

FfmpegProcess::FfmpegProcess(const std::string& program, const std::vector<std::string>& arguments,
                             bool feedStdin) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    int pipeEnds[2] = {-1, -1};
    if (feedStdin && ::pipe2(pipeEnds, O_CLOEXEC) != 0) {
        throw std::runtime_error(std::string("cannot make a pipe to ffmpeg: ") + std::strerror(errno));
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (feedStdin) posix_spawn_file_actions_adddup2(&actions, pipeEnds[0], STDIN_FILENO);
    // ffmpeg's standard output may be the capture's video stream: it talks on standard error only.
    posix_spawn_file_actions_adddup2(&actions, STDERR_FILENO, STDOUT_FILENO);
    // A group of its own: Ctrl+C stops the capture, which then lets ffmpeg finish what it has.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attributes, 0);
    const int spawned = posix_spawn(&pid_, program.c_str(), &actions, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    if (feedStdin) ::close(pipeEnds[0]);
    if (spawned != 0) {
        if (feedStdin) ::close(pipeEnds[1]);
        pid_ = -1;
        throw std::runtime_error("cannot start " + program + ": " + std::strerror(spawned));
    }
    if (feedStdin) {
        input_ = ::fdopen(pipeEnds[1], "wb");
        if (input_ == nullptr) {
            ::close(pipeEnds[1]);
            throw std::runtime_error("cannot write to ffmpeg");
        }
    }
}

FfmpegProcess::~FfmpegProcess() {
    if (input_ != nullptr) std::fclose(input_);
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
    }
}

void FfmpegProcess::Wait() {
    if (input_ != nullptr) {
        std::fclose(input_);
        input_ = nullptr;
    }
    int status = 0;
    while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    pid_ = -1;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) throw std::runtime_error("ffmpeg failed (see its messages above)");
}

std::vector<std::string> EncodeVideoArguments(const std::string& videoPath) {
    return {"-hide_banner", "-loglevel", "error", "-y", "-f", "yuv4mpegpipe", "-i", "-",
            "-c:v", "libx264", "-preset", "medium", "-crf", "16", "-pix_fmt", "yuv420p",
            // The stream is BT.601 studio range: say so, so that players convert it back right.
            "-colorspace", "smpte170m", "-color_primaries", "smpte170m", "-color_trc", "smpte170m",
            "-color_range", "tv", videoPath};
}

std::vector<std::string> MuxArguments(const std::string& videoPath, const std::string& wavPath, long delaySamples,
                                      const std::string& mp4Path) {
    return {"-hide_banner", "-loglevel", "error", "-y", "-i", videoPath, "-i", wavPath,
            "-map", "0:v:0", "-map", "1:a:0", "-c:v", "copy",
            "-af", "adelay=delays=" + std::to_string(delaySamples) + "S:all=1",
            "-c:a", "aac", "-b:a", "192k", "-movflags", "+faststart", mp4Path};
}
