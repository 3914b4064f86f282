#include "DXDraw.h"

#include "Application.h"
#include "Form.h"

#include <algorithm>

TDirectDrawSurface::TDirectDrawSurface(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {}

std::uint32_t TDirectDrawSurface::ColorMatch(TColor color) {
    return (std::uint32_t{RedOf(color)} >> 3) << 11 | (std::uint32_t{GreenOf(color)} >> 2) << 5 |
           (std::uint32_t{BlueOf(color)} >> 3);
}

void TDirectDrawSurface::Fill(std::uint32_t pixel) {
    std::fill(pixels_.begin(), pixels_.end(), static_cast<std::uint16_t>(pixel));
}

void TDirectDrawSurface::FillRect(const TRect& rect, std::uint32_t pixel) {
    const int left = std::max(rect.Left, 0);
    const int right = std::min(rect.Right, width_);
    const int top = std::max(rect.Top, 0);
    const int bottom = std::min(rect.Bottom, height_);
    if (left >= right) return;
    for (int y = top; y < bottom; ++y) {
        std::fill(Row(y) + left, Row(y) + right, static_cast<std::uint16_t>(pixel));
    }
}

TDXDraw::TDXDraw(TForm& owner) : owner_(owner) {}

TDXDraw::~TDXDraw() {
    Finalize();
    Notify(dxntDestroying);
}

void TDXDraw::SetCursor(int cursor) {
    cursor_ = cursor;
    owner_.Application.GetScreen().SetCursorVisible(cursor != crNone);
}

void TDXDraw::Initialize() {
    Finalize();
    surface_ = std::make_unique<TDirectDrawSurface>(SurfaceWidth, SurfaceHeight);
    initialized_ = true;
    Notify(dxntInitialize);
    Restore();
}

void TDXDraw::Restore() {
    surface_->Fill(0);
    UpdatePalette();
    Notify(dxntRestore);
}

void TDXDraw::Finalize() {
    if (!initialized_) return;
    Notify(dxntFinalize);
    surface_.reset();
    initialized_ = false;
}

void TDXDraw::Flip() {
    if (!CanDraw()) return;
    owner_.Application.GetScreen().Present(surface_->Pixels().data(), surface_->Width(), surface_->Height(),
                                           Options.Contains(doWaitVBlank));
}

void TDXDraw::AddListener(DXDrawListener* listener) { listeners_.push_back(listener); }

void TDXDraw::RemoveListener(DXDrawListener* listener) { std::erase(listeners_, listener); }

void TDXDraw::Notify(TDXDrawNotifyType notify) {
    for (DXDrawListener* listener : std::vector<DXDrawListener*>(listeners_)) listener->DXDrawNotify(*this, notify);
}
