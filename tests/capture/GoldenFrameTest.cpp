// The golden frames: a handful of ticks rendered by the capture and compared with committed
// PNGs, and, on those PNGs, the facts that make them right, written out so that a person can
// judge a changed frame. scripts/update-golden renders them again.
#include "Capture.h"
#include "CaptureOutputs.h"
#include "PngFrames.h"
#include "PngReader.h"

#include "../WorkingDirectory.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::filesystem::path GoldenDir = VELMORA_GOLDEN_DIR;
const std::filesystem::path ActualDir = VELMORA_GOLDEN_ACTUAL_DIR;

std::vector<std::string> GoldenCaptureArguments() {
    std::ifstream file(GoldenDir / "capture.args");
    std::vector<std::string> words;
    std::string line;
    while (std::getline(file, line)) {
        std::istringstream stream(line.substr(0, line.find('#')));
        std::string word;
        while (stream >> word) words.push_back(word);
    }
    return words;
}

std::vector<std::string> PngNames(const std::filesystem::path& directory) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(directory)) {
        if (entry.path().extension() == ".png") names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(GoldenFrames, TheCaptureDrawsEveryGoldenFrameAgain) {
    std::filesystem::remove_all(ActualDir);
    std::vector<std::string> arguments = GoldenCaptureArguments();
    ASSERT_FALSE(arguments.empty()) << "no " << (GoldenDir / "capture.args");
    arguments.insert(arguments.end(), {"--png-dir", ActualDir.string(), "--quiet"});
    {
        const ScopedWorkingDirectory empty;  // the built-in texts
        const CaptureOptions options = ParseCaptureOptions(arguments);
        CaptureOutputs outputs(options);
        ProgressBar quiet(std::cerr, false, std::nullopt);
        outputs.Finish(RunCapture(options, outputs, quiet));
    }

    const std::vector<std::string> actual = PngNames(ActualDir);
    ASSERT_EQ(actual, PngNames(GoldenDir)) << "the golden set differs from the capture's ticks: run scripts/update-golden";
    for (const std::string& name : actual) {
        SCOPED_TRACE(name);
        const RgbImage expected = ReadPng((GoldenDir / name).string());
        const RgbImage got = ReadPng((ActualDir / name).string());
        ASSERT_EQ(got.Width, expected.Width);
        ASSERT_EQ(got.Height, expected.Height);
        int differing = 0;
        std::optional<std::pair<int, int>> first;
        for (int y = 0; y < got.Height; ++y) {
            for (int x = 0; x < got.Width; ++x) {
                if (got.At(x, y) == expected.At(x, y)) continue;
                ++differing;
                if (!first) first = {x, y};
            }
        }
        EXPECT_EQ(differing, 0) << "first at (" << first->first << ", " << first->second << "); the new frame is "
                                << (ActualDir / name) << ". If the change is meant, run scripts/update-golden.";
    }
}

// ---- Facts on the golden frames -------------------------------------------------------------

using Pixel = RgbImage::Pixel;
constexpr Pixel BlackPixel{0, 0, 0};
constexpr Pixel BandPixel{66, 81, 148};  // RGB(64, 80, 144) in RGB565, widened again

struct Box {
    int Left = 0, Top = 0, Right = -1, Bottom = -1;  // inclusive; empty when Right < Left
    bool operator==(const Box&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Box& box) {
    return out << "x " << box.Left << ".." << box.Right << ", y " << box.Top << ".." << box.Bottom;
}

class GoldenFrame {
public:
    explicit GoldenFrame(std::int32_t tick) : image_(ReadPng((GoldenDir / PngFrames::FileName(tick)).string())) {}

    Pixel At(int x, int y) const { return image_.At(x, y); }
    bool RowIs(int y, Pixel pixel) const {
        for (int x = 0; x < image_.Width; ++x) {
            if (!(At(x, y) == pixel)) return false;
        }
        return true;
    }
    // The first and last rows that are band colour all across.
    std::pair<int, int> BandRows() const {
        int first = -1, last = -1;
        for (int y = 0; y < image_.Height; ++y) {
            if (!RowIs(y, BandPixel)) continue;
            if (first < 0) first = y;
            last = y;
        }
        return {first, last};
    }
    // The pixels inside the area that are neither black nor band: what is drawn there.
    Box Drawn(const Box& area) const {
        Box box{area.Right + 1, area.Bottom + 1, area.Left - 1, area.Top - 1};
        for (int y = area.Top; y <= area.Bottom; ++y) {
            for (int x = area.Left; x <= area.Right; ++x) {
                if (At(x, y) == BlackPixel || At(x, y) == BandPixel) continue;
                box = {std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x), std::max(box.Bottom, y)};
            }
        }
        return box.Right < box.Left ? Box{} : box;
    }

private:
    RgbImage image_;
};

constexpr Box WholeFrame{0, 0, 319, 239};

TEST(GoldenFrameFacts, TheBandOpensTwoRowsAFrameAboutRow120AndShutsTheSameWay) {
    const struct {
        std::int32_t tick;
        int firstRow, lastRow;
    } cases[] = {
        {101, 119, 120},  // the first drawn frame: 2 rows
        {125, 95, 144},   // 25 steps: 50 rows
        {150, 70, 169},   // open: 100 rows, the other elements appear
        {400, 70, 169},
        {580, 74, 165},   // shutting since tick 577, 2 rows a frame
        {625, 119, 120},  // the last 2 rows
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tick);
        const GoldenFrame frame(c.tick);
        EXPECT_EQ(frame.BandRows(), std::make_pair(c.firstRow, c.lastRow));
        EXPECT_TRUE(frame.RowIs(c.firstRow - 1, BlackPixel));
        EXPECT_TRUE(frame.RowIs(c.lastRow + 1, BlackPixel));
    }
    // Until the band is open, and while it shuts, nothing else is drawn; the form closes on a black frame.
    for (const std::int32_t tick : {101, 125, 580, 625, 626}) {
        EXPECT_EQ(GoldenFrame(tick).Drawn(WholeFrame), Box{}) << tick;
    }
}

// The logo picture is 256 x 53 with its ink in columns 3 to 252.
TEST(GoldenFrameFacts, LogoSlidesInFromTheLeftAndRestsAtX4) {
    const Box logoArea{0, 70, 262, 125};
    EXPECT_EQ(GoldenFrame(150).Drawn(logoArea), Box{}) << "first frame: x = -263, still beyond the left edge";
    EXPECT_EQ(GoldenFrame(240).Drawn(logoArea), (Box{7, 73, 256, 125})) << "at rest at (4, 73) since tick 239";
    EXPECT_EQ(GoldenFrame(400).Drawn(logoArea), (Box{7, 73, 256, 125}));
}

TEST(GoldenFrameFacts, StarSpinsInsideItsTwentyPixelSquareAround285And101) {
    const Box starArea{262, 80, 319, 125};
    for (const std::int32_t tick : {310, 400}) {
        SCOPED_TRACE(tick);
        const Box star = GoldenFrame(tick).Drawn(starArea);
        EXPECT_GE(star.Left, 275);
        EXPECT_LE(star.Right, 294);
        EXPECT_GE(star.Top, 91);
        EXPECT_LE(star.Bottom, 110);
        EXPECT_GE(star.Right - star.Left, 14) << "a star, not a speck";
    }
    EXPECT_EQ(GoldenFrame(400).Drawn(starArea), (Box{276, 92, 293, 109}));
}

// The scroller's line bounces: on ticks 190 and 240 it stands at y = 161 - 8 = 153. The "O"
// that begins the built-in text has its ink from the cell's first column, rows 2 to 6 there.
TEST(GoldenFrameFacts, TheFirstScrollerGlyphEntersAtTheRightEdgeOnTick190) {
    const Box scrollerArea{0, 150, 319, 169};
    EXPECT_EQ(GoldenFrame(150).Drawn(scrollerArea), Box{}) << "the pass starts with the pad's spaces";
    EXPECT_EQ(GoldenFrame(190).Drawn(scrollerArea), (Box{319, 155, 319, 159})) << "'O' at x = 319";
    EXPECT_EQ(GoldenFrame(240).Drawn(scrollerArea).Left, 269) << "50 frames later, 50 pixels to the left";
}

// Glyph cells are 8 x 10; the ink of "i" starts one pixel in and one down, that of "a" one down.
TEST(GoldenFrameFacts, TitleRowsRestOneAboveTheOther) {
    const GoldenFrame frame(310);
    EXPECT_EQ(frame.Drawn({0, 126, 319, 136}), (Box{33, 129, 235, 136})) << "\"is pleased to present you:\" at (32, 128)";
    EXPECT_EQ(frame.Drawn({0, 137, 319, 149}), (Box{40, 138, 230, 145})) << "\"another stunning release\" at (40, 137)";
}

TEST(GoldenFrameFacts, TheReadOutShowsInTheTopLeftCornerOnlyWhileOn) {
    const Box corner{0, 0, 60, 20};
    EXPECT_EQ(GoldenFrame(400).Drawn(corner), Box{});
    EXPECT_EQ(GoldenFrame(410).Drawn(corner), (Box{0, 0, 26, 4})) << "\"FPS: 60\", on since tick 405";
    EXPECT_EQ(GoldenFrame(430).Drawn(corner), Box{}) << "switched off again on tick 425";
}

TEST(GoldenFrameFacts, OnExitTheLogoLeavesLeftAndTheStarDriftsRight) {
    const GoldenFrame frame(430);  // the 11th exit frame
    EXPECT_EQ(frame.Drawn({0, 70, 262, 125}).Right, 256 - 33) << "3 pixels a frame";
    const Box star = frame.Drawn({262, 80, 319, 125});
    EXPECT_GE(star.Left, 275 + 11) << "1 pixel a frame: its square now starts at x = 286";
    EXPECT_LE(star.Right, 294 + 11);
}

}  // namespace
