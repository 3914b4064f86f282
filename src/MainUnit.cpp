#include "MainUnit.h"

#include "Tessaron_Functions.h"

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

    BassMod = std::make_unique<TBassMOD>(this);

    dxFont = std::make_unique<TDXDIB>(*this);

    OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
    OnDestroy = [this](TObject* Sender) { FormDestroy(Sender); };
    OnKeyDown = [this](TObject* Sender, std::uint16_t& Key, TShiftState Shift) { FormKeyDown(Sender, Key, Shift); };
}

void TfrmMain::FormCreate(TObject* /*Sender*/) {
    dxTimer->SetEnabled(false);
    DoubleBuffered = true;
    dxDraw->DoubleBuffered = true;
    InitBand();
    InitLogo();
    InitStar();
    BuildScroller();
    BuildTitle();
    ToggleFullScreen(*dxDraw, *dxTimer, *this);
    Application.ProcessMessages();
    dxTimer->SetEnabled(true);
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
        BassMod->PlayModule(ModuleImage);
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
