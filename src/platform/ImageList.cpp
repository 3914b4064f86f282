#include "ImageList.h"

#include <algorithm>

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

void TPictureCollectionItem::DrawRotate(TDirectDrawSurface& /*dest*/, int /*x*/, int /*y*/, int /*width*/,
                                        int /*height*/, int /*patternIndex*/, double /*centerX*/,
                                        double /*centerY*/, int /*angle*/) const {}

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
