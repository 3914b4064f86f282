#include "IntroFixture.h"
#include "Tessaron_Functions.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using FullScreenTest = IntroFixture;

void ExpectFullScreen(TfrmMain& form, HeadlessScreen& screen) {
    EXPECT_TRUE(screen.FullScreen());
    EXPECT_FALSE(screen.CursorVisible());
    EXPECT_EQ(form.dxDraw->Cursor(), crNone);
    EXPECT_EQ(form.GetBorderStyle(), BorderStyle::None);
    EXPECT_EQ(screen.Border(), BorderStyle::None);
    EXPECT_TRUE(form.dxDraw->Options.Contains(doFullScreen));
    EXPECT_TRUE(form.dxDraw->Initialized());
    EXPECT_TRUE(form.dxTimer->Enabled());
}

void ExpectWindowed(TfrmMain& form, HeadlessScreen& screen) {
    EXPECT_FALSE(screen.FullScreen());
    EXPECT_TRUE(screen.CursorVisible());
    EXPECT_EQ(form.dxDraw->Cursor(), crDefault);
    EXPECT_EQ(form.GetBorderStyle(), BorderStyle::Dialog) << "a dialog border, not the form's single one";
    EXPECT_EQ(screen.Border(), BorderStyle::Dialog);
    EXPECT_FALSE(form.dxDraw->Options.Contains(doFullScreen));
    EXPECT_TRUE(form.dxDraw->Initialized());
    EXPECT_TRUE(form.dxTimer->Enabled());
}

TEST_F(FullScreenTest, CreationSwitchesToFullScreenAndEachToggleSwitchesBack) {
    ExpectFullScreen(*frmMain, screen);
    const TDXDrawOptions others = frmMain->dxDraw->Options.Without(doFullScreen);

    ToggleFullScreen(*frmMain->dxDraw, *frmMain->dxTimer, *frmMain);
    ExpectWindowed(*frmMain, screen);

    frmMain->dxTimer->SetEnabled(false);
    ToggleFullScreen(*frmMain->dxDraw, *frmMain->dxTimer, *frmMain);
    ExpectFullScreen(*frmMain, screen);
    EXPECT_EQ(frmMain->dxDraw->Options.Without(doFullScreen), others) << "only doFullScreen changes";

    TickUntil(110);
    EXPECT_EQ(FramePixel(0, 119), BandPixel) << "the show runs on in the new mode";
}

// The intro created on a display of the test's making.
class DisplayChoiceTest : public ::testing::Test {
protected:
    void Create(const std::function<void(HeadlessScreen&)>& display) {
        display(screen);
        application.Title = "velmora test";
        application.CreateForm(form);
    }
    FakeClock clock;
    HeadlessScreen screen{&clock};
    TApplication application{screen, clock};
    TfrmMain* form = nullptr;
};

TEST_F(DisplayChoiceTest, ListedSixteenBitModeIsSwitchedTo) {
    Create([](HeadlessScreen& s) { s.SetModes({{1024, 768, 16}, {640, 480, 16}, {1920, 1080, 32}}); });
    EXPECT_EQ(screen.Mode(), (DisplayMode{640, 480, 16}));
}

TEST_F(DisplayChoiceTest, RefusedModeFallsBackToTheNextCandidate) {
    Create([](HeadlessScreen& s) {
        s.SetModes({{800, 600, 16}, {720, 480, 16}});
        s.RefuseMode({800, 600, 16});
    });
    EXPECT_EQ(screen.Mode(), (DisplayMode{720, 480, 16}));
}

TEST_F(DisplayChoiceTest, DisplayWithoutSixteenBitModesShowsTheDesktopModeScaled) {
    Create([](HeadlessScreen& s) { s.SetModes({{1920, 1080, 32}, {1280, 1024, 24}}); });
    EXPECT_TRUE(screen.FullScreen());
    EXPECT_EQ(screen.Mode(), std::nullopt);
    EXPECT_TRUE(screen.Errors().empty());
}

TEST_F(DisplayChoiceTest, NoFullScreenAtAllIsReportedAndLeavesTheIntroInert) {
    Create([](HeadlessScreen& s) {
        s.SetModes({{256, 192, 16}});
        s.RefuseDesktopFullScreen();
    });
    ASSERT_EQ(screen.Errors(), std::vector<std::string>{"velmora test: Display mode cannot be changed (320x240 16bit)"});
    EXPECT_FALSE(screen.FullScreen());
    EXPECT_FALSE(form->dxDraw->Initialized());
    EXPECT_FALSE(form->dxTimer->Enabled());
    EXPECT_EQ(form->GetBorderStyle(), BorderStyle::None) << "the switch's settings stay";
    for (int i = 0; i < 200; ++i) {
        clock.AdvanceMillis(15);
        form->dxTimer->Idle();
    }
    EXPECT_EQ(form->TickCount, 0);
    screen.Push({ScreenEvent::Kind::CloseRequested});
    application.Run();
    EXPECT_TRUE(application.Terminated()) << "closing the window still ends the program";
}

TEST_F(DisplayChoiceTest, EndOfTheProgramGivesTheDesktopItsModeBack) {
    {
        FakeClock ownClock;
        TApplication ownApplication{screen, ownClock};
        TfrmMain* ownForm = nullptr;
        screen.SetModes({{640, 480, 16}});
        ownApplication.CreateForm(ownForm);
        ASSERT_TRUE(screen.FullScreen());
    }
    EXPECT_FALSE(screen.FullScreen());
    EXPECT_EQ(screen.Mode(), std::nullopt);
}

TEST_F(FullScreenTest, LostDisplayPausesTheShowAndRestoresEverySurface) {
    TickUntil(120);
    const int presented = screen.PresentCount();
    TPictureCollectionItem& late = frmMain->ImageList->Items.Add();
    late.Picture = TBitmap(2, 2);
    ASSERT_FALSE(late.HasSurface()) << "added after the surface was initialised";
    frmMain->dxDraw->Surface().Fill(0xFFFF);

    screen.SetMinimised(true);
    for (int i = 0; i < 50; ++i) Tick();
    EXPECT_EQ(frmMain->TickCount, 120) << "no tick counted while nothing can be drawn";
    EXPECT_EQ(screen.PresentCount(), presented);

    screen.SetMinimised(false);
    EXPECT_TRUE(frmMain->dxDraw->CanDraw());
    EXPECT_EQ(frmMain->dxDraw->Surface().Pixel(5, 5), 0) << "the back surface is rebuilt cleared";
    EXPECT_TRUE(late.HasSurface()) << "every entry gets its surface again";

    Tick();
    EXPECT_EQ(frmMain->TickCount, 121) << "the show continues where it stopped";
    EXPECT_EQ(screen.PresentCount(), presented + 1);
    EXPECT_EQ(FramePixel(0, 100), BandPixel) << "the band one step further, 40 pixels high";
    EXPECT_EQ(FramePixel(0, 99), 0);
}

TEST_F(FullScreenTest, DeviceResetIsRestoredOnTheNextTick) {
    TickUntil(105);
    screen.LoseDisplay();
    Tick();
    EXPECT_FALSE(screen.DisplayLost());
    EXPECT_EQ(frmMain->TickCount, 106);
}

}  // namespace
