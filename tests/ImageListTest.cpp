#include "MainUnit.h"
#include "platform/DXDraw.h"
#include "platform/Dib.h"
#include "platform/ImageList.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {
constexpr std::uint16_t Ground = 0x4292;  // the band's colour

class ImageListTest : public ::testing::Test {
protected:
    ImageListTest() { surface.Fill(Ground); }

    // Builds the entries' surfaces as an initialisation of the display does.
    void Initialise() {
        items.Notify(dxntInitialize);
        items.Notify(dxntRestore);
    }

    // An 8 x 10 glyph-sized picture whose every pixel differs; its left column is black.
    TPictureCollectionItem& AddCell() {
        TPictureCollectionItem& item = items.Add();
        item.Picture = TBitmap(8, 10);
        for (int y = 0; y < 10; ++y) {
            for (int x = 1; x < 8; ++x) item.Picture.SetPixel(x, y, RGB(static_cast<std::uint8_t>(8 * x), 0, static_cast<std::uint8_t>(8 * y + 8)));
        }
        return item;
    }

    TPictureCollection items;
    TDirectDrawSurface surface{320, 240};
};

TEST_F(ImageListTest, DrawIsClippedAtEveryEdge) {
    const TPictureCollectionItem& cell = AddCell();
    Initialise();
    const struct {
        int x, y;
    } places[] = {{0, 0}, {-4, 0}, {316, 100}, {320, 0}, {0, 240}, {-3, -5}, {315, 235}, {-8, 0}, {0, -10},
                  {100, -9}, {-100000, 5}, {5, 100000}};
    for (const auto& place : places) {
        surface.Fill(Ground);
        cell.Draw(surface, place.x, place.y, 0);
        for (int y = 0; y < 240; ++y) {
            for (int x = 0; x < 320; ++x) {
                const int px = x - place.x;
                const int py = y - place.y;
                const bool covered = px >= 1 && px < 8 && py >= 0 && py < 10;  // column 0 is the colour key
                const std::uint16_t expected =
                    covered ? static_cast<std::uint16_t>(TDirectDrawSurface::ColorMatch(cell.Picture.Pixel(px, py)))
                            : Ground;
                ASSERT_EQ(surface.Pixel(x, y), expected) << "drawn at " << place.x << "," << place.y << "; pixel " << x
                                                        << "," << y;
            }
        }
    }
}

TEST_F(ImageListTest, ColourKeyAppliesOnlyToTransparentEntries) {
    TPictureCollectionItem& signature = items.Add();
    signature.Picture = ReadDib(SignaturePicture);
    signature.Transparent = false;
    Initialise();
    // The signature's left column is its white box, its top right corner near-black ground.
    signature.Draw(surface, 10, 10, 0);
    EXPECT_EQ(surface.Pixel(10, 10), 0xFFFF);
    EXPECT_EQ(surface.Pixel(59, 10), 0) << "a non-transparent entry draws its black";

    signature.Transparent = true;
    surface.Fill(Ground);
    signature.Draw(surface, 10, 10, 0);
    EXPECT_EQ(surface.Pixel(10, 10), 0xFFFF);
    EXPECT_EQ(surface.Pixel(59, 10), Ground) << "a transparent entry leaves its black out";
}

TEST_F(ImageListTest, OnlyEntriesWithAPictureGetASurfaceAndOnlyWhileInitialised) {
    TPictureCollectionItem& cell = AddCell();
    TPictureCollectionItem& empty = items.Add();
    cell.Draw(surface, 0, 0, 0);
    EXPECT_EQ(surface.Pixel(1, 0), Ground) << "no surface before the display is initialised";

    Initialise();
    EXPECT_TRUE(cell.HasSurface());
    EXPECT_FALSE(empty.HasSurface());
    empty.Draw(surface, 0, 0, 0);
    EXPECT_EQ(surface.Pixels(), std::vector<std::uint16_t>(320 * 240, Ground));

    items.Notify(dxntFinalize);
    cell.Draw(surface, 0, 0, 0);
    EXPECT_EQ(surface.Pixel(1, 0), Ground) << "surfaces go with the display";
    items.Notify(dxntRestore);
    cell.Draw(surface, 0, 0, 0);
    EXPECT_NE(surface.Pixel(1, 0), Ground) << "and come back with a restore";
}

TEST_F(ImageListTest, ColourTableKeepsTheFirstOccurrenceOfEachColourInEntryOrder) {
    const auto withTable = [this](std::vector<TRGBQuad> table) {
        TPictureCollectionItem& item = items.Add();
        item.Picture = TBitmap(1, 1);
        item.Picture.ColorTable = std::move(table);
    };
    withTable({{1, 2, 3, 0}, {0, 0, 0, 0}, {1, 2, 3, 0}});
    items.Add();  // no picture
    withTable({{0, 0, 0, 9}, {7, 7, 7, 0}});
    items.MakeColorTable();
    EXPECT_EQ(items.ColorTable[0], (TRGBQuad{1, 2, 3, 0}));
    EXPECT_EQ(items.ColorTable[1], TRGBQuad{});
    EXPECT_EQ(items.ColorTable[2], (TRGBQuad{7, 7, 7, 0})) << "the reserved byte does not make a new colour";
    EXPECT_EQ(items.ColorTable[3], TRGBQuad{});
}

}  // namespace
