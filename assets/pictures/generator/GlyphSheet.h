// The glyph sheet: the font's cells in the intro's character order, and a strip of artwork.
#pragma once

#include "IndexedImage.h"

#include <filesystem>

// 256 x 40, 8 bits per pixel; 32 x 4 cells of 8 x 10.
IndexedImage MakeGlyphSheet(const std::filesystem::path& fontFile);
