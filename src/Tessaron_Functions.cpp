#include "Tessaron_Functions.h"

#include "platform/Exception.h"

#include <string>

void SliceGlyphSheet(TDXDIB& sheet, TDXImageList& imageList, int cellWidth, int cellHeight, int rows, int columns,
                     int firstIndex, TColor transparentColor, bool transparent) {
    TPictureCollection& items = imageList.Items;
    // A grid outside the sheet or a gap in the list would read or write past their ends.
    const bool gridFits = cellWidth > 0 && cellHeight > 0 && rows >= 0 && columns >= 0 &&
                          columns <= sheet.DIB.Width() / cellWidth && rows <= sheet.DIB.Height() / cellHeight;
    if (!gridFits || firstIndex < 0 || firstIndex > items.Count()) {
        throw Exception("Glyph sheet cannot be cut into " + std::to_string(rows) + " x " + std::to_string(columns) +
                        " cells from entry " + std::to_string(firstIndex));
    }
    int index = firstIndex;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            if (index >= items.Count()) items.Add();
            TPictureCollectionItem& item = items[index];
            item.Picture = sheet.DIB.Copy(c * cellWidth, r * cellHeight, cellWidth, cellHeight);
            item.Transparent = transparent;
            item.TransparentColor = transparentColor;
            item.Name.clear();
            ++index;
        }
    }
}

void ToggleFullScreen(TDXDraw& DrawSurface, TDXTimer& FrameTimer, TForm& HostForm) {
    // No frame may run while the surface is released.
    FrameTimer.SetEnabled(false);
    DrawSurface.Finalize();
    if (DrawSurface.Options.Contains(doFullScreen)) {
        DrawSurface.SetCursor(crDefault);
        HostForm.SetBorderStyle(BorderStyle::Dialog);
        DrawSurface.Options = DrawSurface.Options.Without(doFullScreen);
    } else {
        DrawSurface.SetCursor(crNone);
        HostForm.SetBorderStyle(BorderStyle::None);
        DrawSurface.Options = DrawSurface.Options.With(doFullScreen);
    }
    DrawSurface.Initialize();
    FrameTimer.SetEnabled(true);
}
