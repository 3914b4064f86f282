#include "ImageList.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

void TPictureCollectionItem::Restore() {
    if (Picture.Empty()) return;
    ready_ = true;
    surface_.resize(static_cast<std::size_t>(Picture.Width()) * static_cast<std::size_t>(Picture.Height()));
    for (int y = 0; y < Picture.Height(); ++y) {
        for (int x = 0; x < Picture.Width(); ++x) {
            surface_[static_cast<std::size_t>(y * Picture.Width() + x)] =
                static_cast<std::uint16_t>(TDirectDrawSurface::ColorMatch(Picture.Pixel(x, y)));
        }
    }
    colorKey_ = static_cast<std::uint16_t>(TDirectDrawSurface::ColorMatch(TransparentColor));
}

void TPictureCollectionItem::Draw(TDirectDrawSurface& dest, int x, int y, int /*patternIndex*/) const {
    if (surface_.empty()) return;
    const int width = Picture.Width();
    const int left = std::max(0, -x);
    const int right = std::min(width, dest.Width() - x);
    const int top = std::max(0, -y);
    const int bottom = std::min(Picture.Height(), dest.Height() - y);
    for (int row = top; row < bottom; ++row) {
        const std::uint16_t* source = &surface_[static_cast<std::size_t>(row * width)];
        std::uint16_t* target = dest.Row(y + row);
        for (int column = left; column < right; ++column) {
            if (!Transparent || source[column] != colorKey_) target[x + column] = source[column];
        }
    }
}

void TPictureCollectionItem::DrawRotate(TDirectDrawSurface& dest, int x, int y, int width, int height,
                                        int /*patternIndex*/, double centerX, double centerY, int angle) const {
    if (surface_.empty() || width <= 0 || height <= 0) return;
    const int sourceWidth = Picture.Width();
    const int sourceHeight = Picture.Height();
    // Whole quarter turns by exact swaps, so that they move every pixel exactly.
    const int turn = angle & 255;
    const double theta = 2.0 * std::numbers::pi * static_cast<double>(turn % 64) / 256.0;
    double cosine = std::cos(theta);
    double sine = std::sin(theta);
    for (int quarter = 0; quarter < turn / 64; ++quarter) cosine = -std::exchange(sine, cosine);
    const double scaleX = static_cast<double>(sourceWidth) / width;
    const double scaleY = static_cast<double>(sourceHeight) / height;
    const double originU = sourceWidth * centerX;
    const double originV = sourceHeight * centerY;

    // The turned picture's corners, relative to (x, y), bound the pixels worth looking at.
    double minX = 0, maxX = 0, minY = 0, maxY = 0;
    for (const double a : {-centerX * width, (1.0 - centerX) * width}) {
        for (const double b : {-centerY * height, (1.0 - centerY) * height}) {
            const double dx = a * cosine - b * sine;
            const double dy = a * sine + b * cosine;
            minX = std::min(minX, dx), maxX = std::max(maxX, dx);
            minY = std::min(minY, dy), maxY = std::max(maxY, dy);
        }
    }
    const int left = std::max(0, x + static_cast<int>(std::floor(minX)) - 1);
    const int right = std::min(dest.Width() - 1, x + static_cast<int>(std::ceil(maxX)) + 1);
    const int top = std::max(0, y + static_cast<int>(std::floor(minY)) - 1);
    const int bottom = std::min(dest.Height() - 1, y + static_cast<int>(std::ceil(maxY)) + 1);

    for (int py = top; py <= bottom; ++py) {
        std::uint16_t* target = dest.Row(py);
        const double dy = py - y;
        for (int px = left; px <= right; ++px) {
            const double dx = px - x;
            const double u = originU + scaleX * (dx * cosine + dy * sine);
            const double v = originV + scaleY * (dy * cosine - dx * sine);
            if (u < 0 || v < 0 || u >= sourceWidth || v >= sourceHeight) continue;
            const std::uint16_t pixel =
                surface_[static_cast<std::size_t>(static_cast<int>(v) * sourceWidth + static_cast<int>(u))];
            if (!Transparent || pixel != colorKey_) target[px] = pixel;
        }
    }
}

TPictureCollectionItem& TPictureCollection::Add() {
    items_.push_back(std::make_unique<TPictureCollectionItem>());
    return *items_.back();
}

// Each distinct colour once, in the order the entries' tables bring them; the rest stays black.
void TPictureCollection::MakeColorTable() {
    ColorTable = {};
    std::size_t used = 0;
    for (const auto& item : items_) {
        for (const TRGBQuad& color : item->Picture.ColorTable) {
            const TRGBQuad entry{color.rgbBlue, color.rgbGreen, color.rgbRed, 0};
            const auto end = ColorTable.begin() + static_cast<std::ptrdiff_t>(used);
            if (used == ColorTable.size() || std::find(ColorTable.begin(), end, entry) != end) continue;
            ColorTable[used++] = entry;
        }
    }
}

void TPictureCollection::Notify(TDXDrawNotifyType notify) {
    for (const auto& item : items_) {
        switch (notify) {
        case dxntInitialize: item->Initialize(); break;
        case dxntRestore: item->Restore(); break;
        case dxntFinalize:
        case dxntDestroying: item->Finalize(); break;
        }
    }
}

TDXImageList::TDXImageList(TForm& /*owner*/) {}

TDXImageList::~TDXImageList() { SetDXDraw(nullptr); }

void TDXImageList::SetDXDraw(TDXDraw* dxDraw) {
    if (dxDraw_ != nullptr) dxDraw_->RemoveListener(this);
    dxDraw_ = dxDraw;
    if (dxDraw_ != nullptr) dxDraw_->AddListener(this);
}

void TDXImageList::DXDrawNotify(TDXDraw& /*sender*/, TDXDrawNotifyType notify) {
    if (notify == dxntDestroying) {
        Items.Notify(dxntFinalize);
        dxDraw_ = nullptr;
        return;
    }
    Items.Notify(notify);
}
