#include "IntroFixture.h"
#include "WorkingDirectory.h"
#include "effects/Glyphs.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using namespace std::string_literals;

const std::string Pad(48, ' ');
const std::string BuiltInHead = "OOPS WE DID IT AGAIN! Velmora present you the best stuff on earth";
const std::string Credits =
    "             Credits: code by *tessaron.velmora*, original intro on psx by *jekko.velmora*, "
    "graphics by *gravilune*, tune by *vantrel.quorvane*";
const std::string DefaultTitle =
    "   is pleased to present you:               another stunning release            ";

// The form, created in a fresh working directory that a test may fill first.
class ScrollerTest : protected ScopedWorkingDirectory, public IntroFixture {
protected:
    ScrollerTest() : IntroFixture(DeferForm{}) {}

    std::vector<int> Window() const {
        std::vector<int> records;
        for (int i = 1; i <= 42; ++i) records.push_back(frmMain->ScrollFirst + i);
        return records;
    }
    // Records of the window that show a character on the surface now.
    std::vector<int> VisibleCharacters() const {
        std::vector<int> visible;
        for (const int k : Window()) {
            const TSprite& glyph = frmMain->ScrollGlyphs[static_cast<std::size_t>(k)];
            if (glyph.Ch != ' ' && glyph.X > -GlyphWidth && glyph.X < 320) visible.push_back(k);
        }
        return visible;
    }
    // Steps the scroller on its own until the next pass has begun.
    void RunToNextPass() {
        for (int frames = 0; frames < 200'000; ++frames) {
            const int before = frmMain->ScrollFirst;
            frmMain->StepScroller();
            if (frmMain->ScrollFirst < before) return;
        }
        FAIL() << "no new pass";
    }
    std::string Head() const {
        const std::string& text = frmMain->ScrollText;
        return text.substr(Pad.size(), text.size() - 2 * Pad.size() - Credits.size());
    }
    int GlyphCount(const std::string& text) const {
        return static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) { return GlyphEntry(c) >= 0; }));
    }
};

TEST_F(ScrollerTest, WithoutAFileTheBuiltInHeadAndTheCreditsRunBetweenThePads) {
    CreateForm();
    EXPECT_EQ(frmMain->ScrollText, Pad + BuiltInHead + Credits + Pad);
    EXPECT_EQ(frmMain->ScrollCount, static_cast<int>(frmMain->ScrollText.size())) << "every character has a glyph";
    EXPECT_EQ(frmMain->TitleText, DefaultTitle);
    EXPECT_EQ(frmMain->ScrollGlyphs[48].Ch, 'O');
    EXPECT_EQ(frmMain->ScrollGlyphs[48].ImageIndex, GlyphEntry('O'));
}

struct FileCase {
    const char* name;
    std::string bytes;
    std::string title;
    std::string head;
};

TEST_F(ScrollerTest, TheTextFileGivesTitleAndHead) {
    const std::vector<FileCase> cases = {
        {"empty", "", "", ""},
        {"fewer than four lines", "x\r\nTITLE", "TITLE", ""},
        {"CR only", "x\rab\rcd\rHead\rfifth", "abcd", "Head"},
        {"LF only", "x\nab\ncd\nHead\n", "abcd", "Head"},
        {"CR LF", "x\r\nab\r\ncd\r\nHead\r\n", "abcd", "Head"},
        {"mixed", "x\nab\r\ncd\rHead\n", "abcd", "Head"},
        {"0x1A inside line 2", "x\r\na\x1A" "b\r\ncd\r\nHead", "a", ""},
        {"NUL bytes", "x\n\0\n\0\nH\0i"s, "\0\0"s, "H\0i"s},
        {"UTF-8", "x\n\xC3\x96\n\n\xC3\x84rger \xE2\x86\x92 gut", "\xD6", "\xC4rger \x81 gut"},
    };
    for (const auto& c : cases) {
        Write("velmora.dll", c.bytes);
        frmMain == nullptr ? CreateForm() : frmMain->BuildScroller();
        EXPECT_EQ(frmMain->TitleText, c.title) << c.name;
        EXPECT_EQ(Head(), c.head) << c.name;
        EXPECT_EQ(frmMain->ScrollCount, GlyphCount(frmMain->ScrollText)) << c.name;
    }
}

TEST_F(ScrollerTest, CharactersWithoutAGlyphVanishAndTheirNeighboursCloseUp) {
    Write("velmora.dll", "\n\n\nA\tB\xE9[C\x80\xFF\x81\0D"s);
    CreateForm();
    std::string shown;
    for (int k = 48; k < 52; ++k) shown += frmMain->ScrollGlyphs[static_cast<std::size_t>(k)].Ch;
    EXPECT_EQ(shown, "ABCD");
    EXPECT_EQ(frmMain->ScrollCount, static_cast<int>(frmMain->ScrollText.size()) - 7);
}

TEST_F(ScrollerTest, AHeadLongerThanTheRecordsIsCutAndThePassStillEndsOnSpaces) {
    Write("velmora.dll", "\n\n\n" + std::string(40'000, 'A'));
    CreateForm();
    EXPECT_EQ(frmMain->ScrollCount, TfrmMain::ScrollCapacity);
    for (int k = TfrmMain::ScrollCapacity - 48; k < TfrmMain::ScrollCapacity; ++k) {
        ASSERT_EQ(frmMain->ScrollGlyphs[static_cast<std::size_t>(k)].Ch, ' ') << k;
    }
    EXPECT_EQ(frmMain->ScrollText.substr(frmMain->ScrollText.size() - 48 - Credits.size()), Credits + Pad);
    RunToNextPass();
    EXPECT_EQ(frmMain->ScrollCount, TfrmMain::ScrollCapacity);
}

TEST_F(ScrollerTest, TheFirstCharacterComesIntoViewOnFrame41AndPassesAre81EmptyFramesApart) {
    CreateForm();
    TickUntil(150 + 40);
    EXPECT_TRUE(VisibleCharacters().empty());
    Tick();  // open-band frame 41
    ASSERT_EQ(VisibleCharacters(), std::vector<int>{48});
    EXPECT_EQ(frmMain->ScrollGlyphs[48].X, 319);
    EXPECT_EQ(frmMain->ScrollGlyphs[48].Y, 161 - 8) << "frame 41 bounces at table entry 41 mod 25";

    while (!VisibleCharacters().empty()) Tick();
    int emptyFrames = 0;
    for (; VisibleCharacters().empty(); Tick()) ++emptyFrames;
    EXPECT_EQ(emptyFrames, 81);
    EXPECT_EQ(VisibleCharacters(), std::vector<int>{48});
    EXPECT_EQ(frmMain->ScrollGlyphs[48].X, 319);
}

TEST_F(ScrollerTest, EveryPassReadsTheFileAgain) {
    CreateForm();
    Write("velmora.dll", "\n\n\nSecond pass");
    RunToNextPass();
    EXPECT_EQ(Head(), "Second pass");
    EXPECT_EQ(frmMain->TitleGlyphs[3].ImageIndex, GlyphEntry('i')) << "the title is laid out once";

    std::filesystem::remove("velmora.dll");
    RunToNextPass();
    EXPECT_EQ(Head(), BuiltInHead);
}

TEST_F(ScrollerTest, AFileThatCannotBeReadLaterRunsTheBuiltInHeadAndIsToldOnce) {
    Write("velmora.dll", "\n\n\nFrom the file");
    CreateForm();
    std::filesystem::remove("velmora.dll");
    ASSERT_EQ(mkdir("velmora.dll", 0755), 0);

    ::testing::internal::CaptureStderr();
    RunToNextPass();
    EXPECT_EQ(Head(), BuiltInHead);
    RunToNextPass();
    const std::string told = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(told.begin(), told.end(), '\n'), 1) << told;
    EXPECT_NE(told.find("velmora.dll"), std::string::npos) << told;
    EXPECT_TRUE(screen.Errors().empty()) << "no message box stops the show";

    std::filesystem::remove("velmora.dll");
    Write("velmora.dll", "\n\n\nBack again");
    RunToNextPass();
    EXPECT_EQ(Head(), "Back again");
}

TEST_F(ScrollerTest, AFileThatCannotBeReadAtStartUpLeavesTheWindowInert) {
    ASSERT_EQ(mkdir("velmora.dll", 0755), 0);
    ::testing::internal::CaptureStderr();
    CreateForm();
    ::testing::internal::GetCapturedStderr();
    ASSERT_EQ(screen.Errors().size(), 1u);
    EXPECT_NE(screen.Errors()[0].find("velmora.dll"), std::string::npos);
    for (int i = 0; i < 200; ++i) Tick();
    EXPECT_EQ(frmMain->TickCount, 0);
    EXPECT_EQ(screen.PresentCount(), 0);
}

TEST_F(ScrollerTest, OnExitTheLineTakesNoNewCharactersAndRunsOutAtTripleSpeed) {
    CreateForm();
    for (int i = 0; i < 500; ++i) frmMain->StepScroller();
    frmMain->Quitting = 1;
    const int first = frmMain->ScrollFirst;
    const std::int32_t lastX = frmMain->ScrollX[static_cast<std::size_t>(first + 42)];
    for (int i = 0; i < 108; ++i) frmMain->StepScroller();
    EXPECT_EQ(frmMain->ScrollFirst, first);
    EXPECT_EQ(frmMain->ScrollX[static_cast<std::size_t>(first + 42)], lastX - 3 * 108);
    frmMain->StepScroller();
    for (const int k : Window()) EXPECT_LE(frmMain->ScrollGlyphs[static_cast<std::size_t>(k)].X, -GlyphWidth) << k;
}

}  // namespace
