// The logo: the lettering of logo.txt across a purple bar with a yellow dot near each end.
#pragma once

#include "IndexedImage.h"

#include <filesystem>

// 256 x 53, 8 bits per pixel, the logo's 16 colours.
IndexedImage MakeLogo(const std::filesystem::path& strokesFile);
