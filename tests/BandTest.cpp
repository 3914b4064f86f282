#include "IntroFixture.h"

namespace {

using BandTest = IntroFixture;

// The rows the last frame shows in the band colour, as [first, last]; {-1, -1} for none.
std::pair<int, int> BandRows(const HeadlessScreen& screen) {
    int first = -1;
    int last = -1;
    for (int y = 0; y < 240; ++y) {
        if (screen.LastFrame()[static_cast<std::size_t>(y * 320)] == 0x4292) {
            if (first < 0) first = y;
            last = y;
        }
    }
    return {first, last};
}

TEST_F(BandTest, ResetLeavesTheColourValueAndAStepConvertsIt) {
    EXPECT_EQ(frmMain->Band.Height, 0);
    EXPECT_EQ(frmMain->Band.Right, 320);
    EXPECT_EQ(frmMain->Band.Color, 0x905040);
    TickUntil(102);
    EXPECT_EQ(frmMain->Band.Color, BandPixel);
}

TEST_F(BandTest, OpensTwoRowsAFrameAboutTheMiddle) {
    TickUntil(102);  // tick 101 drawn
    EXPECT_EQ(frmMain->Band.Step, 1);
    EXPECT_EQ(frmMain->Band.Top, 119);
    EXPECT_EQ(BandRows(screen), std::make_pair(119, 120));

    TickUntil(151);  // tick 150: the 50th frame
    EXPECT_EQ(frmMain->Band.Top, 70);
    EXPECT_EQ(frmMain->Band.Height, 100);
    EXPECT_EQ(BandRows(screen), std::make_pair(70, 169));

    TickUntil(400);
    EXPECT_EQ(frmMain->Band.Step, 50) << "stays open while no exit has begun";
    for (int x = 0; x < 320; x += 319) {
        EXPECT_EQ(FramePixel(x, 70), BandPixel);
        EXPECT_EQ(FramePixel(x, 69), 0);
        EXPECT_EQ(FramePixel(x, 170), 0);
    }
}

TEST_F(BandTest, ShutsOnlyWhenTheTitlesSecondRowIsPastTheRightEdge) {
    TickUntil(151);
    frmMain->Quitting = 1;
    frmMain->TitleGlyphs[40].X = 320;
    Tick();
    EXPECT_EQ(frmMain->Band.Height, 100) << "x = 320 keeps the band open";

    frmMain->TitleGlyphs[40].X = 322;
    for (int frame = 1; frame < 50; ++frame) {
        Tick();
        EXPECT_EQ(frmMain->Band.Height, 100 - 2 * frame);
        EXPECT_EQ(frmMain->Band.Top, 120 - (50 - frame));
        EXPECT_FALSE(Application.Terminated());
    }
    const int presented = screen.PresentCount();
    Tick();
    EXPECT_EQ(frmMain->Band.Height, 0);
    EXPECT_TRUE(Application.Terminated()) << "the 50th shutting step closes the form";
    EXPECT_EQ(screen.PresentCount(), presented + 1) << "the closing frame is still shown";
    EXPECT_EQ(BandRows(screen), std::make_pair(-1, -1));
}

}  // namespace
