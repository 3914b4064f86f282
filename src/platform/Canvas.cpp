#include "Canvas.h"

#include "DXDraw.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr int CellWidth = 3;
constexpr int CellHeight = 5;
constexpr int Advance = CellWidth + 1;

struct CanvasGlyph {
    char ch;
    const char* rows;  // CellHeight rows of CellWidth pixels, '#' set
};

// A 3x5 font: small enough for a read-out in the corner, readable when the frame is scaled up.
constexpr CanvasGlyph Font[] = {
    {'0', "###" "#.#" "#.#" "#.#" "###"}, {'1', ".#." "##." ".#." ".#." "###"},
    {'2', "###" "..#" "###" "#.." "###"}, {'3', "###" "..#" "###" "..#" "###"},
    {'4', "#.#" "#.#" "###" "..#" "..#"}, {'5', "###" "#.." "###" "..#" "###"},
    {'6', "###" "#.." "###" "#.#" "###"}, {'7', "###" "..#" ".#." ".#." ".#."},
    {'8', "###" "#.#" "###" "#.#" "###"}, {'9', "###" "#.#" "###" "..#" "###"},
    {'A', ".#." "#.#" "###" "#.#" "#.#"}, {'B', "##." "#.#" "##." "#.#" "##."},
    {'C', ".##" "#.." "#.." "#.." ".##"}, {'D', "##." "#.#" "#.#" "#.#" "##."},
    {'E', "###" "#.." "##." "#.." "###"}, {'F', "###" "#.." "##." "#.." "#.."},
    {'G', ".##" "#.." "#.#" "#.#" ".##"}, {'H', "#.#" "#.#" "###" "#.#" "#.#"},
    {'I', "###" ".#." ".#." ".#." "###"}, {'J', "..#" "..#" "..#" "#.#" ".#."},
    {'K', "#.#" "#.#" "##." "#.#" "#.#"}, {'L', "#.." "#.." "#.." "#.." "###"},
    {'M', "#.#" "###" "###" "#.#" "#.#"}, {'N', "##." "#.#" "#.#" "#.#" "#.#"},
    {'O', ".#." "#.#" "#.#" "#.#" ".#."}, {'P', "##." "#.#" "##." "#.." "#.."},
    {'Q', ".#." "#.#" "#.#" "##." ".##"}, {'R', "##." "#.#" "##." "#.#" "#.#"},
    {'S', ".##" "#.." ".#." "..#" "##."}, {'T', "###" ".#." ".#." ".#." ".#."},
    {'U', "#.#" "#.#" "#.#" "#.#" "###"}, {'V', "#.#" "#.#" "#.#" "#.#" ".#."},
    {'W', "#.#" "#.#" "###" "###" "#.#"}, {'X', "#.#" "#.#" ".#." "#.#" "#.#"},
    {'Y', "#.#" "#.#" ".#." ".#." ".#."}, {'Z', "###" "..#" ".#." "#.." "###"},
    {':', "..." ".#." "..." ".#." "..."}, {'.', "..." "..." "..." "..." ".#."},
    {'-', "..." "..." "###" "..." "..."},
};

const char* RowsOf(char ch) {
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    for (const CanvasGlyph& glyph : Font) {
        if (glyph.ch == upper) return glyph.rows;
    }
    return nullptr;
}

}  // namespace

void TCanvas::TextOut(int x, int y, std::string_view text) {
    const int scale = std::max(1, Font.Size / 8);
    const int textWidth = static_cast<int>(text.size()) * Advance * scale;
    const int textHeight = (CellHeight + 1) * scale;
    if (Brush.Style == bsSolid) {
        surface_.FillRect({x, y, x + textWidth, y + textHeight}, TDirectDrawSurface::ColorMatch(Brush.Color));
    }
    const std::uint32_t ink = TDirectDrawSurface::ColorMatch(Font.Color);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char* rows = RowsOf(text[i]);
        if (rows == nullptr) continue;
        const int left = x + static_cast<int>(i) * Advance * scale;
        for (int row = 0; row < CellHeight; ++row) {
            for (int column = 0; column < CellWidth; ++column) {
                if (rows[row * CellWidth + column] != '#') continue;
                const int px = left + column * scale;
                const int py = y + row * scale;
                surface_.FillRect({px, py, px + scale, py + scale}, ink);
            }
        }
    }
}
