// The files a capture writes, as the command line asks: PNG frames, a YUV4MPEG2 stream, a WAV
// file and an MP4 made by ffmpeg. Everything is opened before the intro starts, so that a bad
// path fails at once.
#pragma once

#include "Capture.h"
#include "CaptureOptions.h"
#include "Ffmpeg.h"
#include "PngFrames.h"
#include "WavWriter.h"
#include "Y4mWriter.h"
#include "platform/TempDir.h"

#include <cstdio>
#include <memory>
#include <string>

class CaptureOutputs final : public CaptureSink {
public:
    // Raises std::runtime_error (or the platform's Exception) when an output cannot be opened,
    // or when --mp4 is asked for and ffmpeg is not installed.
    explicit CaptureOutputs(const CaptureOptions& options);
    ~CaptureOutputs() override;

    void Frame(std::int32_t tick, std::span<const std::uint16_t> pixels) override;
    void Audio(std::span<const std::int16_t> samples) override;

    // Completes every file; for --mp4, runs the final ffmpeg step.
    void Finish(const CaptureSummary& summary);

private:
    CaptureOptions options_;
    std::unique_ptr<PngFrames> png_;
    std::FILE* y4mFile_ = nullptr;  // owned unless it is standard output
    std::unique_ptr<Y4mWriter> y4m_;
    std::unique_ptr<WavWriter> wav_;
    std::string wavPath_;

    std::string ffmpeg_;
    std::unique_ptr<TempDir> mp4Work_;
    std::unique_ptr<FfmpegProcess> encoder_;
    std::unique_ptr<Y4mWriter> encoderVideo_;
};
