// Support routines of the intro.
#pragma once

#include "platform/DXDraw.h"
#include "platform/DXTimer.h"
#include "platform/Form.h"
#include "platform/ImageList.h"

#include <cstdint>

// The tick on which the frame step starts the music.
constexpr std::int32_t MusicStartTick = 100;

// Cuts rows x columns cells of cellWidth x cellHeight from the sheet into the image list,
// filling entries from firstIndex on and appending where the list ends.
void SliceGlyphSheet(TDXDIB& sheet, TDXImageList& imageList, int cellWidth, int cellHeight, int rows,
                     int columns, int firstIndex, TColor transparentColor, bool transparent);

// Switches the drawing surface between windowed and full-screen display.
void ToggleFullScreen(TDXDraw& DrawSurface, TDXTimer& FrameTimer, TForm& HostForm);
