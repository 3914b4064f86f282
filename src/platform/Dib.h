// Reads the Windows device-independent bitmaps the intro's pictures are stored as.
#pragma once

#include "Bitmap.h"

#include <cstdint>
#include <span>

// Parses a BITMAPINFOHEADER DIB (4 or 8 bits per pixel, colour table, bottom-up rows padded
// to 4 bytes). Raises Exception for anything truncated or inconsistent.
TBitmap ReadDib(std::span<const std::uint8_t> bytes);
