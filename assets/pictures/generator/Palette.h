// The intro's picture colours. Every picture draws from the logo's table, so a palette display
// needs no more than these.
#pragma once

#include "IndexedImage.h"

#include <vector>

namespace palette {
inline constexpr Rgb Orchid{214, 99, 198};
inline constexpr Rgb Plum{181, 66, 181};
inline constexpr Rgb Lilac{214, 165, 231};
inline constexpr Rgb Violet{165, 82, 247};
inline constexpr Rgb DeepViolet{132, 66, 198};
inline constexpr Rgb Ink{33, 16, 82};
inline constexpr Rgb Slate{66, 66, 115};
inline constexpr Rgb Steel{49, 99, 165};
inline constexpr Rgb Sky{49, 132, 198};
inline constexpr Rgb Lagoon{16, 181, 214};
inline constexpr Rgb Cyan{0, 247, 247};
inline constexpr Rgb PaleCyan{132, 247, 247};
inline constexpr Rgb Ice{198, 247, 247};
inline constexpr Rgb Yellow{231, 231, 16};
inline constexpr Rgb Ochre{165, 148, 16};
inline constexpr Rgb Black{0, 0, 0};
inline constexpr Rgb NearWhite{248, 248, 248};

// The logo's table, in its order; black is entry 15.
inline const std::vector<Rgb> Logo{Orchid, Plum,  Lilac,    Violet, DeepViolet, Ink,    Slate, Steel,
                                   Sky,    Lagoon, Cyan, PaleCyan, Ice,    Yellow,     Ochre, Black};
}  // namespace palette
