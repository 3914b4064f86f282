#include "TestModule.h"

#include <algorithm>
#include <cstring>

namespace {

void PutWord(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint16_t value) {
    bytes[at] = static_cast<std::uint8_t>(value >> 8);
    bytes[at + 1] = static_cast<std::uint8_t>(value);
}

}  // namespace

std::vector<std::uint8_t> MakeTestModule() {
    constexpr std::size_t sampleLength = 32;
    constexpr std::size_t patternOffset = 1084;
    std::vector<std::uint8_t> bytes(patternOffset + 1024 + sampleLength, 0);
    std::memcpy(bytes.data(), "velmora test", 12);

    // Sample 1: 32 bytes, volume 64, looped over its whole length.
    constexpr std::size_t header = 20;
    std::memcpy(&bytes[header], "square", 6);
    PutWord(bytes, header + 22, sampleLength / 2);
    bytes[header + 25] = 64;
    PutWord(bytes, header + 26, 0);
    PutWord(bytes, header + 28, sampleLength / 2);

    bytes[950] = 1;    // one order position
    bytes[951] = 127;
    bytes[952] = 0;    // playing pattern 0
    std::memcpy(&bytes[1080], "M.K.", 4);

    // A note every 8 rows in channel 1: C-2, E-2, G-2, C-3 over and over.
    constexpr std::uint16_t periods[] = {428, 339, 285, 214};
    for (int row = 0; row < 64; row += 8) {
        const std::size_t cell = patternOffset + static_cast<std::size_t>(row) * 16;
        const std::uint16_t period = periods[(row / 8) % 4];
        bytes[cell] = static_cast<std::uint8_t>(period >> 8);  // sample number high nibble 0
        bytes[cell + 1] = static_cast<std::uint8_t>(period);
        bytes[cell + 2] = 0x10;                                // sample 1, no effect
    }

    const std::size_t sampleOffset = patternOffset + 1024;
    std::fill_n(&bytes[sampleOffset], sampleLength / 2, std::uint8_t{64});
    std::fill_n(&bytes[sampleOffset + sampleLength / 2], sampleLength / 2, static_cast<std::uint8_t>(-64));
    return bytes;
}
