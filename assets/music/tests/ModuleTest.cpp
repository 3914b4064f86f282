// The committed module: exactly what the generator makes of the score, and a consistent ProTracker file.
#include "ModuleFile.h"
#include "ModuleWriter.h"
#include "Score.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class CommittedModule : public ::testing::Test {
protected:
    std::vector<std::uint8_t> bytes = ReadBytes(VELMORA_MODULE_FILE);
    ModuleFile module = ReadModuleFile(bytes);
};

TEST_F(CommittedModule, IsWhatTheGeneratorMakesOfTheScore) {
    const std::vector<std::uint8_t> score = ReadBytes(VELMORA_SCORE_FILE);
    const auto regenerated = modgen::BuildModule(modgen::ParseScore({reinterpret_cast<const char*>(score.data()), score.size()}));
    ASSERT_EQ(regenerated.size(), bytes.size()) << "regenerate with: cmake --build build --target regenerate-music";
    const auto difference = std::mismatch(regenerated.begin(), regenerated.end(), bytes.begin());
    EXPECT_TRUE(difference.first == regenerated.end())
        << "first difference at byte " << (difference.first - regenerated.begin());
}

TEST_F(CommittedModule, HeaderMatchesTheData) {
    EXPECT_EQ(module.signature, "M.K.");
    EXPECT_FALSE(module.title.empty());
    ASSERT_GE(module.songLength, 1);
    ASSERT_LE(module.songLength, 128);
    EXPECT_TRUE(std::all_of(module.order.begin() + module.songLength, module.order.end(), [](int p) { return p == 0; }))
        << "order entries past the song length are zero";
    EXPECT_LE(module.patternCount, 64);
    EXPECT_EQ(bytes.size(), 1084u + static_cast<std::size_t>(module.patternCount) * 1024u + module.sampleDataBytes);
    EXPECT_LT(bytes.size(), 64u * 1024u) << "the tune stays small";
}

TEST_F(CommittedModule, SampleHeadersDescribeTheirData) {
    std::size_t data = 1084 + static_cast<std::size_t>(module.patternCount) * 1024;
    for (const SampleHeader& sample : module.samples) {
        SCOPED_TRACE(sample.name);
        EXPECT_LE(sample.volume, 64);
        EXPECT_LE(sample.loopStartBytes + sample.loopLengthBytes, std::max<std::size_t>(sample.lengthBytes, 2));
        if (sample.lengthBytes > 0) {
            EXPECT_GE(sample.loopLengthBytes, 2u) << "a loop of one word means 'no loop'";
            EXPECT_EQ(bytes[data], 0) << "the repeat word of a one-shot sample is silent";
            EXPECT_EQ(bytes[data + 1], 0);
        }
        data += sample.lengthBytes;
    }
}

TEST_F(CommittedModule, PatternsPlayProTrackerNotesOnDefinedSamples) {
    for (int p = 0; p < module.patternCount; ++p) {
        for (std::size_t cell = 0; cell < 64 * 4; ++cell) {
            const std::size_t at = 1084 + static_cast<std::size_t>(p) * 1024 + cell * 4;
            const int period = (bytes[at] & 0x0F) << 8 | bytes[at + 1];
            const int sample = (bytes[at] & 0xF0) | bytes[at + 2] >> 4;
            SCOPED_TRACE("pattern " + std::to_string(p) + " row " + std::to_string(cell / 4) + " channel " +
                         std::to_string(cell % 4 + 1));
            EXPECT_TRUE(period == 0 || std::find(modgen::PeriodTable.begin(), modgen::PeriodTable.end(), period) !=
                                           modgen::PeriodTable.end());
            if (sample != 0) {
                EXPECT_GT(module.samples[sample - 1].lengthBytes, 0u);
            }
        }
    }
}

}  // namespace
