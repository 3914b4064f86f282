// The synthesised instruments: exact integer sine, and samples that loop and end without clicks.
#include "FixedMath.h"
#include "Instruments.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <stdexcept>

namespace {

TEST(FixedMath, SineIsWithinOneUnitOfTheTrueSine) {
    for (std::int64_t phase = -modgen::PhaseTurn; phase <= 2 * modgen::PhaseTurn; phase += 7) {
        const double exact = std::sin(2.0 * std::numbers::pi * static_cast<double>(phase) / modgen::PhaseTurn) * modgen::Unit;
        ASSERT_NEAR(static_cast<double>(modgen::Sine(phase)), exact, 1.0) << "phase " << phase;
    }
}

TEST(FixedMath, DecayHalvesEveryHalfLife) {
    EXPECT_EQ(modgen::Decay(0, 100), modgen::Unit);
    EXPECT_EQ(modgen::Decay(100, 100), modgen::Unit / 2);
    EXPECT_EQ(modgen::Decay(150, 100), modgen::Unit * 3 / 8);
    EXPECT_EQ(modgen::Decay(100 * 40, 100), 0);
}

class EveryInstrument : public ::testing::TestWithParam<std::string_view> {};

TEST_P(EveryInstrument, IsAProTrackerSampleThatNeverClicks) {
    const modgen::Sample sample = modgen::Synthesise(GetParam());
    const auto& pcm = sample.pcm;
    ASSERT_GE(pcm.size(), 64u);
    EXPECT_EQ(pcm.size() % 2, 0u);
    EXPECT_LT(pcm.size(), 16u * 1024u);
    EXPECT_EQ(pcm[0], 0);
    EXPECT_EQ(pcm[1], 0);
    const auto loudest = std::max_element(pcm.begin(), pcm.end(), [](int a, int b) { return std::abs(a) < std::abs(b); });
    EXPECT_GE(std::abs(*loudest), 100) << "uses the 8 bits";
    EXPECT_LE(std::abs(*loudest), 120) << "leaves headroom for interpolation";

    if (sample.loopLength == 0) {
        EXPECT_LE(std::abs(pcm.back()), 1) << "a one-shot fades out";
        return;
    }
    EXPECT_EQ(sample.loopStart % 2, 0u);
    EXPECT_EQ(sample.loopLength % 2, 0u);
    ASSERT_LE(sample.loopStart + sample.loopLength, pcm.size());
    // The jump from the loop's end back to its start is no bigger than the steps inside the loop.
    int steepest = 0;
    for (std::size_t i = sample.loopStart + 1; i < sample.loopStart + sample.loopLength; ++i) {
        steepest = std::max(steepest, std::abs(pcm[i] - pcm[i - 1]));
    }
    const int seam = std::abs(pcm[sample.loopStart] - pcm[sample.loopStart + sample.loopLength - 1]);
    EXPECT_LE(seam, steepest);
}

INSTANTIATE_TEST_SUITE_P(Instruments, EveryInstrument, ::testing::ValuesIn(modgen::InstrumentNames()),
                         [](const auto& info) { return std::string(info.param); });

TEST(Instruments, UnknownNameIsRejected) {
    EXPECT_THROW(modgen::Synthesise("theremin"), std::invalid_argument);
}

}  // namespace
