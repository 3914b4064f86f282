// The committed module as an independent player hears it: openmpt123 renders it once through,
// up to the point where it loops, in its default 32-bit float output.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int Rate = 48000;

class Rendered : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        const std::string command = "openmpt123 --quiet --batch --stdout --float --samplerate 48000 --channels 2 -- '" +
                                    std::string(VELMORA_MODULE_FILE) + "'";
        FILE* pipe = popen(command.c_str(), "r");
        ASSERT_NE(pipe, nullptr);
        float buffer[4096];
        std::size_t count = 0;
        while ((count = std::fread(buffer, sizeof(float), std::size(buffer), pipe)) > 0) {
            samples.insert(samples.end(), buffer, buffer + count);
        }
        status = pclose(pipe);
    }
    void SetUp() override {
        ASSERT_EQ(status, 0) << "openmpt123 failed (is it installed? scripts/setup installs it)";
        ASSERT_FALSE(samples.empty());
    }
    static double Seconds() { return static_cast<double>(samples.size()) / 2 / Rate; }

    static inline std::vector<float> samples;  // interleaved left, right
    static inline int status = -1;
};

TEST_F(Rendered, PlaysAtLeast45SecondsBeforeItLoops) {
    EXPECT_GE(Seconds(), 45.0);
    EXPECT_LE(Seconds(), 300.0);
}

TEST_F(Rendered, IsAudibleInEveryStretchOfTwoSeconds) {
    const std::size_t window = 2 * 2 * Rate;
    for (std::size_t start = 0; start + window <= samples.size(); start += window) {
        double energy = 0;
        for (std::size_t i = start; i < start + window; ++i) {
            energy += static_cast<double>(samples[i]) * samples[i];
        }
        EXPECT_GT(std::sqrt(energy / window), 0.01) << "quiet from second " << start / 2 / Rate;
    }
}

TEST_F(Rendered, NeverClips) {
    const float peak = std::abs(*std::max_element(samples.begin(), samples.end(),
                                                  [](float a, float b) { return std::abs(a) < std::abs(b); }));
    EXPECT_LT(peak, 0.99f);
    std::size_t run = 0;
    std::size_t longest = 0;
    for (const float s : samples) {
        run = std::abs(s) >= 0.999f ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    EXPECT_LT(longest, 2u) << "samples held at full scale";
}

TEST_F(Rendered, HasNoDcOffset) {
    for (std::size_t side = 0; side < 2; ++side) {
        double sum = 0;
        for (std::size_t i = side; i < samples.size(); i += 2) {
            sum += samples[i];
        }
        EXPECT_LT(std::abs(sum / static_cast<double>(samples.size() / 2)), 0.005) << (side == 0 ? "left" : "right");
    }
}

}  // namespace
