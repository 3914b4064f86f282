#include "PngFrames.h"

#include "PngWriter.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <stdexcept>

PngFrames::PngFrames(std::string directory, std::vector<std::int32_t> ticks, int scale)
    : directory_(std::move(directory)), ticks_(std::move(ticks)), scale_(scale) {
    std::error_code error;
    std::filesystem::create_directories(directory_, error);
    if (error || !std::filesystem::is_directory(directory_)) {
        throw std::runtime_error("cannot make the frame directory " + directory_ +
                                 (error ? ": " + error.message() : std::string()));
    }
}

std::string PngFrames::FileName(std::int32_t tick) {
    char name[32];
    std::snprintf(name, sizeof name, "frame-%06d.png", static_cast<int>(tick));
    return name;
}

void PngFrames::Frame(std::int32_t tick, std::span<const std::uint16_t> pixels) {
    if (!ticks_.empty() && std::find(ticks_.begin(), ticks_.end(), tick) == ticks_.end()) return;
    ScaleFrame(pixels, scale_, scaled_);
    rgb_.resize(scaled_.Pixels.size() * 3);
    for (std::size_t i = 0; i < scaled_.Pixels.size(); ++i) {
        const Rgb c = ExpandRgb565(scaled_.Pixels[i]);
        rgb_[3 * i] = c.R;
        rgb_[3 * i + 1] = c.G;
        rgb_[3 * i + 2] = c.B;
    }
    WritePng((std::filesystem::path(directory_) / FileName(tick)).string(), scaled_.Width, scaled_.Height, rgb_,
             PngCompression::Fast);
}
