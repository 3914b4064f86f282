#include "HeadlessScreen.h"

#include <algorithm>

void HeadlessScreen::OpenWindow(const std::string& caption, int /*clientWidth*/, int /*clientHeight*/) {
    caption_ = caption;
}

std::optional<ScreenEvent> HeadlessScreen::NextEvent(int timeoutMs) {
    if (!events_.empty()) {
        const ScreenEvent event = events_.front();
        events_.pop_front();
        return event;
    }
    if (clock_ != nullptr && timeoutMs > 0) {
        clock_->AdvanceMillis(static_cast<std::uint64_t>(timeoutMs));
    }
    return std::nullopt;
}

bool HeadlessScreen::EnterFullScreen(const DisplayMode& mode) {
    const bool listed = std::find(modes_.begin(), modes_.end(), mode) != modes_.end();
    if (!listed || std::find(refused_.begin(), refused_.end(), mode) != refused_.end()) return false;
    fullScreen_ = true;
    mode_ = mode;
    return true;
}

bool HeadlessScreen::EnterDesktopFullScreen() {
    if (desktopRefused_) return false;
    fullScreen_ = true;
    mode_.reset();
    return true;
}

void HeadlessScreen::SetMinimised(bool minimised) {
    minimised_ = minimised;
    if (minimised) lost_ = true;
}

bool HeadlessScreen::RestoreDisplay() {
    if (minimised_) return false;
    lost_ = false;
    return true;
}

bool HeadlessScreen::Present(const std::uint16_t* pixels, int width, int height, bool /*waitVBlank*/) {
    if (lost_) return false;
    lastFrame_.assign(pixels, pixels + static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    ++presentCount_;
    return true;
}

void HeadlessScreen::ShowError(const std::string& title, const std::string& text) {
    errors_.push_back(title + ": " + text);
}
