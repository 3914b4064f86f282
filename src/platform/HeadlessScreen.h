// A screen without a display: keeps the last presented frame, takes events from a queue,
// and lets waiting advance a fake clock, so a whole run is deterministic.
#pragma once

#include "Clock.h"
#include "Screen.h"

#include <deque>
#include <vector>

class HeadlessScreen final : public Screen {
public:
    explicit HeadlessScreen(FakeClock* clock = nullptr) : clock_(clock) {}

    void OpenWindow(const std::string& caption, int clientWidth, int clientHeight) override;
    void ShowWindow() override { visible_ = true; }
    void SetBorderStyle(BorderStyle style) override { border_ = style; }
    void SetCursorVisible(bool visible) override { cursorVisible_ = visible; }
    std::optional<ScreenEvent> NextEvent(int timeoutMs) override;
    bool Present(const std::uint16_t* pixels, int width, int height, bool waitVBlank) override;
    void ShowError(const std::string& title, const std::string& text) override;

    void Push(ScreenEvent event) { events_.push_back(event); }

    const std::string& Caption() const { return caption_; }
    bool Visible() const { return visible_; }
    BorderStyle Border() const { return border_; }
    bool CursorVisible() const { return cursorVisible_; }
    int PresentCount() const { return presentCount_; }
    const std::vector<std::uint16_t>& LastFrame() const { return lastFrame_; }
    const std::vector<std::string>& Errors() const { return errors_; }

private:
    FakeClock* clock_;
    std::deque<ScreenEvent> events_;
    std::string caption_;
    bool visible_ = false;
    BorderStyle border_ = BorderStyle::Single;
    bool cursorVisible_ = true;
    int presentCount_ = 0;
    std::vector<std::uint16_t> lastFrame_;
    std::vector<std::string> errors_;
};
