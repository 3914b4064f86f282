#include "platform/DisplayFit.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const DisplayMode Asked{320, 240, 16};

struct ModeCase {
    const char* name;
    std::vector<DisplayMode> listed;
    std::vector<DisplayMode> expected;
};

TEST(FullScreenModeCandidates, FollowTheModeRulesBestFirst) {
    const std::vector<ModeCase> cases = {
        {"exact match, which is also the smallest of every shape",
         {{1024, 768, 16}, {320, 240, 32}, {320, 240, 16}, {640, 400, 16}},
         {{320, 240, 16}}},
        {"4:3 first, then any shape when the display refuses it",
         {{800, 600, 16}, {640, 400, 16}},
         {{800, 600, 16}, {640, 400, 16}}},
        {"smallest 4:3 of the right depth, by width then height",
         {{1024, 768, 16}, {800, 600, 16}, {640, 480, 32}, {640, 480, 16}, {320, 200, 16}},
         {{640, 480, 16}}},
        {"4:3 means exactly 4:3, and smaller 4:3 modes do not count",
         {{1366, 1024, 16}, {1280, 1024, 16}, {1400, 1050, 16}, {256, 192, 16}},
         {{1400, 1050, 16}, {1280, 1024, 16}}},
        {"any shape when no 4:3 mode is large enough",
         {{1920, 1080, 16}, {720, 480, 16}, {720, 576, 16}, {320, 200, 16}},
         {{720, 480, 16}}},
        {"a mode must reach both the width and the height", {{640, 200, 16}, {300, 480, 16}}, {}},
        {"only 24- and 32-bit modes", {{320, 240, 24}, {640, 480, 32}, {1920, 1080, 32}}, {}},
        {"nothing large enough", {{256, 192, 16}, {320, 200, 16}}, {}},
        {"nothing listed", {}, {}},
    };
    for (const ModeCase& c : cases) {
        EXPECT_EQ(FullScreenModeCandidates(Asked, c.listed), c.expected) << c.name;
    }
}

TEST(FitFrame, WholeFactorFirstThenPlacedWithItsShapeKept) {
    struct FitCase {
        int outputWidth;
        int outputHeight;
        FrameFit expected;
    };
    const std::vector<FitCase> cases = {
        {1920, 1080, {.Factor = 4, .X = 240, .Y = 0, .Width = 1440, .Height = 1080}},  // 4x, then smooth to 4.5x
        {1280, 1024, {.Factor = 4, .X = 0, .Y = 32, .Width = 1280, .Height = 960}},    // 4x exactly, letterboxed
        {640, 480, {.Factor = 2, .X = 0, .Y = 0, .Width = 640, .Height = 480}},
        {320, 240, {.Factor = 1, .X = 0, .Y = 0, .Width = 320, .Height = 240}},        // the window
        {2560, 1080, {.Factor = 4, .X = 560, .Y = 0, .Width = 1440, .Height = 1080}},  // ultra-wide
        {1080, 1920, {.Factor = 3, .X = 0, .Y = 555, .Width = 1080, .Height = 810}},   // portrait
        {160, 120, {.Factor = 1, .X = 0, .Y = 0, .Width = 160, .Height = 120}},        // smaller than the frame
    };
    for (const FitCase& c : cases) {
        EXPECT_EQ(FitFrame(320, 240, c.outputWidth, c.outputHeight), c.expected)
            << c.outputWidth << "x" << c.outputHeight;
    }
    EXPECT_TRUE(FitFrame(320, 240, 1280, 1024).Exact(320, 240));
    EXPECT_FALSE(FitFrame(320, 240, 1920, 1080).Exact(320, 240));
    EXPECT_EQ(FitFrame(320, 240, 0, 0), FrameFit{}) << "a window of no size shows nothing and divides by nothing";
}

}  // namespace
