#include "IntroFixture.h"
#include "effects/Glyphs.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

// Open-band frame n (counted from 1) is the one at tick 149 + n.
constexpr std::int32_t FirstOpenTick = 150;

class TimelineTest : public IntroFixture {
protected:
    void RunOpenFrames(int frames) { TickUntil(FirstOpenTick + frames); }
    std::int32_t SecondRowX() const { return frmMain->TitleGlyphs[40].X; }

    static std::uint16_t Background(int y) { return y >= 70 && y < 170 ? BandPixel : 0; }
    // The last frame shows entry `entry` with its top-left corner at (x, y), black left out.
    void ExpectPictureAt(int entry, int x, int y) const {
        const TBitmap& picture = frmMain->ImageList->Items[entry].Picture;
        for (int row = 0; row < picture.Height(); ++row) {
            for (int column = 0; column < picture.Width(); ++column) {
                const int sx = x + column;
                const int sy = y + row;
                if (sx < 0 || sx >= 320 || sy < 0 || sy >= 240) continue;
                const TColor color = picture.Pixel(column, row);
                const auto expected =
                    color == clBlack ? Background(sy) : static_cast<std::uint16_t>(TDirectDrawSurface::ColorMatch(color));
                ASSERT_EQ(FramePixel(sx, sy), expected) << "entry " << entry << " at " << sx << "," << sy;
            }
        }
    }
};

TEST_F(TimelineTest, TheLogoEntersColumnByColumn) {
    RunOpenFrames(1);
    for (int y = 70; y < 170; ++y) ASSERT_EQ(FramePixel(0, y), BandPixel) << "at -263 the logo draws nothing";
    RunOpenFrames(4);
    ExpectPictureAt(0, -254, 73);
    for (int y = 70; y < 170; ++y) ASSERT_EQ(FramePixel(2, y), BandPixel) << "only two columns show";
}

TEST_F(TimelineTest, TheSceneAtRestShowsEveryPictureInItsPlace) {
    TickUntil(500);  // the scroller line has filled
    ExpectPictureAt(0, 4, 73);
    const std::string& title = frmMain->TitleText;
    for (int i = 1; i <= 39; ++i) {
        const int first = GlyphEntry(title[static_cast<std::size_t>(i - 1)]);
        const int second = GlyphEntry(title[static_cast<std::size_t>(i + 39)]);
        ExpectPictureAt(first, 8 * i, 128);
        if (i != 39) ExpectPictureAt(second, 8 * i, 137);  // the 80th stands just beyond the edge
    }
    int shown = 0;
    for (int i = 1; i <= 42; ++i) {
        const TSprite& glyph = frmMain->ScrollGlyphs[static_cast<std::size_t>(frmMain->ScrollFirst + i)];
        if (glyph.X < 0 || glyph.X > 312) continue;
        ExpectPictureAt(glyph.ImageIndex, glyph.X, glyph.Y);
        shown += glyph.Ch != ' ';
    }
    EXPECT_GT(shown, 30) << "the scroller line is full";

    int starPixels = 0;
    for (int y = 70; y < 170; ++y) {
        for (int x = 262; x < 320; ++x) {
            const bool inStar = std::abs(x - 285) <= 14 && std::abs(y - 101) <= 14;
            if (FramePixel(x, y) == BandPixel) continue;
            ASSERT_TRUE(inStar || y >= 128) << "star pixel far from its centre at " << x << "," << y;
            starPixels += inStar;
        }
    }
    EXPECT_GT(starPixels, 100);
}

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
