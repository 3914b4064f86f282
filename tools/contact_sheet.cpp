// contact-sheet: draws every image-list entry of the intro, as it stands after start-up,
// magnified on the band colour with its index, into one PNG for a person to look at.
//   contact-sheet OUTPUT.png
#include "HeadlessIntro.h"
#include "MainUnit.h"
#include "PngWriter.h"
#include "effects/Glyphs.h"

#include <exception>
#include <iostream>
#include <string>
#include <vector>

namespace {
constexpr int Zoom = 3;
constexpr int LabelZoom = 2;
constexpr int Margin = 16;
constexpr int SheetWidth = 256 * Zoom + 2 * Margin;
constexpr int GlyphColumns = 16;
constexpr int GlyphPitch = (SheetWidth - 2 * Margin) / GlyphColumns;
constexpr TColor BandColor = RGB(64, 80, 144);
constexpr TColor Ground = RGB(24, 24, 28);

class Sheet {
public:
    explicit Sheet(int height) : height_(height), rgb_(static_cast<std::size_t>(SheetWidth * height) * 3) {
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < SheetWidth; ++x) Put(x, y, Ground);
        }
    }

    // The entry drawn the way the intro draws it, onto a patch of the given colour, then magnified.
    void Entry(const TPictureCollectionItem& item, int left, int top, int zoom, TColor ground) {
        const int width = item.Picture.Empty() ? GlyphWidth : item.Picture.Width();
        const int height = item.Picture.Empty() ? GlyphHeight : item.Picture.Height();
        TDirectDrawSurface patch(width, height);
        patch.Fill(TDirectDrawSurface::ColorMatch(ground));
        item.Draw(patch, 0, 0, 0);
        for (int y = 0; y < height * zoom; ++y) {
            for (int x = 0; x < width * zoom; ++x) Put(left + x, top + y, TDirectDrawSurface::ColorOf(patch.Pixel(x / zoom, y / zoom)));
        }
    }

    // The index, set in the intro's own glyphs.
    void Label(const TPictureCollection& items, int index, int left, int top) {
        for (const char digit : std::to_string(index)) {
            Entry(items[GlyphEntry(digit)], left, top, LabelZoom, Ground);
            left += GlyphWidth * LabelZoom;
        }
    }

    void Save(const std::string& fileName) const { WritePng(fileName, SheetWidth, height_, rgb_); }

private:
    void Put(int x, int y, TColor c) {
        if (x < 0 || y < 0 || x >= SheetWidth || y >= height_) return;
        std::uint8_t* pixel = &rgb_[static_cast<std::size_t>(y * SheetWidth + x) * 3];
        pixel[0] = RedOf(c);
        pixel[1] = GreenOf(c);
        pixel[2] = BlueOf(c);
    }

    int height_;
    std::vector<std::uint8_t> rgb_;
};
}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: contact-sheet OUTPUT.png\n";
        return 2;
    }
    try {
        // The form as it stands after start-up; no tick is needed.
        const HeadlessIntro intro(60);
        const TPictureCollection& items = intro.Form().ImageList->Items;

        const int labelHeight = GlyphHeight * LabelZoom + 4;
        const int glyphRows = (items.Count() - FirstGlyphEntry + GlyphColumns - 1) / GlyphColumns;
        const int glyphTop = Margin + (53 + 20) * Zoom + 2 * labelHeight + Margin;
        const int glyphRowPitch = GlyphHeight * Zoom + labelHeight + 8;
        Sheet sheet(glyphTop + glyphRows * glyphRowPitch + Margin);

        // The logo across the top, the star and the signature below it.
        sheet.Label(items, 0, Margin, Margin);
        sheet.Entry(items[0], Margin, Margin + labelHeight, Zoom, BandColor);
        const int secondRow = Margin + labelHeight + 53 * Zoom + 8;
        sheet.Label(items, 1, Margin, secondRow);
        sheet.Entry(items[1], Margin, secondRow + labelHeight, Zoom, BandColor);
        sheet.Label(items, 2, Margin + 20 * Zoom + Margin, secondRow);
        sheet.Entry(items[2], Margin + 20 * Zoom + Margin, secondRow + labelHeight, Zoom, BandColor);

        for (int index = FirstGlyphEntry; index < items.Count(); ++index) {
            const int n = index - FirstGlyphEntry;
            const int left = Margin + (n % GlyphColumns) * GlyphPitch;
            const int top = glyphTop + (n / GlyphColumns) * glyphRowPitch;
            sheet.Label(items, index, left, top);
            sheet.Entry(items[index], left, top + labelHeight, Zoom, BandColor);
        }
        sheet.Save(argv[1]);
        std::cout << "contact sheet: " << argv[1] << " (" << items.Count() << " entries)\n";
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "contact-sheet: " << error.what() << "\n";
        return 1;
    }
}
