// A screen without a display: keeps the last presented frame, takes events from a queue,
// and lets waiting advance a fake clock, so a whole run is deterministic. Tests set which
// modes it lists and refuses, and make it lose its display as a real one does.
#pragma once

#include "Clock.h"
#include "Screen.h"

#include <deque>
#include <optional>
#include <vector>

class HeadlessScreen final : public Screen {
public:
    explicit HeadlessScreen(FakeClock* clock = nullptr) : clock_(clock) {}

    void OpenWindow(const std::string& caption, int clientWidth, int clientHeight) override;
    void ShowWindow() override { visible_ = true; }
    void SetBorderStyle(BorderStyle style) override { border_ = style; }
    void SetCursorVisible(bool visible) override { cursorVisible_ = visible; }
    std::optional<ScreenEvent> NextEvent(int timeoutMs) override;
    std::vector<DisplayMode> DisplayModes() override { return modes_; }
    bool EnterFullScreen(const DisplayMode& mode) override;
    bool EnterDesktopFullScreen() override;
    void LeaveFullScreen() override { fullScreen_ = false; mode_.reset(); }
    bool DisplayLost() override { return lost_; }
    bool RestoreDisplay() override;
    bool Present(const std::uint16_t* pixels, int width, int height, bool waitVBlank) override;
    void ShowError(const std::string& title, const std::string& text) override;

    void Push(ScreenEvent event) { events_.push_back(event); }

    // What the simulated display offers: its listed modes, the ones it refuses when asked,
    // and whether it allows full screen at the desktop's mode.
    void SetModes(std::vector<DisplayMode> modes) { modes_ = std::move(modes); }
    void RefuseMode(const DisplayMode& mode) { refused_.push_back(mode); }
    void RefuseDesktopFullScreen() { desktopRefused_ = true; }
    // The display drops its surfaces, as on a device reset; minimised, it cannot restore them
    // until it is no longer minimised.
    void LoseDisplay() { lost_ = true; }
    void SetMinimised(bool minimised);

    const std::string& Caption() const { return caption_; }
    bool Visible() const { return visible_; }
    BorderStyle Border() const { return border_; }
    bool CursorVisible() const { return cursorVisible_; }
    bool FullScreen() const { return fullScreen_; }
    // The mode switched to; empty in a window or at the desktop's mode.
    const std::optional<DisplayMode>& Mode() const { return mode_; }
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
    std::vector<DisplayMode> modes_;
    std::vector<DisplayMode> refused_;
    bool desktopRefused_ = false;
    bool fullScreen_ = false;
    std::optional<DisplayMode> mode_;
    bool lost_ = false;
    bool minimised_ = false;
    int presentCount_ = 0;
    std::vector<std::uint16_t> lastFrame_;
    std::vector<std::string> errors_;
};
