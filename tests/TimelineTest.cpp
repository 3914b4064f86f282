#include "IntroFixture.h"

#include <gtest/gtest.h>

namespace {

// Open-band frame n (counted from 1) is the one at tick 149 + n.
constexpr std::int32_t FirstOpenTick = 150;

class TimelineTest : public IntroFixture {
protected:
    void RunOpenFrames(int frames) { TickUntil(FirstOpenTick + frames); }
    std::int32_t SecondRowX() const { return frmMain->TitleGlyphs[40].X; }
};

TEST_F(TimelineTest, LogoAndStarSlideInAndComeToRest) {
    RunOpenFrames(1);
    EXPECT_EQ(frmMain->LogoSprite.X, -263);
    EXPECT_EQ(frmMain->StarSprite.X, 339);
    EXPECT_EQ(frmMain->StarAngle, 2) << "the first star drawn is already turned";
    RunOpenFrames(55);
    EXPECT_EQ(frmMain->StarSprite.X, 285);
    EXPECT_EQ(frmMain->StarDelay, 0);
    RunOpenFrames(89);
    EXPECT_EQ(frmMain->LogoSprite.X, 1);
    RunOpenFrames(91);
    EXPECT_EQ(frmMain->LogoSprite.X, 4);
    EXPECT_EQ(frmMain->StarSprite.X, 285);
    EXPECT_EQ(frmMain->StarAngle, (91 * 2) % 256);
}

TEST_F(TimelineTest, NothingButTheBandMovesWhileItOpens) {
    RunOpenFrames(0);
    EXPECT_EQ(frmMain->Band.Height, 98);
    EXPECT_EQ(frmMain->LogoSprite.X, -266);
    EXPECT_EQ(frmMain->StarSprite.X, 340);
    EXPECT_EQ(SecondRowX(), -312);
    EXPECT_EQ(frmMain->ScrollDelay, 0);
}

TEST_F(TimelineTest, TitleRowsFlyInOver160FramesAndRestOneAboveTheOther) {
    RunOpenFrames(1);
    EXPECT_EQ(SecondRowX(), -310);
    RunOpenFrames(160);
    for (int i = 1; i <= 39; ++i) {
        EXPECT_EQ(frmMain->TitleGlyphs[static_cast<std::size_t>(i - 1)].X, 8 * i);
        EXPECT_EQ(frmMain->TitleGlyphs[static_cast<std::size_t>(i - 1)].Y, 128);
        EXPECT_EQ(frmMain->TitleGlyphs[static_cast<std::size_t>(i + 39)].X, 8 * i);
        EXPECT_EQ(frmMain->TitleGlyphs[static_cast<std::size_t>(i + 39)].Y, 137);
    }
    EXPECT_EQ(frmMain->TitleGlyphs[39].X, -320 - 320) << "position 40 leaves with the first row";
    EXPECT_EQ(frmMain->TitleGlyphs[79].X, 320);
    RunOpenFrames(200);
    EXPECT_EQ(SecondRowX(), 8);
}

TEST_F(TimelineTest, ExitAfterTheFlyInShutsTheBandAfter157FramesAndClosesAfter207) {
    TickUntil(320);
    PressKey(VK_ESCAPE);
    for (int frame = 1; frame <= 157; ++frame) {
        Tick();
        ASSERT_EQ(frmMain->Band.Height, 100) << "exit frame " << frame;
    }
    EXPECT_EQ(SecondRowX(), 8 + 2 * 157);
    EXPECT_EQ(frmMain->LogoSprite.X, 4 - 3 * 157);
    EXPECT_EQ(frmMain->StarSprite.X, 285 + 157);
    Tick();
    EXPECT_EQ(frmMain->Band.Height, 98);
    EXPECT_EQ(SecondRowX(), 322) << "the title stops once the band shuts";
    int frames = 158;
    while (!Application.Terminated() && frames < 1000) {
        Tick();
        ++frames;
    }
    EXPECT_TRUE(Application.Terminated());
    EXPECT_EQ(frames, 207);
    EXPECT_EQ(frmMain->Band.Height, 0);
}

// Escape while the rows are still flying in (the last move in is at tick 309).
TEST_F(TimelineTest, EveryExitEndsWithTheTitleGoneAndTheBandShut) {
    for (const std::int32_t escapeTick : {301, 303, 306, 307, 309, 310}) {
        FakeClock clock;
        HeadlessScreen screen{&clock};
        TApplication application{screen, clock};
        TfrmMain* form = nullptr;
        application.CreateForm(form);
        while (form->TickCount < escapeTick) {
            clock.AdvanceMillis(15);
            form->dxTimer->Idle();
        }
        screen.Push({ScreenEvent::Kind::KeyDown, VK_ESCAPE});
        application.ProcessMessages();
        ASSERT_EQ(form->Quitting, 1) << escapeTick;
        int frames = 0;
        while (!application.Terminated() && frames < 1000) {
            clock.AdvanceMillis(15);
            form->dxTimer->Idle();
            ++frames;
        }
        EXPECT_TRUE(application.Terminated()) << escapeTick;
        EXPECT_GT(form->TitleGlyphs[40].X, 320) << escapeTick;
        EXPECT_EQ(form->Band.Height, 0) << escapeTick;
        EXPECT_LE(frames, 207 + 9) << "no longer than the fly-in frames it still owed" << escapeTick;
    }
}

}  // namespace
