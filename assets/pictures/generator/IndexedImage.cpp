#include "IndexedImage.h"

#include <algorithm>
#include <stdexcept>

IndexedImage::IndexedImage(int width, int height, int bitsPerPixel, std::vector<Rgb> colors)
    : width_(width), height_(height), bitsPerPixel_(bitsPerPixel), colors_(std::move(colors)),
      pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
    const std::size_t tableSize = std::size_t{1} << bitsPerPixel;
    if ((bitsPerPixel != 4 && bitsPerPixel != 8) || colors_.size() > tableSize) {
        throw std::invalid_argument("unsupported picture format");
    }
    colors_.resize(tableSize);
}

std::size_t IndexedImage::Index(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) throw std::out_of_range("pixel outside the picture");
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
}

void IndexedImage::Set(int x, int y, std::uint8_t colorIndex) {
    if (colorIndex >= colors_.size()) throw std::out_of_range("colour index outside the table");
    pixels_[Index(x, y)] = colorIndex;
}

std::uint8_t IndexedImage::IndexOf(Rgb color) const {
    const auto found = std::find(colors_.begin(), colors_.end(), color);
    if (found == colors_.end()) {
        throw std::invalid_argument("colour " + std::to_string(color.r) + "," + std::to_string(color.g) + "," +
                                    std::to_string(color.b) + " is not in the picture's table");
    }
    return static_cast<std::uint8_t>(found - colors_.begin());
}

namespace {
void Put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}
}  // namespace

std::vector<std::uint8_t> IndexedImage::Dib() const {
    const std::size_t stride = (static_cast<std::size_t>(width_) * static_cast<std::size_t>(bitsPerPixel_) + 31) / 32 * 4;
    std::vector<std::uint8_t> out;
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(width_));
    Put32(out, static_cast<std::uint32_t>(height_));
    Put16(out, 1);
    Put16(out, static_cast<std::uint32_t>(bitsPerPixel_));
    Put32(out, 0);  // no compression
    Put32(out, static_cast<std::uint32_t>(stride * static_cast<std::size_t>(height_)));
    Put32(out, 0);  // resolution
    Put32(out, 0);
    Put32(out, 0);  // colours used: the whole table
    Put32(out, 0);
    for (const Rgb& c : colors_) {
        out.insert(out.end(), {c.b, c.g, c.r, 0});
    }
    for (int y = height_ - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(stride);
        for (int x = 0; x < width_; ++x) {
            const std::uint8_t value = At(x, y);
            if (bitsPerPixel_ == 8) {
                row[static_cast<std::size_t>(x)] = value;
            } else {
                row[static_cast<std::size_t>(x / 2)] |= static_cast<std::uint8_t>(x % 2 == 0 ? value << 4 : value);
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}
