#include "DisplayFit.h"

#include <algorithm>
#include <optional>

namespace {

bool Smaller(const DisplayMode& a, const DisplayMode& b) {
    return a.Width != b.Width ? a.Width < b.Width : a.Height < b.Height;
}

template <class Predicate>
std::optional<DisplayMode> SmallestWhere(const std::vector<DisplayMode>& listed, Predicate fits) {
    std::optional<DisplayMode> best;
    for (const DisplayMode& mode : listed) {
        if (fits(mode) && (!best || Smaller(mode, *best))) best = mode;
    }
    return best;
}

void AddOnce(std::vector<DisplayMode>& candidates, const std::optional<DisplayMode>& mode) {
    if (mode && std::find(candidates.begin(), candidates.end(), *mode) == candidates.end()) {
        candidates.push_back(*mode);
    }
}

}  // namespace

std::vector<DisplayMode> FullScreenModeCandidates(const DisplayMode& asked, const std::vector<DisplayMode>& listed) {
    const auto largeEnough = [&asked](const DisplayMode& mode) {
        return mode.BitCount == asked.BitCount && mode.Width >= asked.Width && mode.Height >= asked.Height;
    };
    const auto sameShape = [&asked](const DisplayMode& mode) {
        // Cross-multiplied, so 4:3 means exactly 4:3 and no rounding lets 1366x1024 pass.
        return static_cast<long long>(mode.Width) * asked.Height == static_cast<long long>(mode.Height) * asked.Width;
    };

    std::vector<DisplayMode> candidates;
    if (std::find(listed.begin(), listed.end(), asked) != listed.end()) candidates.push_back(asked);
    AddOnce(candidates, SmallestWhere(listed, [&](const DisplayMode& m) { return largeEnough(m) && sameShape(m); }));
    AddOnce(candidates, SmallestWhere(listed, largeEnough));
    return candidates;
}

FrameFit FitFrame(int frameWidth, int frameHeight, int outputWidth, int outputHeight) {
    FrameFit fit;
    if (frameWidth <= 0 || frameHeight <= 0 || outputWidth <= 0 || outputHeight <= 0) return fit;
    const long long wide = static_cast<long long>(outputWidth) * frameHeight;
    const long long tall = static_cast<long long>(outputHeight) * frameWidth;
    if (wide >= tall) {  // bars at the sides (or none)
        fit.Height = outputHeight;
        fit.Width = static_cast<int>(tall / frameHeight);
    } else {  // bars above and below
        fit.Width = outputWidth;
        fit.Height = static_cast<int>(wide / frameWidth);
    }
    fit.X = (outputWidth - fit.Width) / 2;
    fit.Y = (outputHeight - fit.Height) / 2;
    fit.Factor = std::max(1, std::min(fit.Width / frameWidth, fit.Height / frameHeight));
    return fit;
}
