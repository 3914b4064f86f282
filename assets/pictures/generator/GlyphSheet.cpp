#include "GlyphSheet.h"

#include "Palette.h"
#include "TextSource.h"
#include "effects/Glyphs.h"

#include <cmath>
#include <stdexcept>
#include <vector>

namespace {
constexpr int Columns = 32;
constexpr int ArtworkTop = 3 * GlyphHeight;

// The logo's first 13 colours, then the glyphs' near-white and black.
std::vector<Rgb> SheetColors() {
    std::vector<Rgb> colors(palette::Logo.begin(), palette::Logo.begin() + 13);
    colors.push_back(palette::NearWhite);
    colors.push_back(palette::Black);
    return colors;
}

// A thin copy of the logo's bar with cyan beads: the row of the sheet that is never sliced.
void PaintArtwork(IndexedImage& sheet) {
    using namespace palette;
    const Rgb bar[] = {Lilac, Orchid, Orchid, Plum, Plum, DeepViolet};
    for (int y = 0; y < 6; ++y) {
        for (int x = 4; x < sheet.Width() - 4; ++x) sheet.Paint(x, ArtworkTop + 2 + y, bar[y]);
    }
    for (int bead = 8; bead < sheet.Width(); bead += 16) {
        for (int y = 0; y < GlyphHeight; ++y) {
            for (int x = bead - 4; x <= bead + 3; ++x) {
                const double dx = x + 0.5 - bead;
                const double dy = y + 0.5 - GlyphHeight / 2.0;
                const double d = std::sqrt(dx * dx + dy * dy);
                if (d <= 1.2) sheet.Paint(x, ArtworkTop + y, Ice);
                else if (d <= 2.4) sheet.Paint(x, ArtworkTop + y, Cyan);
                else if (d <= 3.6) sheet.Paint(x, ArtworkTop + y, Sky);
            }
        }
    }
}
}  // namespace

IndexedImage MakeGlyphSheet(const std::filesystem::path& fontFile) {
    auto font = ReadFont(fontFile);
    IndexedImage sheet(Columns * GlyphWidth, 4 * GlyphHeight, 8, SheetColors());
    const std::uint8_t black = sheet.IndexOf(palette::Black);
    for (int y = 0; y < sheet.Height(); ++y) {
        for (int x = 0; x < sheet.Width(); ++x) sheet.Set(x, y, black);
    }
    for (std::size_t cell = 0; cell < GlyphSet.size(); ++cell) {
        const auto ch = static_cast<unsigned char>(GlyphSet[cell]);
        if (ch == ' ') continue;
        const auto glyph = font.find(ch);
        if (glyph == font.end()) {
            throw std::runtime_error(fontFile.string() + ": no glyph for character " + std::to_string(ch));
        }
        const int left = static_cast<int>(cell % Columns) * GlyphWidth;
        const int top = static_cast<int>(cell / Columns) * GlyphHeight;
        for (int y = 0; y < GlyphHeight; ++y) {
            for (int x = 0; x < GlyphWidth; ++x) {
                if (glyph->second[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == '#') {
                    sheet.Paint(left + x, top + y, palette::NearWhite);
                }
            }
        }
        font.erase(glyph);
    }
    if (!font.empty()) {
        throw std::runtime_error(fontFile.string() + ": glyph for character " + std::to_string(font.begin()->first) +
                                 ", which the intro cannot show");
    }
    PaintArtwork(sheet);
    return sheet;
}
