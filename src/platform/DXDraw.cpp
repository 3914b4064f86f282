#include "DXDraw.h"

#include "Application.h"
#include "DisplayFit.h"
#include "Exception.h"
#include "Form.h"

#include <algorithm>
#include <string>

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
    if (Options.Contains(doFullScreen)) TakeFullScreen();
    surface_ = std::make_unique<TDirectDrawSurface>(SurfaceWidth, SurfaceHeight);
    initialized_ = true;
    Notify(dxntInitialize);
    Restore();
}

void TDXDraw::TakeFullScreen() {
    Screen& screen = owner_.Application.GetScreen();
    const DisplayMode asked{Display.Width, Display.Height, Display.BitCount};
    for (const DisplayMode& mode : FullScreenModeCandidates(asked, screen.DisplayModes())) {
        if (screen.EnterFullScreen(mode)) {
            fullScreen_ = true;
            return;
        }
    }
    // Most displays today list no 16-bit mode at all: show the 16-bit frames scaled over the
    // desktop's own mode rather than fail.
    if (screen.EnterDesktopFullScreen()) {
        fullScreen_ = true;
        return;
    }
    throw Exception("Display mode cannot be changed (" + std::to_string(Display.Width) + "x" +
                    std::to_string(Display.Height) + " " + std::to_string(Display.BitCount) + "bit)");
}

void TDXDraw::Restore() {
    surface_->Fill(0);
    UpdatePalette();
    Notify(dxntRestore);
}

void TDXDraw::Finalize() {
    if (initialized_) {
        Notify(dxntFinalize);
        surface_.reset();
        initialized_ = false;
    }
    if (fullScreen_) {
        owner_.Application.GetScreen().LeaveFullScreen();
        fullScreen_ = false;
    }
}

bool TDXDraw::CanDraw() {
    if (!initialized_ || surface_ == nullptr) return false;
    Screen& screen = owner_.Application.GetScreen();
    if (screen.DisplayLost()) {
        if (!screen.RestoreDisplay()) return false;
        Restore();
    }
    return true;
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
