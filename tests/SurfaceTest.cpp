#include "platform/DXDraw.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

int CountPixels(const TDirectDrawSurface& surface, std::uint16_t value) {
    return static_cast<int>(std::count(surface.Pixels().begin(), surface.Pixels().end(), value));
}

TEST(SurfaceTest, ColorMatchPacksRgb565) {
    EXPECT_EQ(TDirectDrawSurface::ColorMatch(RGB(64, 80, 144)), 0x4292u);
    EXPECT_EQ(TDirectDrawSurface::ColorMatch(clWhite), 0xFFFFu);
    EXPECT_EQ(TDirectDrawSurface::ColorMatch(clBlack), 0u);
    EXPECT_EQ(TDirectDrawSurface::ColorMatch(RGB(255, 0, 0)), 0xF800u);
}

TEST(SurfaceTest, ColorOfWidensEveryPixelValueAndMatchesBack) {
    EXPECT_EQ(TDirectDrawSurface::ColorOf(0x4292), RGB(66, 81, 148));
    EXPECT_EQ(TDirectDrawSurface::ColorOf(0xFFFF), clWhite);
    EXPECT_EQ(TDirectDrawSurface::ColorOf(0), clBlack);
    for (std::uint32_t pixel = 0; pixel <= 0xFFFF; ++pixel) {
        ASSERT_EQ(TDirectDrawSurface::ColorMatch(TDirectDrawSurface::ColorOf(pixel)), pixel);
    }
}

struct FillCase {
    const char* name;
    TRect rect;
    int expectedPixels;
};

class FillRectTest : public ::testing::TestWithParam<FillCase> {};

TEST_P(FillRectTest, ExcludesRightAndBottomAndClips) {
    TDirectDrawSurface surface(320, 240);
    surface.FillRect(GetParam().rect, 0x1234);
    EXPECT_EQ(CountPixels(surface, 0x1234), GetParam().expectedPixels);
}

INSTANTIATE_TEST_SUITE_P(Rects, FillRectTest,
                         ::testing::Values(FillCase{"BandFirstFrame", {0, 119, 320, 121}, 640},
                                           FillCase{"BandOpen", {0, 70, 320, 170}, 32000},
                                           FillCase{"HeightZero", {0, 120, 320, 120}, 0},
                                           FillCase{"OffTopLeft", {-10, -10, 5, 5}, 25},
                                           FillCase{"OffBottomRight", {310, 230, 400, 400}, 100},
                                           FillCase{"WhollyOutside", {320, 0, 330, 240}, 0},
                                           FillCase{"Inverted", {50, 50, 40, 60}, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SurfaceTest, CanvasWritesWhiteTextWithoutBackgroundAtTheCorner) {
    TDirectDrawSurface surface(320, 240);
    surface.Fill(0x4292);
    TCanvas& canvas = surface.Canvas();
    canvas.Brush.Style = bsClear;
    canvas.Font.Color = clWhite;
    canvas.Font.Size = 2;
    canvas.TextOut(0, 0, "FPS: 66");

    const int white = CountPixels(surface, 0xFFFF);
    EXPECT_GT(white, 20);
    EXPECT_EQ(white + CountPixels(surface, 0x4292), 320 * 240) << "nothing but white ink on the old background";
    for (int y = 0; y < 240; ++y) {
        for (int x = 0; x < 320; ++x) {
            if (surface.Pixel(x, y) == 0xFFFF) {
                EXPECT_LT(x, 40);
                EXPECT_LT(y, 8);
            }
        }
    }
}

}  // namespace
