// make_pictures: builds the intro's pictures from the sources beside it.
//   make_pictures SOURCE_DIR OUTPUT_DIR    writes logo.dib, star.dib, ossrin.dib, glyphs.dib
//   make_pictures --check SOURCE_DIR DIR   exits 1 unless DIR holds exactly what it would write
#include "GlyphSheet.h"
#include "IndexedImage.h"
#include "Logo.h"
#include "Palette.h"
#include "TextSource.h"

#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

namespace {
using Bytes = std::vector<std::uint8_t>;

IndexedImage FromDrawing(const std::filesystem::path& file, int width, int height, int bits,
                         std::vector<Rgb> colors) {
    IndexedImage image(width, height, bits, std::move(colors));
    Paint(ReadDrawing(file), image);
    return image;
}

std::vector<std::pair<std::string, Bytes>> MakeAll(const std::filesystem::path& sources) {
    using namespace palette;
    // The star's table is the logo's colours in another order: black first.
    const std::vector<Rgb> starColors{Black,      Orchid, Plum, Lilac,    Violet, DeepViolet, Ink,    Slate,
                                      Steel,      Sky,    Lagoon, Cyan,   PaleCyan, Ice,      Yellow, Ochre};
    return {
        {"logo.dib", MakeLogo(sources / "logo.txt").Dib()},
        {"star.dib", FromDrawing(sources / "star.txt", 20, 20, 4, starColors).Dib()},
        {"ossrin.dib", FromDrawing(sources / "ossrin.txt", 50, 9, 8, {{4, 2, 4}, {255, 255, 255}}).Dib()},
        {"glyphs.dib", MakeGlyphSheet(sources / "font.txt").Dib()},
    };
}

Bytes ReadFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return {};
    return {std::istreambuf_iterator<char>(in), {}};
}

void WriteFile(const std::filesystem::path& file, const Bytes& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) throw std::runtime_error("cannot write " + file.string());
}
}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const bool check = !args.empty() && args[0] == "--check";
    if (args.size() != (check ? 3u : 2u)) {
        std::cerr << "usage: make_pictures [--check] SOURCE_DIR OUTPUT_DIR\n";
        return 2;
    }
    try {
        const std::filesystem::path sources = args[check ? 1 : 0];
        const std::filesystem::path output = args[check ? 2 : 1];
        int differing = 0;
        for (const auto& [name, bytes] : MakeAll(sources)) {
            if (!check) {
                WriteFile(output / name, bytes);
            } else if (ReadFile(output / name) != bytes) {
                std::cerr << "make_pictures: " << (output / name).string() << " differs from its sources\n";
                ++differing;
            }
        }
        return differing == 0 ? 0 : 1;
    } catch (const std::exception& error) {
        std::cerr << "make_pictures: " << error.what() << "\n";
        return 1;
    }
}
