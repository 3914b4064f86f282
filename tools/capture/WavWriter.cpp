#include "WavWriter.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <limits>
#include <stdexcept>
#include <vector>

namespace {

constexpr std::size_t HeaderBytes = 44;

void PutLe(std::uint8_t* at, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) at[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace

WavWriter::WavWriter(const std::string& path, std::uint32_t sampleRate, std::uint16_t channels)
    : path_(path),
      file_(std::fopen(path.c_str(), "wb"), &std::fclose),
      sampleRate_(sampleRate),
      channels_(channels),
      blockAlign_(static_cast<std::uint16_t>(channels * 2)) {
    if (!file_) throw std::runtime_error("cannot create " + path + ": " + std::strerror(errno));
    WriteHeader();
}

void WavWriter::WriteHeader() {
    // RIFF sizes are 32 bits; a longer capture (over six hours) keeps the largest size it can hold.
    const auto data = static_cast<std::uint32_t>(
        std::min<std::uint64_t>(dataBytes_, std::numeric_limits<std::uint32_t>::max() - HeaderBytes));
    std::array<std::uint8_t, HeaderBytes> header{};
    std::memcpy(&header[0], "RIFF", 4);
    PutLe(&header[4], data + HeaderBytes - 8, 4);
    std::memcpy(&header[8], "WAVEfmt ", 8);
    PutLe(&header[16], 16, 4);  // size of the format chunk
    PutLe(&header[20], 1, 2);   // PCM
    PutLe(&header[22], channels_, 2);
    PutLe(&header[24], sampleRate_, 4);
    PutLe(&header[28], sampleRate_ * blockAlign_, 4);
    PutLe(&header[32], blockAlign_, 2);
    PutLe(&header[34], 16, 2);  // bits per sample
    std::memcpy(&header[36], "data", 4);
    PutLe(&header[40], data, 4);
    Put(header.data(), header.size());
}

void WavWriter::Write(std::span<const std::int16_t> samples) {
    if (samples.empty()) return;
    std::vector<std::uint8_t> bytes(samples.size() * 2);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        PutLe(&bytes[2 * i], static_cast<std::uint16_t>(samples[i]), 2);
    }
    Put(bytes.data(), bytes.size());
    dataBytes_ += bytes.size();
}

void WavWriter::Finish() {
    if (!file_) return;
    if (std::fseek(file_.get(), 0, SEEK_SET) != 0) {
        throw std::runtime_error("cannot complete " + path_ + ": " + std::strerror(errno));
    }
    WriteHeader();
    if (std::fclose(file_.release()) != 0) {
        throw std::runtime_error("cannot write " + path_ + ": " + std::strerror(errno));
    }
}

void WavWriter::Put(const void* bytes, std::size_t size) {
    if (std::fwrite(bytes, 1, size, file_.get()) != size) {
        throw std::runtime_error("cannot write " + path_ + ": " + std::strerror(errno));
    }
}
