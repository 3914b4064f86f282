#include "TextSource.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {
[[noreturn]] void Fail(const std::filesystem::path& file, int line, const std::string& what) {
    throw std::runtime_error(file.string() + ":" + std::to_string(line) + ": " + what);
}

// One character in UTF-8, as the Windows-1252 byte the intro's text uses (ASCII and Latin-1 only).
unsigned char Windows1252(const std::filesystem::path& file, int line, const std::string& utf8) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(utf8.data());
    if (utf8.size() == 1 && bytes[0] > 0x20 && bytes[0] < 0x7F) return bytes[0];
    if (utf8.size() == 2 && (bytes[0] == 0xC2 || bytes[0] == 0xC3) && (bytes[1] & 0xC0) == 0x80) {
        return static_cast<unsigned char>((bytes[0] & 0x03) << 6 | (bytes[1] & 0x3F));
    }
    Fail(file, line, "\"" + utf8 + "\" is not one visible Latin-1 character");
}
}  // namespace

std::vector<SourceLine> ReadSourceLines(const std::filesystem::path& file) {
    std::ifstream in(file);
    if (!in) throw std::runtime_error("cannot read " + file.string());
    std::vector<SourceLine> lines;
    std::string text;
    for (int number = 1; std::getline(in, text); ++number) {
        if (!text.empty() && text.back() == '\r') text.pop_back();
        if (text.empty() || text.front() == ';') continue;
        lines.push_back({number, text});
    }
    return lines;
}

Drawing ReadDrawing(const std::filesystem::path& file) {
    Drawing drawing;
    bool inPicture = false;
    for (const SourceLine& line : ReadSourceLines(file)) {
        if (inPicture) {
            for (const char c : line.text) {
                if (!drawing.key.contains(c)) Fail(file, line.number, std::string("'") + c + "' is not in the key");
            }
            drawing.rows.push_back(line.text);
            continue;
        }
        std::istringstream words(line.text);
        std::string word;
        words >> word;
        if (word == "picture") {
            inPicture = true;
        } else if (word == "colour") {
            std::string symbol;
            int r = -1, g = -1, b = -1;
            if (!(words >> symbol >> r >> g >> b) || symbol.size() != 1 || r < 0 || r > 255 || g < 0 || g > 255 ||
                b < 0 || b > 255) {
                Fail(file, line.number, "expected: colour C R G B");
            }
            drawing.key[symbol[0]] = {static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                                      static_cast<std::uint8_t>(b)};
        } else {
            Fail(file, line.number, "expected \"colour\" or \"picture\"");
        }
    }
    if (drawing.rows.empty()) Fail(file, 0, "no picture");
    return drawing;
}

void Paint(const Drawing& drawing, IndexedImage& image) {
    if (static_cast<int>(drawing.rows.size()) != image.Height()) {
        throw std::runtime_error("drawing has " + std::to_string(drawing.rows.size()) + " rows, picture " +
                                 std::to_string(image.Height()));
    }
    for (int y = 0; y < image.Height(); ++y) {
        const std::string& row = drawing.rows[static_cast<std::size_t>(y)];
        if (static_cast<int>(row.size()) != image.Width()) {
            throw std::runtime_error("drawing row " + std::to_string(y) + " is not " + std::to_string(image.Width()) +
                                     " wide");
        }
        for (int x = 0; x < image.Width(); ++x) image.Paint(x, y, drawing.key.at(row[static_cast<std::size_t>(x)]));
    }
}

std::map<unsigned char, GlyphRows> ReadFont(const std::filesystem::path& file) {
    std::map<unsigned char, GlyphRows> font;
    const std::vector<SourceLine> lines = ReadSourceLines(file);
    for (std::size_t i = 0; i < lines.size();) {
        const SourceLine& header = lines[i];
        if (header.text.rfind("glyph ", 0) != 0) Fail(file, header.number, "expected: glyph C");
        const unsigned char ch = Windows1252(file, header.number, header.text.substr(6));
        if (font.contains(ch)) Fail(file, header.number, "glyph \"" + header.text.substr(6) + "\" drawn twice");
        if (i + 1 + 10 > lines.size()) Fail(file, header.number, "a glyph has 10 rows");
        GlyphRows rows;
        for (std::size_t r = 0; r < rows.size(); ++r) {
            const SourceLine& line = lines[i + 1 + r];
            if (line.text.size() != 8 || line.text.find_first_not_of("#.") != std::string::npos) {
                Fail(file, line.number, "a glyph row is 8 characters of '#' and '.'");
            }
            if ((r == 0 || r == 9) && line.text != "........") {
                Fail(file, line.number, "the top and bottom rows of a cell stay dark");
            }
            rows[r] = line.text;
        }
        font[ch] = rows;
        i += 11;
    }
    return font;
}
