// The capture's file formats, byte by byte: the YUV4MPEG2 stream with its BT.601 values, the
// WAV header, the scaling, and where each tick's music begins.
#include "LockstepAudio.h"
#include "ScaledFrame.h"
#include "WavWriter.h"
#include "Y4mWriter.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr std::uint16_t Black = 0x0000;
constexpr std::uint16_t White = 0xFFFF;
constexpr std::uint16_t Red = 0xF800;
constexpr std::uint16_t Green = 0x07E0;
constexpr std::uint16_t Blue = 0x001F;

std::vector<std::uint16_t> Filled(std::uint16_t pixel) {
    return std::vector<std::uint16_t>(static_cast<std::size_t>(FrameWidth) * FrameHeight, pixel);
}

std::vector<std::uint8_t> WriteY4m(const std::vector<std::uint16_t>& frame, int scale, Chroma chroma) {
    std::FILE* file = std::tmpfile();
    {
        Y4mWriter writer(file, "test", 60, scale, chroma);
        writer.WriteFrame(frame);
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(std::ftell(file)));
    std::rewind(file);
    EXPECT_EQ(std::fread(bytes.data(), 1, bytes.size(), file), bytes.size());
    std::fclose(file);
    return bytes;
}

struct Ycc {
    int Y, Cb, Cr;
    bool operator==(const Ycc&) const = default;
};

// The Y'CbCr of one pixel of a one-frame 4:4:4 stream at scale 1.
Ycc Sample444(const std::vector<std::uint8_t>& stream, int x, int y) {
    const std::size_t plane = static_cast<std::size_t>(FrameWidth) * FrameHeight;
    const std::size_t data = stream.size() - 3 * plane;
    const std::size_t at = static_cast<std::size_t>(y) * FrameWidth + static_cast<std::size_t>(x);
    return {stream[data + at], stream[data + plane + at], stream[data + 2 * plane + at]};
}

TEST(Y4mStream, HeaderNamesSizeRateChromaAndStudioRange) {
    EXPECT_EQ(Y4mWriter::Header(640, 480, 60, Chroma::Full444),
              "YUV4MPEG2 W640 H480 F60:1 Ip A1:1 C444 XCOLORRANGE=LIMITED\n");
    EXPECT_EQ(Y4mWriter::Header(320, 240, 50, Chroma::Subsampled420),
              "YUV4MPEG2 W320 H240 F50:1 Ip A1:1 C420jpeg XCOLORRANGE=LIMITED\n");
}

// Reference values: BT.601 studio range, Y' = 16 + 219 (0.299 R + 0.587 G + 0.114 B) and so on.
TEST(Y4mStream, PrimariesAndGreysHaveTheirBt601Values) {
    const struct {
        std::uint16_t pixel;
        Ycc expected;
    } cases[] = {
        {Black, {16, 128, 128}},   {White, {235, 128, 128}}, {Red, {81, 90, 240}},
        {Green, {145, 54, 34}},    {Blue, {41, 240, 110}},   {0x8410, {128, 129, 129}},  // R 132, G 130, B 132
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pixel);
        const auto stream = WriteY4m(Filled(c.pixel), 1, Chroma::Full444);
        EXPECT_EQ(Sample444(stream, 17, 33), c.expected);
    }
}

TEST(Y4mStream, FrameSizesFollowScaleAndChroma) {
    const std::string header444 = Y4mWriter::Header(960, 720, 60, Chroma::Full444);
    EXPECT_EQ(WriteY4m(Filled(Black), 3, Chroma::Full444).size(), header444.size() + 6 + 960 * 720 * 3);
    const std::string header420 = Y4mWriter::Header(320, 240, 60, Chroma::Subsampled420);
    EXPECT_EQ(WriteY4m(Filled(Black), 1, Chroma::Subsampled420).size(), header420.size() + 6 + 320 * 240 * 3 / 2);
}

TEST(Y4mStream, SubsampledChromaAveragesEachTwoByTwoBlock) {
    // Columns alternate red and blue: every 2x2 block holds two of each.
    std::vector<std::uint16_t> frame = Filled(Black);
    for (std::size_t i = 0; i < frame.size(); ++i) frame[i] = i % 2 == 0 ? Red : Blue;
    const auto stream = WriteY4m(frame, 1, Chroma::Subsampled420);
    const std::size_t plane = static_cast<std::size_t>(FrameWidth) * FrameHeight;
    const std::size_t cb = stream.size() - plane / 2;
    const std::size_t cr = stream.size() - plane / 4;
    // Cb (90.2 + 240) / 2 = 165.1, Cr (240 + 109.8) / 2 = 174.9: averaged before rounding.
    EXPECT_EQ(stream[cb], 165);
    EXPECT_EQ(stream[cr], 175);
    EXPECT_EQ(stream[cb - plane], 81);  // luma keeps each pixel: the first one is red
    EXPECT_EQ(stream[cb - plane + 1], 41);
}

TEST(ScaledFrame, EveryPixelBecomesAScaleByScaleSquare) {
    std::vector<std::uint16_t> frame = Filled(Black);
    frame[0] = Red;
    frame[FrameWidth + 1] = Green;                // (1, 1)
    frame[frame.size() - 1] = Blue;               // (319, 239)
    ScaledFrame scaled;
    ScaleFrame(frame, 3, scaled);
    ASSERT_EQ(scaled.Width, 960);
    ASSERT_EQ(scaled.Height, 720);
    const auto at = [&](int x, int y) { return scaled.Pixels[static_cast<std::size_t>(y) * 960 + static_cast<std::size_t>(x)]; };
    EXPECT_EQ(at(2, 2), Red);
    EXPECT_EQ(at(3, 2), Black);
    EXPECT_EQ(at(3, 3), Green);
    EXPECT_EQ(at(5, 5), Green);
    EXPECT_EQ(at(6, 5), Black);
    EXPECT_EQ(at(957, 717), Blue);
    EXPECT_EQ(at(959, 719), Blue);
}

TEST(WavFile, HeaderDescribesSixteenBitStereoAndTheDataLength) {
    const auto path = std::filesystem::temp_directory_path() / "velmora-capture-test.wav";
    WavWriter wav(path.string(), 44100, 2);
    const std::array<std::int16_t, 6> samples = {1, -1, 0x1234, -32768, 32767, 0};
    wav.Write(samples);
    EXPECT_EQ(wav.FramesWritten(), 3u);
    wav.Finish();

    std::ifstream file(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::filesystem::remove(path);
    const std::vector<std::uint8_t> expected = {
        'R', 'I', 'F', 'F', 48, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ',
        16, 0, 0, 0, 1, 0, 2, 0,                  // PCM, two channels
        0x44, 0xAC, 0, 0, 0x10, 0xB1, 2, 0,       // 44100 Hz, 176400 bytes a second
        4, 0, 16, 0, 'd', 'a', 't', 'a', 12, 0, 0, 0,
        1, 0, 0xFF, 0xFF, 0x34, 0x12, 0x00, 0x80, 0xFF, 0x7F, 0, 0};
    EXPECT_EQ(bytes, expected);
}

TEST(WavFile, APathThatCannotBeCreatedIsAClearError) {
    EXPECT_THROW(WavWriter("/nonexistent-dir/x.wav", 44100, 2), std::runtime_error);
}

TEST(LockstepAudio, EachTickStartsAtItsRoundedSamplePosition) {
    const struct {
        int rate;
        std::int32_t tick;
        std::int64_t sample;
    } cases[] = {
        {60, 100, 0}, {60, 101, 735}, {60, 400, 220500}, {50, 101, 882},
        {66, 101, 668},   // 668.18
        {66, 103, 2005},  // 2004.55
        {7, 101, 6300},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.rate << " fps, tick " << c.tick);
        EXPECT_EQ(LockstepAudio(c.rate).SamplePosition(c.tick), c.sample);
    }
    EXPECT_EQ(LockstepAudio(60).MusicStartDelay(), 73500);
    EXPECT_EQ(LockstepAudio(66).MusicStartDelay(), 66818);  // 66818.18
}

TEST(LockstepAudio, TicksBeforeTheMusicStartAreSilentAndLaterTicksJoinUp) {
    LockstepAudio audio(66);
    EXPECT_TRUE(audio.RenderTick(99).empty());
    std::int64_t frames = 0;
    bool heard = false;
    for (std::int32_t tick = 100; tick < 166; ++tick) {
        const auto samples = audio.RenderTick(tick);
        frames += static_cast<std::int64_t>(samples.size() / 2);
        for (const std::int16_t s : samples) heard = heard || s != 0;
    }
    EXPECT_EQ(frames, 44100);  // 66 ticks at 66 fps: exactly one second
    EXPECT_TRUE(heard);
}

}  // namespace
