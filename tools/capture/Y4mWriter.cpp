#include "Y4mWriter.h"

#include "Bt601.h"

#include <cerrno>
#include <cstring>
#include <stdexcept>

Y4mWriter::Y4mWriter(std::FILE* stream, std::string name, int rate, int scale, Chroma chroma)
    : stream_(stream), name_(std::move(name)), scale_(scale), chroma_(chroma) {
    const std::string header = Header(FrameWidth * scale, FrameHeight * scale, rate, chroma);
    Put(std::vector<std::uint8_t>(header.begin(), header.end()));
}

std::string Y4mWriter::Header(int width, int height, int rate, Chroma chroma) {
    return "YUV4MPEG2 W" + std::to_string(width) + " H" + std::to_string(height) + " F" + std::to_string(rate) +
           ":1 Ip A1:1 " + (chroma == Chroma::Full444 ? "C444" : "C420jpeg") + " XCOLORRANGE=LIMITED\n";
}

void Y4mWriter::WriteFrame(std::span<const std::uint16_t> pixels) {
    ScaleFrame(pixels, scale_, scaled_);
    const int width = scaled_.Width;
    const int height = scaled_.Height;
    const auto at = [&](int x, int y) {
        return ExpandRgb565(scaled_.Pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                                           static_cast<std::size_t>(x)]);
    };

    luma_.resize(scaled_.Pixels.size());
    for (std::size_t i = 0; i < scaled_.Pixels.size(); ++i) {
        luma_[i] = bt601::Round(bt601::LumaScaled(ExpandRgb565(scaled_.Pixels[i])), 1);
    }
    if (chroma_ == Chroma::Full444) {
        cb_.resize(luma_.size());
        cr_.resize(luma_.size());
        for (std::size_t i = 0; i < scaled_.Pixels.size(); ++i) {
            const Rgb c = ExpandRgb565(scaled_.Pixels[i]);
            cb_[i] = bt601::Round(bt601::CbScaled(c), 1);
            cr_[i] = bt601::Round(bt601::CrScaled(c), 1);
        }
    } else {
        // Both dimensions are even at every scale (320 x 240 times a whole number).
        cb_.resize(luma_.size() / 4);
        cr_.resize(luma_.size() / 4);
        std::size_t i = 0;
        for (int y = 0; y < height; y += 2) {
            for (int x = 0; x < width; x += 2, ++i) {
                std::int64_t cb = 0;
                std::int64_t cr = 0;
                for (const Rgb c : {at(x, y), at(x + 1, y), at(x, y + 1), at(x + 1, y + 1)}) {
                    cb += bt601::CbScaled(c);
                    cr += bt601::CrScaled(c);
                }
                cb_[i] = bt601::Round(cb, 4);
                cr_[i] = bt601::Round(cr, 4);
            }
        }
    }
    static const std::string frameMarker = "FRAME\n";
    Put(std::vector<std::uint8_t>(frameMarker.begin(), frameMarker.end()));
    Put(luma_);
    Put(cb_);
    Put(cr_);
}

void Y4mWriter::Put(const std::vector<std::uint8_t>& bytes) {
    if (std::fwrite(bytes.data(), 1, bytes.size(), stream_) != bytes.size()) {
        throw std::runtime_error("cannot write the video stream to " + name_ + ": " + std::strerror(errno));
    }
}
