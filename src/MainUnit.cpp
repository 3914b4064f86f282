#include "MainUnit.h"

#include "Tessaron_Functions.h"
#include "effects/Glyphs.h"
#include "platform/Dib.h"

#include <exception>
#include <string>

TfrmMain::TfrmMain(TApplication& application) : TForm(application) { LoadFormDescription(); }

// What the form description holds: the form's settings and its components, in creation order.
void TfrmMain::LoadFormDescription() {
    Caption = std::string("velmora - ") + GroupAddress;
    ClientWidth = 320;
    ClientHeight = 240;
    SetBorderStyle(BorderStyle::Single);

    dxDraw = std::make_unique<TDXDraw>(*this);
    dxDraw->AutoInitialize = true;
    dxDraw->AutoSize = false;
    dxDraw->SurfaceWidth = 320;
    dxDraw->SurfaceHeight = 240;
    dxDraw->Display = {.Width = 320, .Height = 240, .BitCount = 16, .FixedBitCount = true, .FixedRatio = true,
                       .FixedSize = false};
    dxDraw->Options = {doAllowReboot, doWaitVBlank, doAllowPalette256, doStretch, doDirectX7Mode, doHardware};

    dxTimer = std::make_unique<TDXTimer>(Application);
    dxTimer->ActiveOnly = true;
    dxTimer->SetEnabled(false);
    dxTimer->Interval = 15;
    dxTimer->OnTimer = [this](TObject* Sender, int LagCount) { dxTimerTimer(Sender, LagCount); };

    ImageList = std::make_unique<TDXImageList>(*this);
    ImageList->SetDXDraw(dxDraw.get());
    const auto addPicture = [this](std::span<const std::uint8_t> dib, const char* name, bool transparent) {
        TPictureCollectionItem& item = ImageList->Items.Add();
        if (!dib.empty()) item.Picture = ReadDib(dib);
        item.Name = name;
        item.Transparent = transparent;
        item.TransparentColor = clBlack;
    };
    addPicture(LogoPicture, "logo", true);
    addPicture(StarPicture, "star", true);
    addPicture(SignaturePicture, "ossrin", false);
    addPicture({}, "font", true);  // the first glyph cell goes here

    BassMod = std::make_unique<TBassMOD>(this);

    dxFont = std::make_unique<TDXDIB>(*this);
    dxFont->DIB = ReadDib(GlyphSheetPicture);

    OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
    OnDestroy = [this](TObject* Sender) { FormDestroy(Sender); };
    OnKeyDown = [this](TObject* Sender, std::uint16_t& Key, TShiftState Shift) { FormKeyDown(Sender, Key, Shift); };
}

void TfrmMain::FormCreate(TObject* /*Sender*/) {
    dxTimer->SetEnabled(false);
    DoubleBuffered = true;
    ImageList->Items.MakeColorTable();
    dxDraw->DoubleBuffered = true;
    dxDraw->ColorTable = ImageList->Items.ColorTable;
    dxDraw->DefColorTable = ImageList->Items.ColorTable;
    dxDraw->UpdatePalette();
    InitBand();
    InitLogo();
    InitStar();
    SliceGlyphSheet(*dxFont, *ImageList, GlyphWidth, GlyphHeight, 3, 32, FirstGlyphEntry, clBlack, true);
    BuildScroller();
    BuildTitle();
    ToggleFullScreen(*dxDraw, *dxTimer, *this);
    Application.ProcessMessages();
    dxTimer->SetEnabled(true);
}

void TfrmMain::DrawImage(int index, int x, int y) {
    if (index < 0 || index >= ImageList->Items.Count()) return;
    ImageList->Items[index].Draw(dxDraw->Surface(), x, y, 0);
}

void TfrmMain::FormDestroy(TObject* /*Sender*/) {
    BassMod->StopModule();
    dxTimer->SetEnabled(false);
}

void TfrmMain::FormKeyDown(TObject* /*Sender*/, std::uint16_t& Key, TShiftState /*Shift*/) {
    if (TickCount <= 300) return;
    if (Key == VK_ESCAPE) Quitting = 1;
    if (Key == VK_SPACE) ShowFps ^= 1;
}

void TfrmMain::dxTimerTimer(TObject* /*Sender*/, int /*LagCount*/) {
    if (!dxDraw->CanDraw()) return;

    if (TickCount == MusicStartTick) {
        // A music start that fails is reported once and the show goes on without music: the
        // tick is counted all the same, so the start is never tried again.
        try {
            BassMod->PlayModule(ModuleImage);
        } catch (const std::exception& error) {
            Application.LogError(error.what());
        }
    } else if (TickCount > MusicStartTick) {
        TDirectDrawSurface& surface = dxDraw->Surface();
        surface.Fill(0);
        StepBand();
        if (Band.Height == 100) {
            StepLogo();
            StepScroller();
            StepStar();
            StepTitle();
        }
        if (ShowFps == 1) {
            TCanvas& canvas = surface.Canvas();
            canvas.Brush.Style = bsClear;
            canvas.Font.Color = clWhite;
            canvas.Font.Size = 2;
            canvas.TextOut(0, 0, "FPS: " + std::to_string(dxTimer->FrameRate()));
            canvas.Release();
        }
        dxDraw->Flip();
    }
    ++TickCount;
}
