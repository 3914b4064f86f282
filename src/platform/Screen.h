// The one seam to the display: a window with its events, and a place to show finished frames.
// The SDL screen is the real one; the headless screen serves tests and the capture tool.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct DisplayMode {
    int Width = 0;
    int Height = 0;
    int BitCount = 0;
    bool operator==(const DisplayMode&) const = default;
};

enum class BorderStyle { Single, Dialog, None };

struct ScreenEvent {
    enum class Kind {
        KeyDown,         // key holds the virtual-key code
        CloseRequested,  // the user (or a signal) asks the window to close
        Activated,       // the application became the active one
        Deactivated,     // another application took the foreground
    };
    Kind kind = Kind::KeyDown;
    std::uint16_t key = 0;
};

class Screen {
public:
    virtual ~Screen() = default;

    // The window of the main form, hidden until ShowWindow.
    virtual void OpenWindow(const std::string& caption, int clientWidth, int clientHeight) = 0;
    virtual void ShowWindow() = 0;
    virtual void SetBorderStyle(BorderStyle style) = 0;
    virtual void SetCursorVisible(bool visible) = 0;

    // The next pending event, waiting at most timeoutMs for one (0: just look).
    virtual std::optional<ScreenEvent> NextEvent(int timeoutMs) = 0;

    // The modes the display lists for a full-screen display of its own.
    virtual std::vector<DisplayMode> DisplayModes() = 0;
    // Full screen in one of the listed modes; false when the display refuses it.
    virtual bool EnterFullScreen(const DisplayMode& mode) = 0;
    // Full screen at the desktop's own mode; frames are scaled into it. False when refused.
    virtual bool EnterDesktopFullScreen() = 0;
    // Back to the window, with the desktop's mode given back; nothing when already windowed.
    virtual void LeaveFullScreen() = 0;

    // True once the display has dropped what it showed (its device or render targets were
    // reset, or the window was minimised); stays true until RestoreDisplay succeeds.
    virtual bool DisplayLost() = 0;
    // Rebuilds what the display dropped; false while it cannot yet (still minimised).
    virtual bool RestoreDisplay() = 0;

    // Shows a frame of RGB565 pixels, scaled to the window or screen with its shape kept.
    // False when the display refused it.
    virtual bool Present(const std::uint16_t* pixels, int width, int height, bool waitVBlank) = 0;

    // The standard error report: a message box where a display exists.
    virtual void ShowError(const std::string& title, const std::string& text) = 0;
};
