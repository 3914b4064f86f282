// The real screen: an SDL window with a renderer that scales each 320x240 frame to it.
#pragma once

#include "Screen.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;

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
    bool Present(const std::uint16_t* pixels, int width, int height, bool waitVBlank) override;
    void ShowError(const std::string& title, const std::string& text) override;

private:
    void DestroyWindow();

    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    int frameWidth_ = 0;
    int frameHeight_ = 0;
};
