#include "Tessaron_Functions.h"

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
