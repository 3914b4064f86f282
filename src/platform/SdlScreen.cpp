#include "SdlScreen.h"

#include "DisplayFit.h"
#include "Exception.h"
#include "Types.h"

#include <SDL.h>

#include <cstdlib>
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

DisplayMode ModeOf(const SDL_DisplayMode& mode) {
    return {mode.w, mode.h, static_cast<int>(SDL_BITSPERPIXEL(mode.format))};
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

void SdlScreen::DropTextures() {
    if (scaled_ != nullptr) SDL_DestroyTexture(scaled_);
    if (frame_ != nullptr) SDL_DestroyTexture(frame_);
    scaled_ = nullptr;
    frame_ = nullptr;
    scaledFactor_ = 0;
}

void SdlScreen::DestroyWindow() {
    DropTextures();
    if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
    // Destroying a full-screen window gives the display its desktop mode back.
    if (window_ != nullptr) SDL_DestroyWindow(window_);
    renderer_ = nullptr;
    window_ = nullptr;
    shown_ = false;
}

void SdlScreen::OpenWindow(const std::string& caption, int clientWidth, int clientHeight) {
    DestroyWindow();
    window_ = SDL_CreateWindow(caption.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, clientWidth,
                               clientHeight, SDL_WINDOW_HIDDEN);
    if (window_ == nullptr) throw Exception(std::string("cannot open the window: ") + SDL_GetError());
    renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
    if (renderer_ == nullptr) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
    if (renderer_ == nullptr) throw Exception(std::string("cannot draw into the window: ") + SDL_GetError());
}

void SdlScreen::ShowWindow() {
    if (window_ == nullptr || shown_) return;
    SDL_ShowWindow(window_);
    SDL_PumpEvents();
    shown_ = true;
}

void SdlScreen::SetBorderStyle(BorderStyle style) {
    if (window_ != nullptr) SDL_SetWindowBordered(window_, style == BorderStyle::None ? SDL_FALSE : SDL_TRUE);
}

void SdlScreen::SetCursorVisible(bool visible) { SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE); }

int SdlScreen::DisplayIndex() const {
    const int index = window_ != nullptr ? SDL_GetWindowDisplayIndex(window_) : 0;
    return index < 0 ? 0 : index;
}

std::vector<DisplayMode> SdlScreen::DisplayModes() {
    std::vector<DisplayMode> modes;
    const int display = DisplayIndex();
    const int count = SDL_GetNumDisplayModes(display);
    for (int i = 0; i < count; ++i) {
        SDL_DisplayMode mode;
        if (SDL_GetDisplayMode(display, i, &mode) == 0) modes.push_back(ModeOf(mode));
    }
    return modes;
}

bool SdlScreen::EnterFullScreen(const DisplayMode& wanted) {
    if (window_ == nullptr) return false;
    const int display = DisplayIndex();
    const int count = SDL_GetNumDisplayModes(display);
    for (int i = 0; i < count; ++i) {
        SDL_DisplayMode mode;
        if (SDL_GetDisplayMode(display, i, &mode) != 0 || !(ModeOf(mode) == wanted)) continue;
        // The listed mode itself, refresh rate included, so SDL does not pick a "closest" one.
        return SDL_SetWindowDisplayMode(window_, &mode) == 0 && SwitchToFullScreen(SDL_WINDOW_FULLSCREEN);
    }
    return false;
}

bool SdlScreen::EnterDesktopFullScreen() {
    return window_ != nullptr && SwitchToFullScreen(SDL_WINDOW_FULLSCREEN_DESKTOP);
}

bool SdlScreen::SwitchToFullScreen(std::uint32_t fullScreenFlag) {
    // A window manager fills the screen with a window only once it manages that window; asked
    // before the window is shown, it leaves the window at its own size.
    ShowWindow();
    if (SDL_SetWindowFullscreen(window_, fullScreenFlag) != 0) return false;
    // Keys must reach the intro in full screen.
    SDL_RaiseWindow(window_);
    return true;
}

void SdlScreen::LeaveFullScreen() {
    if (window_ == nullptr || (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN_DESKTOP) == 0) return;
    SDL_SetWindowFullscreen(window_, 0);
}

bool SdlScreen::RestoreDisplay() {
    if (minimised_) return false;
    // The textures are rebuilt on the next present.
    DropTextures();
    lost_ = false;
    return true;
}

std::optional<ScreenEvent> SdlScreen::NextEvent(int timeoutMs) {
    SDL_Event event;
    int wait = timeoutMs;
    for (;;) {
        const int got = wait == 0 ? SDL_PollEvent(&event) : wait < 0 ? SDL_WaitEvent(&event)
                                                                     : SDL_WaitEventTimeout(&event, wait);
        if (got == 0) return std::nullopt;
        if (auto translated = Translate(event)) return translated;
        // Something arrived, so the wait is over; only look whether more is pending.
        wait = 0;
    }
}

std::optional<ScreenEvent> SdlScreen::Translate(const SDL_Event& event) {
    switch (event.type) {
    case SDL_KEYDOWN:
        return ScreenEvent{ScreenEvent::Kind::KeyDown, VirtualKey(event.key.keysym.sym)};
    case SDL_QUIT:
        return ScreenEvent{ScreenEvent::Kind::CloseRequested};
    case SDL_RENDER_TARGETS_RESET:
    case SDL_RENDER_DEVICE_RESET:
        lost_ = true;
        break;
    case SDL_WINDOWEVENT:
        switch (event.window.event) {
        case SDL_WINDOWEVENT_CLOSE: return ScreenEvent{ScreenEvent::Kind::CloseRequested};
        case SDL_WINDOWEVENT_FOCUS_GAINED: return ScreenEvent{ScreenEvent::Kind::Activated};
        case SDL_WINDOWEVENT_FOCUS_LOST: return ScreenEvent{ScreenEvent::Kind::Deactivated};
        case SDL_WINDOWEVENT_MINIMIZED:
            minimised_ = true;
            lost_ = true;
            break;
        case SDL_WINDOWEVENT_RESTORED: minimised_ = false; break;
        default: break;
        }
        break;
    default: break;
    }
    return std::nullopt;
}

bool SdlScreen::Present(const std::uint16_t* pixels, int width, int height, bool /*waitVBlank*/) {
    if (renderer_ == nullptr || lost_) return false;
    if (frame_ == nullptr || width != frameWidth_ || height != frameHeight_) {
        DropTextures();
        frame_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB565, SDL_TEXTUREACCESS_STREAMING, width, height);
        if (frame_ == nullptr) return false;
        frameWidth_ = width;
        frameHeight_ = height;
    }
    if (SDL_UpdateTexture(frame_, nullptr, pixels, width * 2) != 0) return false;

    int outputWidth = 0;
    int outputHeight = 0;
    if (SDL_GetRendererOutputSize(renderer_, &outputWidth, &outputHeight) != 0) return false;
    const FrameFit fit = FitFrame(width, height, outputWidth, outputHeight);
    const SDL_Rect placed{fit.X, fit.Y, fit.Width, fit.Height};

    SDL_Texture* shown = frame_;
    if (!fit.Exact(width, height) && fit.Factor > 1 && SDL_RenderTargetSupported(renderer_)) {
        // Nearest by a whole factor keeps every pixel the same size; only the rest is smoothed.
        if (scaled_ == nullptr || scaledFactor_ != fit.Factor) {
            if (scaled_ != nullptr) SDL_DestroyTexture(scaled_);
            // The renderer's own format: a 16-bit render target is emulated, and slower, on some drivers.
            scaled_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET,
                                        width * fit.Factor, height * fit.Factor);
            scaledFactor_ = fit.Factor;
            if (scaled_ != nullptr) SDL_SetTextureScaleMode(scaled_, SDL_ScaleModeLinear);
        }
        if (scaled_ != nullptr && SDL_SetRenderTarget(renderer_, scaled_) == 0) {
            SDL_SetTextureScaleMode(frame_, SDL_ScaleModeNearest);
            SDL_RenderCopy(renderer_, frame_, nullptr, nullptr);
            SDL_SetRenderTarget(renderer_, nullptr);
            shown = scaled_;
        }
    }
    if (shown == frame_) {
        // Straight from the frame: crisp when growing, smooth only when it has to shrink.
        SDL_SetTextureScaleMode(frame_, fit.Width < width ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
    }
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, shown, nullptr, &placed);
    SDL_RenderPresent(renderer_);
    return true;
}

void SdlScreen::ShowError(const std::string& title, const std::string& text) {
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), text.c_str(), window_);
}
