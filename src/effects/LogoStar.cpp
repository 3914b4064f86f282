// The logo slides in from the left, the spinning star from the right; on exit the logo slides
// back out and the star drifts off to the right, still spinning.
#include "MainUnit.h"

namespace {
constexpr int LogoEntry = 0;
constexpr int StarEntry = 1;
constexpr std::int32_t LogoRestX = 4;
constexpr double StarCenterAcross = 0.5;
constexpr double StarCenterDown = 0.54;
}  // namespace

void TfrmMain::InitLogo() {
    LogoSprite.X = -266;
    LogoSprite.Y = 73;
    LogoSprite.ImageIndex = LogoEntry;
}

void TfrmMain::StepLogo() {
    if (Quitting != 0) {
        LogoSprite.X -= 3;
    } else if (LogoSprite.X < LogoRestX) {
        LogoSprite.X += 3;
    }
    DrawImage(LogoSprite.ImageIndex, LogoSprite.X, LogoSprite.Y);
}

void TfrmMain::InitStar() {
    StarSprite.X = 340;
    StarSprite.Y = 101;
    StarSprite.Width = 20;
    StarSprite.Height = 20;
    StarSprite.ImageIndex = StarEntry;
}

void TfrmMain::StepStar() {
    if (Quitting != 0) {
        StarSprite.X += 1;
    } else if (StarDelay > 0) {
        --StarDelay;
        StarSprite.X -= 1;
    }
    // Only the angle modulo a full turn counts; keeping it there lets the star spin for ever.
    StarAngle = (StarAngle + 2) % 256;
    if (StarSprite.ImageIndex < ImageList->Items.Count()) {
        ImageList->Items[StarSprite.ImageIndex].DrawRotate(dxDraw->Surface(), StarSprite.X, StarSprite.Y,
                                                           StarSprite.Width, StarSprite.Height, 0,
                                                           StarCenterAcross, StarCenterDown, StarAngle);
    }
}
