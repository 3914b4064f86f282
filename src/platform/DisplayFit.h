// Pure arithmetic of the full-screen display: which listed mode to ask for, and where a frame
// lands on a screen of any size.
#pragma once

#include "Screen.h"

#include <vector>

// The modes to ask for, best first, when `asked` is wanted full screen: `asked` itself when it
// is listed; then the smallest listed mode of the same depth and exactly the same shape that is
// at least as large; then the smallest listed mode of the same depth at least as large.
// Empty when the display lists no such mode.
std::vector<DisplayMode> FullScreenModeCandidates(const DisplayMode& asked, const std::vector<DisplayMode>& listed);

// Where a frame is shown on an output area: its shape kept, as large as fits, centred.
// Scaling goes first by the whole factor `Factor` with every pixel repeated (crisp and even),
// and only then, when the area asks for more, smoothly from that image to the placed size.
struct FrameFit {
    int Factor = 1;
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
    bool operator==(const FrameFit&) const = default;
    // The whole-factor image fills the placed size: no smooth step is needed.
    bool Exact(int frameWidth, int frameHeight) const {
        return Width == Factor * frameWidth && Height == Factor * frameHeight;
    }
};

FrameFit FitFrame(int frameWidth, int frameHeight, int outputWidth, int outputHeight);
