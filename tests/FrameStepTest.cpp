#include "IntroFixture.h"

#include <algorithm>

namespace {

using FrameStepTest = IntroFixture;

TEST_F(FrameStepTest, NothingIsPresentedBeforeTick101WhichShowsTwoBandRows) {
    TickUntil(101);
    EXPECT_EQ(screen.PresentCount(), 0) << "ticks 0 to 100 show nothing";
    Tick();
    EXPECT_EQ(screen.PresentCount(), 1);
    const auto& frame = screen.LastFrame();
    EXPECT_EQ(std::count(frame.begin(), frame.end(), BandPixel), 2 * 320);
    EXPECT_EQ(std::count(frame.begin(), frame.end(), 0), 238 * 320);
}

TEST_F(FrameStepTest, ATickOnWhichTheSurfaceCannotDrawIsNotCounted) {
    TickUntil(50);
    frmMain->dxDraw->Finalize();
    Tick();
    Tick();
    EXPECT_EQ(frmMain->TickCount, 50);
    frmMain->dxDraw->Initialize();
    Tick();
    EXPECT_EQ(frmMain->TickCount, 51);
}

TEST_F(FrameStepTest, KeysActOnlyAfterTick300AndAreNotRemembered) {
    TickUntil(300);  // the last step run was tick 299; TickCount is 300
    PressKey(VK_ESCAPE);
    PressKey(VK_SPACE);
    TickUntil(320);
    EXPECT_EQ(frmMain->Quitting, 0);
    EXPECT_EQ(frmMain->ShowFps, 0);

    PressKey('A');
    PressKey(13);
    EXPECT_EQ(frmMain->Quitting, 0);
    EXPECT_EQ(frmMain->ShowFps, 0);

    PressKey(VK_SPACE);
    PressKey(VK_SPACE);
    PressKey(VK_SPACE);
    EXPECT_EQ(frmMain->ShowFps, 1) << "each Space toggles; an odd number leaves it on";

    PressKey(VK_ESCAPE);
    PressKey(VK_ESCAPE);
    EXPECT_EQ(frmMain->Quitting, 1);
}

TEST_F(FrameStepTest, ReadOutShowsTheMeasuredRateInWhiteOverTheFrame) {
    TickUntil(320);
    PressKey(VK_SPACE);
    Tick();
    EXPECT_EQ(frmMain->dxTimer->FrameRate(), 67) << "one event every 15 ms";
    int white = 0;
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 60; ++x) white += FramePixel(x, y) == 0xFFFF ? 1 : 0;
    }
    EXPECT_GT(white, 20);

    PressKey(VK_SPACE);
    Tick();
    EXPECT_EQ(std::count(screen.LastFrame().begin(), screen.LastFrame().end(), 0xFFFF), 0);
}

TEST_F(FrameStepTest, LosingFocusPausesTheShowWithoutCatchingUp) {
    TickUntil(120);
    screen.Push({ScreenEvent::Kind::Deactivated});
    Application.ProcessMessages();
    for (int i = 0; i < 100; ++i) Tick();
    EXPECT_EQ(frmMain->TickCount, 120);

    screen.Push({ScreenEvent::Kind::Activated});
    Application.ProcessMessages();
    clock.AdvanceMillis(5000);  // however long the pause, one event follows
    frmMain->dxTimer->Idle();
    EXPECT_EQ(frmMain->TickCount, 121);
}

TEST_F(FrameStepTest, ClosingTheWindowEndsTheApplication) {
    TickUntil(42);
    screen.Push({ScreenEvent::Kind::CloseRequested});
    Application.ProcessMessages();
    EXPECT_TRUE(Application.Terminated());
}

TEST_F(FrameStepTest, TheFormIsCaptionedAndItsTimerRunsAfterCreation) {
    EXPECT_EQ(screen.Caption(), "velmora - www.velmora.org");
    EXPECT_TRUE(frmMain->dxTimer->Enabled());
    EXPECT_EQ(frmMain->dxTimer->Interval, 15);
    EXPECT_TRUE(screen.Errors().empty());
}

}  // namespace
