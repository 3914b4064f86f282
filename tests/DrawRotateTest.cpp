#include "platform/Application.h"
#include "platform/Form.h"
#include "platform/HeadlessScreen.h"
#include "platform/ImageList.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <utility>
#include <vector>

namespace {

constexpr std::uint16_t Untouched = 0x1234;

// A 20 x 20 picture whose every pixel has a colour of its own, except one black pixel.
TBitmap Picture() {
    TBitmap picture(20, 20);
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) {
            picture.SetPixel(x, y, RGB(static_cast<std::uint8_t>(8 + 12 * x), static_cast<std::uint8_t>(8 + 12 * y), 200));
        }
    }
    picture.SetPixel(4, 6, clBlack);
    return picture;
}

class DrawRotateTest : public ::testing::Test {
protected:
    DrawRotateTest() {
        imageList.SetDXDraw(&dxDraw);
        TPictureCollectionItem& item = imageList.Items.Add();
        item.Picture = Picture();
        dxDraw.Initialize();
    }

    // Draws the star way: 20 x 20, centre fractions 0.5 and 0.54.
    void Draw(int x, int y, int angle) {
        dxDraw.Surface().Fill(Untouched);
        imageList.Items[0].DrawRotate(dxDraw.Surface(), x, y, 20, 20, 0, 0.5, 0.54, angle);
    }
    std::uint16_t At(int x, int y) { return dxDraw.Surface().Pixel(x, y); }
    static std::uint16_t Source(int column, int row) {
        return static_cast<std::uint16_t>(TDirectDrawSurface::ColorMatch(Picture().Pixel(column, row)));
    }
    int Touched() {
        int count = 0;
        for (const std::uint16_t pixel : dxDraw.Surface().Pixels()) count += pixel != Untouched;
        return count;
    }

    FakeClock clock;
    HeadlessScreen screen{&clock};
    TApplication application{screen, clock};
    TForm form{application};
    TDXDraw dxDraw{form};
    TDXImageList imageList{form};
};

TEST_F(DrawRotateTest, QuarterTurnsMoveEveryPixelAboutTheCentreClockwise) {
    struct Case {
        int angle;
        // Where source pixel (column, row) lands, relative to the centre.
        std::pair<int, int> (*lands)(int column, int row);
    };
    const Case cases[] = {
        {0, [](int c, int r) { return std::pair{c - 10, r - 10}; }},
        {64, [](int c, int r) { return std::pair{10 - r, c - 10}; }},  // the top row turns to the right
        {128, [](int c, int r) { return std::pair{10 - c, 10 - r}; }},
        {192, [](int c, int r) { return std::pair{r - 10, 10 - c}; }},
        {256, [](int c, int r) { return std::pair{c - 10, r - 10}; }},
    };
    for (const Case& c : cases) {
        Draw(100, 101, c.angle);
        for (int row = 0; row < 20; ++row) {
            for (int column = 0; column < 20; ++column) {
                const auto [dx, dy] = c.lands(column, row);
                const std::uint16_t expected = column == 4 && row == 6 ? Untouched : Source(column, row);
                ASSERT_EQ(At(100 + dx, 101 + dy), expected) << c.angle << ": " << column << "," << row;
            }
        }
        EXPECT_EQ(Touched(), 399) << "nothing beyond the picture, black left out; angle " << c.angle;
    }
}

TEST_F(DrawRotateTest, OnlyTheAngleModuloAFullTurnCounts) {
    Draw(50, 60, 2);
    const std::vector<std::uint16_t> two = dxDraw.Surface().Pixels();
    Draw(50, 60, 258);
    EXPECT_EQ(dxDraw.Surface().Pixels(), two);
    Draw(50, 60, 2 - 256);
    EXPECT_EQ(dxDraw.Surface().Pixels(), two);
    EXPECT_GT(Touched(), 380);
}

TEST_F(DrawRotateTest, WritesNothingOutsideTheSurface) {
    for (const auto& [x, y] : {std::pair{0, 0}, std::pair{319, 239}, std::pair{-9, 120}, std::pair{330, 5},
                              std::pair{160, -9}, std::pair{5, 248}}) {
        for (const int angle : {0, 32, 64, 100}) {
            Draw(x, y, angle);
            // A write past a row's end would show up on the other side of the surface.
            for (int row = 0; row < 240; ++row) {
                for (int column = 0; column < 320; ++column) {
                    const bool near = std::abs(column - x) <= 15 && std::abs(row - y) <= 15;
                    if (!near) {
                        ASSERT_EQ(At(column, row), Untouched) << x << "," << y << " at " << column << "," << row;
                    }
                }
            }
        }
    }
}

}  // namespace
