// The drawing surface: a 320x240 RGB565 back surface in memory, the display settings, and
// presentation through the screen. Image lists listen to its initialise/restore/finalise.
#pragma once

#include "Bitmap.h"
#include "Canvas.h"
#include "Types.h"

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <vector>

class TForm;

class TDirectDrawSurface {
public:
    TDirectDrawSurface(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }

    // The surface's pixel value for a colour (RGB565).
    static std::uint32_t ColorMatch(TColor color);
    // The colour a pixel value shows: each channel widened to 8 bits by repeating its top bits,
    // so black stays 0 and white 255.
    static constexpr TColor ColorOf(std::uint32_t pixel) {
        const auto widen = [](unsigned value, unsigned bits) {
            return static_cast<std::uint8_t>(value << (8 - bits) | value >> (2 * bits - 8));
        };
        return RGB(widen(pixel >> 11 & 0x1F, 5), widen(pixel >> 5 & 0x3F, 6), widen(pixel & 0x1F, 5));
    }

    void Fill(std::uint32_t pixel);
    // Right and bottom edges excluded; clipped to the surface.
    void FillRect(const TRect& rect, std::uint32_t pixel);

    TCanvas& Canvas() { return canvas_; }

    std::uint16_t* Row(int y) { return &pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_)]; }
    const std::uint16_t* Row(int y) const {
        return &pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_)];
    }
    std::uint16_t Pixel(int x, int y) const { return Row(y)[x]; }
    const std::vector<std::uint16_t>& Pixels() const { return pixels_; }

private:
    int width_;
    int height_;
    std::vector<std::uint16_t> pixels_;
    TCanvas canvas_{*this};
};

enum TDXDrawOption {
    doFullScreen,
    doNoWindowChange,
    doAllowReboot,
    doWaitVBlank,
    doAllowPalette256,
    doSystemMemory,
    doStretch,
    doCenter,
    doFlip,
    do3D,
    doDirectX7Mode,
    doHardware,
};

class TDXDrawOptions {
public:
    constexpr TDXDrawOptions() = default;
    constexpr TDXDrawOptions(std::initializer_list<TDXDrawOption> options) {
        for (const TDXDrawOption option : options) bits_ |= Bit(option);
    }
    constexpr bool Contains(TDXDrawOption option) const { return (bits_ & Bit(option)) != 0; }
    constexpr TDXDrawOptions With(TDXDrawOption option) const { return TDXDrawOptions(bits_ | Bit(option)); }
    constexpr TDXDrawOptions Without(TDXDrawOption option) const { return TDXDrawOptions(bits_ & ~Bit(option)); }
    constexpr bool operator==(const TDXDrawOptions&) const = default;

private:
    constexpr explicit TDXDrawOptions(std::uint32_t bits) : bits_(bits) {}
    static constexpr std::uint32_t Bit(TDXDrawOption option) { return 1u << static_cast<unsigned>(option); }
    std::uint32_t bits_ = 0;
};

struct TDXDrawDisplay {
    int Width = 640;
    int Height = 480;
    int BitCount = 8;
    bool FixedBitCount = false;
    bool FixedRatio = false;
    bool FixedSize = false;
};

constexpr int crDefault = 0;
constexpr int crNone = -1;

enum TDXDrawNotifyType { dxntInitialize, dxntRestore, dxntFinalize, dxntDestroying };

class TDXDraw;

// What an image list hears from the drawing surface it is bound to.
class DXDrawListener {
public:
    virtual ~DXDrawListener() = default;
    virtual void DXDrawNotify(TDXDraw& sender, TDXDrawNotifyType notify) = 0;
};

class TDXDraw : public TObject {
public:
    explicit TDXDraw(TForm& owner);
    ~TDXDraw() override;

    int SurfaceWidth = 320;
    int SurfaceHeight = 240;
    bool AutoInitialize = true;
    bool AutoSize = false;
    bool DoubleBuffered = false;
    TDXDrawDisplay Display;
    TDXDrawOptions Options;
    TColorTable ColorTable{};
    TColorTable DefColorTable{};

    int Cursor() const { return cursor_; }
    void SetCursor(int cursor);

    // Applies ColorTable to the display's palette; nothing while not initialised.
    void UpdatePalette() {}

    // Takes the display (full screen when Options holds doFullScreen) and builds the surfaces;
    // raises Exception when it cannot, leaving the surface released.
    void Initialize();
    // Gives the display and the surfaces up, the desktop's mode back; nothing when not initialised.
    void Finalize();
    bool Initialized() const { return initialized_; }

    // The drawable test. When the display has dropped its surfaces it first restores them:
    // the back surface is cleared and every image-list entry rebuilds its surface. False while
    // that cannot be done yet (a minimised window).
    bool CanDraw();
    TDirectDrawSurface& Surface() { return *surface_; }

    // Shows the back surface; nothing when not drawable.
    void Flip();

    void AddListener(DXDrawListener* listener);
    void RemoveListener(DXDrawListener* listener);

private:
    void Notify(TDXDrawNotifyType notify);
    void Restore();
    // Full screen in the best mode the display lists for Display, else at the desktop's mode.
    void TakeFullScreen();

    TForm& owner_;
    int cursor_ = crDefault;
    bool initialized_ = false;
    bool fullScreen_ = false;
    std::unique_ptr<TDirectDrawSurface> surface_;
    std::vector<DXDrawListener*> listeners_;
};
