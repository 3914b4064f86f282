// A RIFF/WAVE file of 16-bit PCM, written as it comes; the sizes in the header are filled in
// when the file is finished.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <span>
#include <string>

class WavWriter {
public:
    // Creates the file; raises std::runtime_error when it cannot.
    WavWriter(const std::string& path, std::uint32_t sampleRate, std::uint16_t channels);

    // Interleaved samples, a whole number of sample frames.
    void Write(std::span<const std::int16_t> samples);
    // Completes the header and closes the file.
    void Finish();

    std::uint64_t FramesWritten() const { return dataBytes_ / blockAlign_; }

private:
    void WriteHeader();
    void Put(const void* bytes, std::size_t size);

    std::string path_;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file_;
    std::uint32_t sampleRate_;
    std::uint16_t channels_;
    std::uint16_t blockAlign_;
    std::uint64_t dataBytes_ = 0;
};
