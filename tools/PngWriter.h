// Writes 8-bit RGB pictures as PNG files through libpng.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// rgb holds width * height * 3 bytes, top row first. Throws std::runtime_error on failure.
void WritePng(const std::string& fileName, int width, int height, const std::vector<std::uint8_t>& rgb);
