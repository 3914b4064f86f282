#include "HeadlessScreen.h"

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

bool HeadlessScreen::Present(const std::uint16_t* pixels, int width, int height, bool /*waitVBlank*/) {
    lastFrame_.assign(pixels, pixels + static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    ++presentCount_;
    return true;
}

void HeadlessScreen::ShowError(const std::string& title, const std::string& text) {
    errors_.push_back(title + ": " + text);
}
