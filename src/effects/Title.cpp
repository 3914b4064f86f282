// The two-line title: the first row flies in from the right, the second from the left, and on
// exit both fly on and out.
#include "MainUnit.h"
#include "effects/Glyphs.h"

namespace {
constexpr std::int32_t FirstRowY = 128;
constexpr std::int32_t SecondRowY = 137;
// Positions from 40 on are laid out in the second row, but records from 40 on (positions 41 on)
// move with it: position 40 leaves with the first row and is never seen.
constexpr int SecondRowFirstPosition = 40;
constexpr int SecondRowFirstRecord = 40;
constexpr std::int32_t SecondRowShift = 960;
}  // namespace

void TfrmMain::BuildTitle() {
    for (int i = 1; i <= static_cast<int>(TitleGlyphs.size()); ++i) {
        TSprite& glyph = TitleGlyphs[static_cast<std::size_t>(i - 1)];
        glyph.X = i * GlyphWidth + 320;
        glyph.Y = FirstRowY;
        if (i >= SecondRowFirstPosition) {
            glyph.X -= SecondRowShift;
            glyph.Y = SecondRowY;
        }
        const bool inText = static_cast<std::size_t>(i) <= TitleText.size();
        glyph.ImageIndex = inText ? GlyphEntry(TitleText[static_cast<std::size_t>(i - 1)]) : -1;
    }
}

void TfrmMain::StepTitle() {
    bool moves = false;
    if (Quitting == 0) {
        if (TitleInFrames != 0) {
            --TitleInFrames;
            moves = true;
        }
    } else if (TitleOutFrames != 0) {
        --TitleOutFrames;
        moves = true;
    } else if (TitleInFrames != 0) {
        // An exit that came before the rows had arrived flies them on by the frames they still
        // owed, so the second row always passes the right edge and the band can shut.
        --TitleInFrames;
        moves = true;
    }
    if (moves) {
        for (int i = 0; i < static_cast<int>(TitleGlyphs.size()); ++i) {
            TitleGlyphs[static_cast<std::size_t>(i)].X += i < SecondRowFirstRecord ? -2 : 2;
        }
    }
    for (const TSprite& glyph : TitleGlyphs) DrawImage(glyph.ImageIndex, glyph.X, glyph.Y);
}
