#include "IntroFixture.h"
#include "Tessaron_Functions.h"
#include "effects/Glyphs.h"
#include "platform/Dib.h"
#include "platform/Exception.h"

#include <gtest/gtest.h>

namespace {
constexpr TColor NearWhite = RGB(248, 248, 248);

int LitPixels(const TBitmap& sheet, int cell, int fromRow, int toRow) {
    int lit = 0;
    for (int y = fromRow; y <= toRow; ++y) {
        for (int x = 0; x < GlyphWidth; ++x) {
            const TColor c = sheet.Pixel(cell % 32 * GlyphWidth + x, cell / 32 * GlyphHeight + y);
            EXPECT_TRUE(c == NearWhite || c == clBlack) << "cell " << cell << " holds another colour";
            lit += c == NearWhite;
        }
    }
    return lit;
}

TEST(GlyphSheetTest, EveryVisibleCharacterHasAGlyphWithinCellRowsOneToEight) {
    const TBitmap sheet = ReadDib(GlyphSheetPicture);
    for (int cell = 0; cell < 96; ++cell) {
        const bool visible = cell < static_cast<int>(GlyphSet.size()) && GlyphSet[static_cast<std::size_t>(cell)] != ' ';
        EXPECT_EQ(LitPixels(sheet, cell, 0, 0) + LitPixels(sheet, cell, 9, 9), 0) << "cell " << cell;
        EXPECT_EQ(LitPixels(sheet, cell, 1, 8) > 0, visible) << "cell " << cell;
    }
}

TEST(GlyphSheetTest, CharactersMapToTheirEntries) {
    EXPECT_EQ(GlyphEntry('A'), 3);
    EXPECT_EQ(GlyphEntry('a'), 29);
    EXPECT_EQ(GlyphEntry('0'), 55);
    EXPECT_EQ(GlyphEntry('\xDF'), 88);
    EXPECT_EQ(GlyphEntry(' '), 89);
    EXPECT_EQ(GlyphEntry('\xE9'), -1) << "e acute";
    EXPECT_EQ(GlyphEntry('['), -1);
    EXPECT_EQ(GlyphEntry('\t'), -1);
}

class SliceTest : public IntroFixture {};

TEST_F(SliceTest, FirstIndexAtTheEndAppendsCellsRowByRowWithoutGaps) {
    TDXImageList list(*frmMain);
    list.Items.Add().Name = "keep";
    TDXDIB sheet(*frmMain);
    sheet.DIB = TBitmap(6, 4);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 6; ++x) sheet.DIB.SetPixel(x, y, RGB(static_cast<std::uint8_t>(y / 2 * 3 + x / 2 + 1), 0, 0));
    }
    SliceGlyphSheet(sheet, list, 2, 2, 2, 3, 1, RGB(1, 0, 0), false);
    ASSERT_EQ(list.Items.Count(), 7);
    EXPECT_EQ(list.Items[0].Name, "keep");
    for (int i = 1; i < 7; ++i) {
        const TPictureCollectionItem& item = list.Items[i];
        ASSERT_EQ(item.Picture.Width(), 2);
        ASSERT_EQ(item.Picture.Height(), 2);
        EXPECT_EQ(item.Picture.Pixel(1, 1), RGB(static_cast<std::uint8_t>(i), 0, 0)) << "entry " << i;
        EXPECT_FALSE(item.Transparent);
        EXPECT_EQ(item.TransparentColor, RGB(1, 0, 0));
    }
}

TEST_F(SliceTest, RefusesAGapInTheListOrAGridBeyondTheSheet) {
    TDXImageList list(*frmMain);
    TDXDIB sheet(*frmMain);
    sheet.DIB = TBitmap(6, 4);
    EXPECT_THROW(SliceGlyphSheet(sheet, list, 2, 2, 1, 1, 1, clBlack, true), Exception) << "index past the end";
    EXPECT_THROW(SliceGlyphSheet(sheet, list, 2, 2, 3, 3, 0, clBlack, true), Exception) << "rows past the sheet";
    EXPECT_THROW(SliceGlyphSheet(sheet, list, 2, 2, 2, 4, 0, clBlack, true), Exception) << "columns past the sheet";
    EXPECT_EQ(list.Items.Count(), 0);
    SliceGlyphSheet(sheet, list, 2, 2, 0, 3, 0, clBlack, true);
    EXPECT_EQ(list.Items.Count(), 0) << "no rows, no entries";
}

class StartUpTest : public IntroFixture {};

TEST_F(StartUpTest, TheListHoldsThePicturesAndNinetySixGlyphCells) {
    const TPictureCollection& items = frmMain->ImageList->Items;
    ASSERT_EQ(items.Count(), 99);
    EXPECT_EQ(items[0].Name, "logo");
    EXPECT_EQ(items[1].Name, "star");
    EXPECT_EQ(items[2].Name, "ossrin");
    EXPECT_FALSE(items[2].Transparent);
    for (int i = 0; i < items.Count(); ++i) {
        EXPECT_NE(items[i].Name, "font") << "entry " << i;
        EXPECT_TRUE(items[i].HasSurface()) << "entry " << i;
    }
    const TBitmap& sheet = frmMain->dxFont->DIB;
    for (const int cell : {0, 55, 95}) {
        const TPictureCollectionItem& item = items[3 + cell];
        EXPECT_TRUE(item.Transparent);
        EXPECT_EQ(item.Name, "");
        for (int y = 0; y < GlyphHeight; ++y) {
            for (int x = 0; x < GlyphWidth; ++x) {
                ASSERT_EQ(item.Picture.Pixel(x, y), sheet.Pixel(cell % 32 * 8 + x, cell / 32 * 10 + y)) << "cell " << cell;
            }
        }
    }
}

TEST_F(StartUpTest, TheDrawingSurfaceGetsTheMergedColourTable) {
    const TColorTable& merged = frmMain->ImageList->Items.ColorTable;
    EXPECT_EQ(merged[0], (TRGBQuad{198, 99, 214, 0})) << "the logo's first colour";
    EXPECT_EQ(merged[15], TRGBQuad{}) << "the logo's black";
    EXPECT_EQ(merged[16], (TRGBQuad{4, 2, 4, 0})) << "the signature's near-black";
    EXPECT_EQ(merged[17], (TRGBQuad{255, 255, 255, 0}));
    EXPECT_EQ(merged[18], TRGBQuad{});
    EXPECT_EQ(frmMain->dxDraw->ColorTable, merged);
    EXPECT_EQ(frmMain->dxDraw->DefColorTable, merged);
}

}  // namespace
