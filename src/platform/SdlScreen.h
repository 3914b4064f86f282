// The real screen: an SDL window with a renderer that scales each 320x240 frame to it, crisp
// by a whole factor first, and full screen either in a listed mode or at the desktop's mode.
// Destroying it destroys the window, which gives the desktop its mode back.
#pragma once

#include "Screen.h"

#include <cstdint>

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;
union SDL_Event;

class SdlScreen final : public Screen {
public:
    // Raises Exception when there is no display to show the intro on.
    SdlScreen();
    ~SdlScreen() override;
    SdlScreen(const SdlScreen&) = delete;
    SdlScreen& operator=(const SdlScreen&) = delete;

    void OpenWindow(const std::string& caption, int clientWidth, int clientHeight) override;
    void ShowWindow() override;
    void SetBorderStyle(BorderStyle style) override;
    void SetCursorVisible(bool visible) override;
    std::optional<ScreenEvent> NextEvent(int timeoutMs) override;
    std::vector<DisplayMode> DisplayModes() override;
    bool EnterFullScreen(const DisplayMode& mode) override;
    bool EnterDesktopFullScreen() override;
    void LeaveFullScreen() override;
    bool DisplayLost() override { return lost_; }
    bool RestoreDisplay() override;
    bool Present(const std::uint16_t* pixels, int width, int height, bool waitVBlank) override;
    void ShowError(const std::string& title, const std::string& text) override;

private:
    void DestroyWindow();
    void DropTextures();
    bool SwitchToFullScreen(std::uint32_t fullScreenFlag);
    // The event the application sees, or nothing for events that only change this screen's state.
    std::optional<ScreenEvent> Translate(const SDL_Event& event);
    int DisplayIndex() const;

    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* frame_ = nullptr;   // the frame as built, one texel per pixel
    SDL_Texture* scaled_ = nullptr;  // the frame enlarged by a whole factor, every pixel repeated
    int frameWidth_ = 0;
    int frameHeight_ = 0;
    int scaledFactor_ = 0;
    bool shown_ = false;
    bool lost_ = false;
    bool minimised_ = false;
};
