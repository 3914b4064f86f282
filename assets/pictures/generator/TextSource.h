// The hand-edited text sources: lines with ';' comments, drawings and the glyph font.
#pragma once

#include "IndexedImage.h"

#include <array>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

// Lines of a source file without comments (';' first) and blank lines; each keeps its number.
struct SourceLine {
    int number;
    std::string text;
};
std::vector<SourceLine> ReadSourceLines(const std::filesystem::path& file);

// A picture drawn as characters: "colour C R G B" lines give the key, then "picture" and the rows.
struct Drawing {
    std::map<char, Rgb> key;
    std::vector<std::string> rows;
};
Drawing ReadDrawing(const std::filesystem::path& file);
// Paints the drawing into a picture of exactly its size.
void Paint(const Drawing& drawing, IndexedImage& image);

// The glyph font: "glyph C" (C in UTF-8) followed by 10 rows of 8 characters, '#' lit, '.' dark.
using GlyphRows = std::array<std::string, 10>;
// Keyed by the character's Windows-1252 byte.
std::map<unsigned char, GlyphRows> ReadFont(const std::filesystem::path& file);
