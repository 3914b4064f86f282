#include "CaptureOutputs.h"

#include "BassMOD.h"

#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace {
constexpr const char* VideoFile = "video.mp4";
constexpr const char* MusicFile = "music.wav";
}  // namespace

CaptureOutputs::CaptureOutputs(const CaptureOptions& options) : options_(options) {
    if (!options_.Mp4Path.empty()) {
        const auto found = FindFfmpeg();
        if (!found) throw std::runtime_error("--mp4 needs ffmpeg, which is not installed (apt-get install ffmpeg)");
        ffmpeg_ = *found;
    }
    if (!options_.PngDir.empty()) png_ = std::make_unique<PngFrames>(options_.PngDir, options_.PngTicks, options_.Scale);
    if (!options_.Y4mPath.empty()) {
        y4mFile_ = options_.Y4mPath == "-" ? stdout : std::fopen(options_.Y4mPath.c_str(), "wb");
        if (y4mFile_ == nullptr) {
            throw std::runtime_error("cannot create " + options_.Y4mPath + ": " + std::strerror(errno));
        }
        y4m_ = std::make_unique<Y4mWriter>(y4mFile_, options_.Y4mPath == "-" ? "standard output" : options_.Y4mPath,
                                           options_.Rate, options_.Scale, options_.Y4mChroma);
    }
    if (!options_.Mp4Path.empty()) mp4Work_ = std::make_unique<TempDir>("velmora-capture");
    wavPath_ = !options_.WavPath.empty() ? options_.WavPath : mp4Work_ ? mp4Work_->Path() + MusicFile : "";
    if (!wavPath_.empty()) wav_ = std::make_unique<WavWriter>(wavPath_, TBassMOD::MixRate, 2);
    if (mp4Work_) {
        encoder_ = std::make_unique<FfmpegProcess>(ffmpeg_, EncodeVideoArguments(mp4Work_->Path() + VideoFile), true);
        // H.264 players expect 4:2:0; at scale 2 and up every 2x2 block is one intro pixel anyway.
        encoderVideo_ = std::make_unique<Y4mWriter>(encoder_->Input(), "ffmpeg", options_.Rate, options_.Scale,
                                                    Chroma::Subsampled420);
    }
}

CaptureOutputs::~CaptureOutputs() {
    if (y4mFile_ != nullptr && y4mFile_ != stdout) std::fclose(y4mFile_);
}

void CaptureOutputs::Frame(std::int32_t tick, std::span<const std::uint16_t> pixels) {
    if (png_) png_->Frame(tick, pixels);
    if (y4m_) y4m_->WriteFrame(pixels);
    if (encoderVideo_) encoderVideo_->WriteFrame(pixels);
}

void CaptureOutputs::Audio(std::span<const std::int16_t> samples) {
    if (wav_) wav_->Write(samples);
}

void CaptureOutputs::Finish(const CaptureSummary& summary) {
    if (y4mFile_ != nullptr) {
        const bool failed = y4mFile_ == stdout ? std::fflush(stdout) != 0 : std::fclose(y4mFile_) != 0;
        y4mFile_ = nullptr;
        if (failed) throw std::runtime_error("cannot write " + options_.Y4mPath + ": " + std::strerror(errno));
    }
    if (wav_) wav_->Finish();
    if (encoder_) {
        encoderVideo_.reset();
        encoder_->Wait();
        encoder_.reset();
        FfmpegProcess mux(ffmpeg_,
                          MuxArguments(mp4Work_->Path() + VideoFile, wavPath_,
                                       static_cast<long>(summary.MusicStartDelay), options_.Mp4Path),
                          false);
        mux.Wait();
    }
}
