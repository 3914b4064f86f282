// The glyph font: which characters the sheet holds, in cell order, and where each is drawn from.
#pragma once

#include <string_view>

constexpr int GlyphWidth = 8;
constexpr int GlyphHeight = 10;

// Windows-1252, three rows of the glyph sheet one after the other; the space comes last.
constexpr std::string_view GlyphSet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdef"
    "ghijklmnopqrstuvwxyz0123456789,."
    "-+*#!\"%&/()=?;:\xD6\xC4\xDC\xF6\xE4\xFC\xDF ";

// The first image-list entry that holds a glyph cell.
constexpr int FirstGlyphEntry = 3;

// The image-list entry that draws a character, or -1 when the font has no glyph for it.
// Character j of GlyphSet, counted from 1, is entry j + 2.
constexpr int GlyphEntry(char ch) {
    const auto position = GlyphSet.find(ch);
    return position == std::string_view::npos ? -1 : static_cast<int>(position) + FirstGlyphEntry;
}
