// Debian's ffmpeg, when it is installed: an H.264 encoder fed through a pipe, and the final
// step that puts the encoded picture and the WAV music into one MP4 file.
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

// The path of the ffmpeg program found on PATH, if any.
std::optional<std::string> FindFfmpeg();

class FfmpegProcess {
public:
    // Starts ffmpeg with these arguments (after the program name); with feedStdin, its
    // standard input is a pipe given by Input(). Raises std::runtime_error when it cannot start.
    FfmpegProcess(const std::string& program, const std::vector<std::string>& arguments, bool feedStdin);
    // Ends a process that was not waited for.
    ~FfmpegProcess();
    FfmpegProcess(const FfmpegProcess&) = delete;
    FfmpegProcess& operator=(const FfmpegProcess&) = delete;

    std::FILE* Input() const { return input_; }
    // Closes the input and waits; raises std::runtime_error unless ffmpeg succeeded.
    void Wait();

private:
    pid_t pid_ = -1;
    std::FILE* input_ = nullptr;
};

// Arguments that encode a YUV4MPEG2 stream on standard input into a video-only MP4.
std::vector<std::string> EncodeVideoArguments(const std::string& videoPath);
// Arguments that put video and music into one MP4: the music delayed by delaySamples so that
// its first sample plays at the music start tick's time.
std::vector<std::string> MuxArguments(const std::string& videoPath, const std::string& wavPath, long delaySamples,
                                      const std::string& mp4Path);
