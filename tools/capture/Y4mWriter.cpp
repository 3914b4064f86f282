#include "Y4mWriter.h"

#include "Bt601.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <memory>
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

namespace {

// Every RGB565 value's components, worked out once: a frame then costs a lookup a pixel.
struct ComponentTable {
    ComponentTable() {
        for (std::uint32_t pixel = 0; pixel < Size; ++pixel) {
            const Rgb c = ExpandRgb565(static_cast<std::uint16_t>(pixel));
            Luma[pixel] = bt601::Round(bt601::LumaScaled(c), 1);
            CbScaled[pixel] = static_cast<std::int32_t>(bt601::CbScaled(c));
            CrScaled[pixel] = static_cast<std::int32_t>(bt601::CrScaled(c));
            Cb[pixel] = bt601::Round(CbScaled[pixel], 1);
            Cr[pixel] = bt601::Round(CrScaled[pixel], 1);
        }
    }
    static constexpr std::size_t Size = 65536;
    std::array<std::uint8_t, Size> Luma, Cb, Cr;
    // Unrounded, for averaging: at most 240 x 255000, well within 32 bits.
    std::array<std::int32_t, Size> CbScaled, CrScaled;
};

const ComponentTable& Components() {
    static const auto table = std::make_unique<ComponentTable>();
    return *table;
}

}  // namespace

void Y4mWriter::WriteFrame(std::span<const std::uint16_t> pixels) {
    const ComponentTable& table = Components();
    ScaleFrame(pixels, scale_, scaled_);
    const std::vector<std::uint16_t>& scaled = scaled_.Pixels;

    luma_.resize(scaled.size());
    for (std::size_t i = 0; i < scaled.size(); ++i) luma_[i] = table.Luma[scaled[i]];
    if (chroma_ == Chroma::Full444) {
        cb_.resize(scaled.size());
        cr_.resize(scaled.size());
        for (std::size_t i = 0; i < scaled.size(); ++i) {
            cb_[i] = table.Cb[scaled[i]];
            cr_[i] = table.Cr[scaled[i]];
        }
    } else {
        // Both dimensions are even at every scale (320 x 240 times a whole number).
        const auto width = static_cast<std::size_t>(scaled_.Width);
        cb_.resize(scaled.size() / 4);
        cr_.resize(scaled.size() / 4);
        std::size_t i = 0;
        for (std::size_t y = 0; y < static_cast<std::size_t>(scaled_.Height); y += 2) {
            const std::uint16_t* top = &scaled[y * width];
            const std::uint16_t* bottom = top + width;
            for (std::size_t x = 0; x < width; x += 2, ++i) {
                const std::uint16_t block[4] = {top[x], top[x + 1], bottom[x], bottom[x + 1]};
                std::int64_t cb = 0;
                std::int64_t cr = 0;
                for (const std::uint16_t pixel : block) {
                    cb += table.CbScaled[pixel];
                    cr += table.CrScaled[pixel];
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
