// A text-drawing context on a 16-bit surface, with a small built-in font.
#pragma once

#include "Types.h"

#include <cstdint>
#include <string_view>

class TDirectDrawSurface;

enum TBrushStyle { bsSolid, bsClear };

class TCanvas {
public:
    explicit TCanvas(TDirectDrawSurface& surface) : surface_(surface) {}

    struct {
        TBrushStyle Style = bsSolid;
        TColor Color = clBlack;
    } Brush;
    struct {
        TColor Color = clBlack;
        int Size = 8;
    } Font;

    // Writes text with its top-left corner at (x, y); characters the font lacks are blank.
    void TextOut(int x, int y, std::string_view text);
    // Gives the surface back; required before the frame is presented.
    void Release() {}

private:
    TDirectDrawSurface& surface_;
};
