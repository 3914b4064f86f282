// The backdrop band: opens about the middle of the screen, frames the show, and shuts at the
// end of the exit, which closes the form.
#include "MainUnit.h"

namespace {
constexpr TColor BandColor = RGB(64, 80, 144);
constexpr std::int32_t OpenSteps = 50;
constexpr std::int32_t MiddleRow = 120;
}  // namespace

void TfrmMain::InitBand() {
    Band = {.Left = 0, .Top = 0, .Right = 320, .Height = 0, .Step = 0, .Color = static_cast<std::int32_t>(BandColor)};
}

void TfrmMain::StepBand() {
    if (Band.Step < OpenSteps && Quitting == 0) {
        Band.Step += 1;
        Band.Height += 2;
        Band.Top = MiddleRow - Band.Step;
    } else if (TitleGlyphs[40].X > 320) {
        Band.Step -= 1;
        Band.Height -= 2;
        Band.Top = MiddleRow - Band.Step;
        if (Band.Height <= 0) Close();
    }
    TDirectDrawSurface& surface = dxDraw->Surface();
    Band.Color = static_cast<std::int32_t>(surface.ColorMatch(BandColor));
    surface.FillRect({Band.Left, Band.Top, Band.Right, Band.Top + Band.Height}, static_cast<std::uint32_t>(Band.Color));
}
