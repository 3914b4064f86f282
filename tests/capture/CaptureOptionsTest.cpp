#include "CaptureOptions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Words(const std::string& line) {
    std::vector<std::string> words;
    std::size_t start = 0;
    while (start < line.size()) {
        const std::size_t space = std::min(line.find(' ', start), line.size());
        if (space > start) words.push_back(line.substr(start, space - start));
        start = space + 1;
    }
    return words;
}

TEST(CaptureOptions, DefaultsAreSixtyFramesScaleOneAndEscapeAfterTwoPasses) {
    const CaptureOptions options = ParseCaptureOptions(Words("--wav tune.wav"));
    EXPECT_EQ(options.Rate, 60);
    EXPECT_EQ(options.Scale, 1);
    EXPECT_FALSE(options.EscapeTick);
    EXPECT_FALSE(options.FrameLimit);
    EXPECT_EQ(options.Y4mChroma, Chroma::Full444);
    EXPECT_TRUE(options.WantsAudio());
}

TEST(CaptureOptions, EveryOptionInBothSpellings) {
    const CaptureOptions options = ParseCaptureOptions(
        Words("--rate=50 --escape 400 --space 305,320 --space=330 --frames 500 --scale 4 --png-dir out "
              "--png-ticks 101,150 --y4m - --chroma 420 --quiet"));
    EXPECT_EQ(options.Rate, 50);
    EXPECT_EQ(options.EscapeTick, 400);
    EXPECT_EQ(options.SpaceTicks, (std::vector<std::int32_t>{305, 320, 330}));
    EXPECT_EQ(options.FrameLimit, 500);
    EXPECT_EQ(options.Scale, 4);
    EXPECT_EQ(options.PngDir, "out");
    EXPECT_EQ(options.PngTicks, (std::vector<std::int32_t>{101, 150}));
    EXPECT_EQ(options.Y4mPath, "-");
    EXPECT_EQ(options.Y4mChroma, Chroma::Subsampled420);
    EXPECT_TRUE(options.Quiet);
    EXPECT_FALSE(options.WantsAudio());
}

TEST(CaptureOptions, HelpWinsOverEverythingElse) {
    EXPECT_TRUE(ParseCaptureOptions(Words("--rate 0 --help")).Help);
}

TEST(CaptureOptions, BadValuesAreRefusedWithTheirReason) {
    const struct {
        const char* line;
        const char* says;
    } cases[] = {
        {"", "nothing to write"},
        {"--rate 67 --wav a.wav", "--rate: 67 is out of range (1 to 66)"},
        {"--rate 0 --wav a.wav", "out of range"},
        {"--rate sixty --wav a.wav", "'sixty' is not a whole number"},
        {"--rate 60fps --wav a.wav", "not a whole number"},
        {"--scale 9 --wav a.wav", "--scale: 9 is out of range (1 to 8)"},
        {"--escape 300 --wav a.wav", "keys only from tick 301 on, not at tick 300"},
        {"--space 305,12 --wav a.wav", "not at tick 12"},
        {"--space 305, --wav a.wav", "is not a whole number"},
        {"--frames 0 --wav a.wav", "out of range"},
        {"--chroma 422 --wav a.wav", "'422' is neither 420 nor 444"},
        {"--wav", "--wav needs a value"},
        {"--wav=", "--wav needs a value"},
        {"--quiet=yes --wav a.wav", "takes no value"},
        {"--fps 60 --wav a.wav", "unknown option '--fps'"},
        {"--png-ticks 101 --wav a.wav", "--png-ticks needs --png-dir"},
        {"--mp4 -", "--mp4 cannot write to standard output"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        try {
            ParseCaptureOptions(Words(c.line));
            ADD_FAILURE() << "accepted";
        } catch (const OptionError& error) {
            EXPECT_NE(std::string(error.what()).find(c.says), std::string::npos) << error.what();
        }
    }
}

}  // namespace
