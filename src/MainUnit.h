// The intro form: its components, its handlers and the state of every element.
#pragma once

#include "BassMOD.h"
#include "effects/Band.h"
#include "effects/Sprite.h"
#include "platform/Application.h"
#include "platform/DXDraw.h"
#include "platform/DXTimer.h"
#include "platform/Form.h"
#include "platform/ImageList.h"

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

// The tune, handed to the music player at the music start tick.
extern const std::span<const std::uint8_t> ModuleImage;
// The pictures of the image list and the glyph sheet, as DIBs.
extern const std::span<const std::uint8_t> LogoPicture;
extern const std::span<const std::uint8_t> StarPicture;
extern const std::span<const std::uint8_t> SignaturePicture;
extern const std::span<const std::uint8_t> GlyphSheetPicture;

// The group's web address, in the application title and the form caption.
inline constexpr const char* GroupAddress = "www.velmora.org";

class TfrmMain final : public TForm {
public:
    explicit TfrmMain(TApplication& application);

    // Components, in the order the form description creates them.
    std::unique_ptr<TDXDraw> dxDraw;
    std::unique_ptr<TDXTimer> dxTimer;
    std::unique_ptr<TDXImageList> ImageList;
    std::unique_ptr<TBassMOD> BassMod;
    std::unique_ptr<TDXDIB> dxFont;

    // Handlers, wired to the events by the form description.
    void FormKeyDown(TObject* Sender, std::uint16_t& Key, TShiftState Shift);
    void dxTimerTimer(TObject* Sender, int LagCount);
    void FormCreate(TObject* Sender);
    void FormDestroy(TObject* Sender);

    // Intro state. One form lives per run, so its fields are the intro's state for the run.
    std::int32_t TickCount = 0;
    std::int32_t Quitting = 0;
    std::uint8_t ShowFps = 0;

    // Backdrop band.
    TBand Band;

    // Logo and star.
    TSprite LogoSprite;
    TSprite StarSprite;
    std::int32_t StarDelay = 55;
    std::int32_t StarAngle = 0;

    // Scroller.
    static constexpr int ScrollCapacity = 16385;
    std::string ScrollText;
    std::string ScrollPad = std::string(48, ' ');
    std::array<TSprite, ScrollCapacity> ScrollGlyphs{};
    std::array<std::int32_t, ScrollCapacity> ScrollX{};
    std::int32_t ScrollCount = 0;
    std::int32_t ScrollFirst = 1;
    std::int32_t ScrollDelay = 0;
    std::int32_t BouncePhase = 0;

    // Title line.
    std::string TitleText = "   is pleased to present you:               another stunning release            ";
    std::array<TSprite, 80> TitleGlyphs{};
    std::int32_t TitleInFrames = 160;
    std::int32_t TitleOutFrames = 160;

    // Element operations, one pair per element, called by FormCreate and the frame step.
    void InitBand();
    void StepBand();
    void InitLogo();
    void StepLogo();
    void InitStar();
    void StepStar();
    std::string LoadScrollText(const std::string& fileName);
    void BuildScroller();
    void StepScroller();
    void BuildTitle();
    void StepTitle();

private:
    void LoadFormDescription();
};
