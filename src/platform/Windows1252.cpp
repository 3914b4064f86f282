#include "Windows1252.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

// What bytes 0x80 to 0x9F stand for; 0 where the code page leaves the byte undefined.
constexpr std::array<char32_t, 32> HighControlRange = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char ToWindows1252(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) return static_cast<char>(codePoint);
    const auto found = std::find(HighControlRange.begin(), HighControlRange.end(), codePoint);
    if (codePoint >= 0x100 && found != HighControlRange.end()) {
        return static_cast<char>(0x80 + (found - HighControlRange.begin()));
    }
    return MissingCharacter;
}

// Decodes the sequence at text[at]; advances `at` past it. Nothing for an invalid sequence.
std::optional<char32_t> DecodeOne(std::string_view text, std::size_t& at) {
    const auto lead = static_cast<std::uint8_t>(text[at]);
    int length = 0;
    char32_t codePoint = 0;
    char32_t smallest = 0;
    if (lead < 0x80) {
        ++at;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, codePoint = lead & 0x1F, smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, codePoint = lead & 0x0F, smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, codePoint = lead & 0x07, smallest = 0x10000;
    } else {
        return std::nullopt;
    }
    if (text.size() - at < static_cast<std::size_t>(length)) return std::nullopt;
    for (int i = 1; i < length; ++i) {
        const auto next = static_cast<std::uint8_t>(text[at + static_cast<std::size_t>(i)]);
        if ((next & 0xC0) != 0x80) return std::nullopt;
        codePoint = codePoint << 6 | (next & 0x3F);
    }
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    if (codePoint < smallest || surrogate || codePoint > 0x10FFFF) return std::nullopt;
    at += static_cast<std::size_t>(length);
    return codePoint;
}

}  // namespace

std::optional<std::string> Utf8ToWindows1252(std::string_view utf8) {
    std::string result;
    result.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const auto codePoint = DecodeOne(utf8, at);
        if (!codePoint) return std::nullopt;
        result += ToWindows1252(*codePoint);
    }
    return result;
}

bool HasNonAscii(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<std::uint8_t>(c) >= 0x80; });
}
