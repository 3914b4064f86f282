// Whole captures: the same run gives the same bytes, the default Escape comes after two
// scroller passes, the read-out shows the nominal rate, and nothing is left in the temp directory.
#include "Capture.h"
#include "HeadlessIntro.h"

#include "../WorkingDirectory.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// Keeps everything a capture hands on.
class RecordingSink final : public CaptureSink {
public:
    void Frame(std::int32_t /*tick*/, std::span<const std::uint16_t> pixels) override {
        frames.emplace_back(pixels.begin(), pixels.end());
    }
    void Audio(std::span<const std::int16_t> samples) override { audio.insert(audio.end(), samples.begin(), samples.end()); }

    std::vector<std::vector<std::uint16_t>> frames;
    std::vector<std::int16_t> audio;
};

CaptureOptions Options(const std::vector<std::string>& words) {
    std::vector<std::string> all = {"--quiet", "--wav", "unused.wav"};
    all.insert(all.end(), words.begin(), words.end());
    CaptureOptions options = ParseCaptureOptions(all);
    return options;
}

class CaptureRun : public ::testing::Test {
protected:
    // Runs in an empty working directory, so the built-in texts apply, with a private temp directory.
    CaptureRun() {
        const char* previous = std::getenv("TMPDIR");
        previousTmp_ = previous != nullptr ? previous : "";
        hadTmp_ = previous != nullptr;
        std::filesystem::create_directory("tmp");
        tmp_ = std::filesystem::absolute("tmp").string();
        setenv("TMPDIR", tmp_.c_str(), 1);
    }
    ~CaptureRun() override {
        if (hadTmp_) {
            setenv("TMPDIR", previousTmp_.c_str(), 1);
        } else {
            unsetenv("TMPDIR");
        }
    }

    CaptureSummary Run(const CaptureOptions& options, RecordingSink& sink) {
        ProgressBar quiet(std::cerr, false, std::nullopt);
        return RunCapture(options, sink, quiet);
    }

    ScopedWorkingDirectory directory_;
    std::string tmp_;
    std::string previousTmp_;
    bool hadTmp_ = false;
};

TEST_F(CaptureRun, TheSameCaptureGivesTheSameFramesAndMusic) {
    const CaptureOptions options = Options({"--frames", "320", "--space", "301"});
    RecordingSink first;
    RecordingSink second;
    Run(options, first);
    Run(options, second);
    ASSERT_EQ(first.frames.size(), 320u);
    EXPECT_TRUE(first.frames == second.frames);
    EXPECT_TRUE(first.audio == second.audio);
    // Ticks 100 to 319 at 735 sample frames each; the music is really there.
    EXPECT_EQ(first.audio.size(), 2u * 220 * 735);
    EXPECT_NE(std::count(first.audio.begin(), first.audio.end(), std::int16_t{0}), static_cast<long>(first.audio.size()));
}

TEST_F(CaptureRun, TheMusicStartLeavesNoTempFilesBehind) {
    RecordingSink sink;
    Run(Options({"--frames", "105"}), sink);
    EXPECT_TRUE(std::filesystem::is_empty(tmp_));
}

TEST_F(CaptureRun, ByDefaultEscapeFollowsTwoWholeScrollerPassesAndTheCaptureEndsWhenTheFormCloses) {
    std::int32_t scrollCount = 0;
    {
        HeadlessIntro intro(60);
        scrollCount = intro.Form().ScrollCount;
    }
    RecordingSink sink;
    const CaptureSummary summary = Run(Options({}), sink);
    // The scroller first runs at tick 150; a pass lasts 8 x (ScrollCount - 46) frames; Escape
    // comes on the tick after the third pass's first frame.
    const std::int32_t thirdPass = 150 + 2 * 8 * (scrollCount - 46);
    EXPECT_EQ(summary.EscapeTick, thirdPass + 1);
    EXPECT_TRUE(summary.Closed);
    ASSERT_EQ(static_cast<std::int32_t>(sink.frames.size()), summary.Frames);
    // The band has shut on the last frame: black; the frame before still shows its last two rows.
    const auto& last = sink.frames.back();
    EXPECT_EQ(std::count(last.begin(), last.end(), std::uint16_t{0}), static_cast<long>(last.size()));
    const auto& beforeLast = sink.frames[sink.frames.size() - 2];
    EXPECT_EQ(std::count(beforeLast.begin(), beforeLast.end(), std::uint16_t{0}), static_cast<long>(last.size() - 2 * 320));
    // The music runs to the end of the last frame.
    EXPECT_EQ(sink.audio.size(), 2u * static_cast<std::size_t>(summary.Frames - 100) * 735);
}

TEST_F(CaptureRun, TheFrameRateReadOutShowsTheNominalRate) {
    for (const int rate : {60, 50, 25, 66}) {
        SCOPED_TRACE(rate);
        HeadlessIntro intro(rate);
        for (int tick = 0; tick < 200; ++tick) intro.Step();
        EXPECT_EQ(intro.Form().dxTimer->FrameRate(), rate);
    }
}

TEST_F(CaptureRun, AnIntroThatCannotStartIsAnErrorNotAnEndlessBlackCapture) {
    // A text file that exists but cannot be read stops the form's creation.
    std::filesystem::create_directory("velmora.dll");
    EXPECT_THROW(HeadlessIntro intro(60), std::runtime_error);
}

}  // namespace
