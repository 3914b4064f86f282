// The bouncing text scroller: a head sentence (from the text file or built in) and the
// credits between two pads of spaces, run right to left one pixel a frame, pass after pass.
#include "MainUnit.h"
#include "effects/Glyphs.h"
#include "platform/Exception.h"
#include "platform/TextFile.h"

#include <array>

namespace {

constexpr const char* ScrollFileName = "velmora.dll";
constexpr std::string_view BuiltInHead = "OOPS WE DID IT AGAIN! Velmora present you the best stuff on earth";
constexpr std::string_view Credits =
    "             Credits: code by *tessaron.velmora*, original intro on psx by *jekko.velmora*, "
    "graphics by *gravilune*, tune by *vantrel.quorvane*";

// Line 1 of the file is ignored, lines 2 and 3 make the title, line 4 is the head.
constexpr std::size_t ScrollFileLines = 4;

constexpr std::array<std::int32_t, 25> BounceTable = {1, 2, 4, 5, 6, 7, 8, 8, 9, 10, 10, 10, 10,
                                                      10, 10, 9, 8, 8, 7, 6, 5, 4, 2, 1, 0};
constexpr std::int32_t BaseRow = 161;
constexpr std::int32_t StartX = 320;
constexpr int WindowSize = 42;

}  // namespace

std::string TfrmMain::LoadScrollText(const std::string& fileName) {
    std::string head(BuiltInHead);
    if (FileExists(fileName)) {
        std::vector<std::string> lines = ReadTextLines(fileName, ScrollFileLines);
        TitleText = lines[1] + lines[2];
        head = std::move(lines[3]);
    }
    // The head gives way so that both pads and the credits always fit the glyph records:
    // the pass then still ends on spaces, as every pass does.
    const std::size_t room = static_cast<std::size_t>(ScrollCapacity) - 2 * ScrollPad.size() - Credits.size();
    if (head.size() > room) head.resize(room);
    return head + std::string(Credits);
}

void TfrmMain::BuildScroller() {
    ScrollFirst = 1;
    LayOutScroller(LoadScrollText(ScrollFileName));
}

// A new pass, from the frame step: a file that cannot be read now must not stop the show, so
// the pass runs the built-in head, and the error is told once until a read succeeds again.
void TfrmMain::StartScrollerPass() {
    try {
        BuildScroller();
        ScrollReadFailing = false;
    } catch (const Exception& error) {
        if (!ScrollReadFailing) Application.LogError(error.what());
        ScrollReadFailing = true;
        ScrollFirst = 1;
        LayOutScroller(std::string(BuiltInHead) + std::string(Credits));
    }
}

void TfrmMain::LayOutScroller(const std::string& text) {
    ScrollText = ScrollPad + text + ScrollPad;
    std::int32_t k = 0;
    for (const char ch : ScrollText) {
        const int entry = GlyphEntry(ch);
        if (entry < 0) continue;  // no glyph: the text closes up
        if (k == ScrollCapacity) break;
        TSprite& glyph = ScrollGlyphs[static_cast<std::size_t>(k)];
        glyph.X = 144;
        glyph.Y = 300;
        glyph.Width = GlyphWidth;
        glyph.Height = GlyphHeight;
        glyph.Red = glyph.Green = glyph.Blue = 255;
        glyph.Alpha = 255;
        glyph.ImageIndex = entry;
        glyph.Ch = ch;
        ScrollX[static_cast<std::size_t>(k)] = StartX;
        ++k;
    }
    ScrollCount = k;
}

void TfrmMain::StepScroller() {
    ++ScrollDelay;
    if (Quitting == 0 && ScrollDelay > GlyphWidth) {
        if (ScrollFirst + 44 < ScrollCount - 2) {
            ++ScrollFirst;
        } else {
            StartScrollerPass();
        }
        ScrollDelay = 1;
    }
    BouncePhase = BouncePhase == 24 ? 0 : BouncePhase + 1;

    const std::int32_t speed = Quitting != 0 ? 3 : 1;
    const std::int32_t y = BaseRow - BounceTable[static_cast<std::size_t>(BouncePhase)];
    for (int i = 1; i <= WindowSize; ++i) {
        const auto k = static_cast<std::size_t>(ScrollFirst + i);
        ScrollX[k] -= speed;
        TSprite& glyph = ScrollGlyphs[k];
        glyph.X = ScrollX[k];
        glyph.Y = y;
        DrawImage(glyph.ImageIndex, glyph.X, glyph.Y);
    }
}
