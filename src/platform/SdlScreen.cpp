#include "SdlScreen.h"

#include "Exception.h"
#include "Types.h"

#include <SDL.h>

#include <cstdlib>
#include <iostream>
#include <string_view>

namespace {

// Drivers that show nothing: acceptable only when the environment asks for them.
bool IsHeadlessDriver(std::string_view driver) { return driver == "offscreen" || driver == "dummy"; }

std::uint16_t VirtualKey(SDL_Keycode key) {
    switch (key) {
    case SDLK_ESCAPE: return VK_ESCAPE;
    case SDLK_SPACE: return VK_SPACE;
    case SDLK_RETURN: return 13;
    default: break;
    }
    if (key >= SDLK_a && key <= SDLK_z) return static_cast<std::uint16_t>('A' + (key - SDLK_a));
    if (key >= SDLK_0 && key <= SDLK_9) return static_cast<std::uint16_t>(key);
    return 0xFF;  // a key the intro has no code for
}

}  // namespace

SdlScreen::SdlScreen() {
    const char* asked = std::getenv("SDL_VIDEODRIVER");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        throw Exception(std::string("no display available (") + SDL_GetError() + ")");
    }
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver == nullptr || (IsHeadlessDriver(driver) && (asked == nullptr || *asked == '\0'))) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
        throw Exception("no display available (neither X11 nor Wayland answered)");
    }
}

SdlScreen::~SdlScreen() {
    DestroyWindow();
    SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
}

void SdlScreen::DestroyWindow() {
    if (texture_ != nullptr) SDL_DestroyTexture(texture_);
    if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
    if (window_ != nullptr) SDL_DestroyWindow(window_);
    texture_ = nullptr;
    renderer_ = nullptr;
    window_ = nullptr;
}

void SdlScreen::OpenWindow(const std::string& caption, int clientWidth, int clientHeight) {
    DestroyWindow();
    window_ = SDL_CreateWindow(caption.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, clientWidth,
                               clientHeight, SDL_WINDOW_HIDDEN);
    if (window_ == nullptr) throw Exception(std::string("cannot open the window: ") + SDL_GetError());
    renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
    if (renderer_ == nullptr) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
    if (renderer_ == nullptr) throw Exception(std::string("cannot draw into the window: ") + SDL_GetError());
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
    SDL_RenderSetLogicalSize(renderer_, clientWidth, clientHeight);
}

void SdlScreen::ShowWindow() {
    if (window_ != nullptr) SDL_ShowWindow(window_);
}

void SdlScreen::SetBorderStyle(BorderStyle style) {
    if (window_ != nullptr) SDL_SetWindowBordered(window_, style == BorderStyle::None ? SDL_FALSE : SDL_TRUE);
}

void SdlScreen::SetCursorVisible(bool visible) { SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE); }

std::optional<ScreenEvent> SdlScreen::NextEvent(int timeoutMs) {
    SDL_Event event;
    const int got = timeoutMs == 0 ? SDL_PollEvent(&event)
                    : timeoutMs < 0 ? SDL_WaitEvent(&event)
                                    : SDL_WaitEventTimeout(&event, timeoutMs);
    if (got == 0) return std::nullopt;
    switch (event.type) {
    case SDL_KEYDOWN:
        return ScreenEvent{ScreenEvent::Kind::KeyDown, VirtualKey(event.key.keysym.sym)};
    case SDL_QUIT:
        return ScreenEvent{ScreenEvent::Kind::CloseRequested};
    case SDL_WINDOWEVENT:
        switch (event.window.event) {
        case SDL_WINDOWEVENT_CLOSE: return ScreenEvent{ScreenEvent::Kind::CloseRequested};
        case SDL_WINDOWEVENT_FOCUS_GAINED: return ScreenEvent{ScreenEvent::Kind::Activated};
        case SDL_WINDOWEVENT_FOCUS_LOST: return ScreenEvent{ScreenEvent::Kind::Deactivated};
        default: break;
        }
        break;
    default: break;
    }
    return std::nullopt;
}

bool SdlScreen::Present(const std::uint16_t* pixels, int width, int height, bool /*waitVBlank*/) {
    if (renderer_ == nullptr) return false;
    if (texture_ == nullptr || width != frameWidth_ || height != frameHeight_) {
        if (texture_ != nullptr) SDL_DestroyTexture(texture_);
        texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB565, SDL_TEXTUREACCESS_STREAMING, width, height);
        if (texture_ == nullptr) return false;
        frameWidth_ = width;
        frameHeight_ = height;
    }
    if (SDL_UpdateTexture(texture_, nullptr, pixels, width * 2) != 0) return false;
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
    SDL_RenderPresent(renderer_);
    return true;
}

void SdlScreen::ShowError(const std::string& title, const std::string& text) {
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), text.c_str(), window_);
}
