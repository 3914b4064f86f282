// The backdrop band's state.
#pragma once

#include <cstdint>

struct TBand {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Right = 0;  // excluded
    std::int32_t Height = 0;
    std::int32_t Step = 0;   // 0 shut .. 50 fully open
    std::int32_t Color = 0;  // the colour value after a reset, the surface's pixel value after a step
};
