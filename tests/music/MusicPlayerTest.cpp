// The mixer behind the library, driven without a device as the audio callback drives it.
#include "MainUnit.h"
#include "MusicPlayer.h"
#include "MusicTestSupport.h"
#include "TestModule.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <vector>

namespace {

constexpr std::int32_t Rate = 44100;
constexpr std::uint32_t IntroFlags = BASSMOD_MUSIC_RAMP | BASSMOD_MUSIC_LOOP | BASSMOD_MUSIC_AMIGA;

struct Stereo {
    std::vector<std::int16_t> left, right;
};

Stereo Render(MusicPlayer& player, std::size_t frames) {
    std::vector<std::int16_t> buffer(frames * 2);
    for (std::size_t done = 0; done < frames; done += 1000) {
        player.Mix(buffer.data() + done * 2, std::min<std::size_t>(1000, frames - done));
    }
    Stereo out;
    for (std::size_t i = 0; i < frames; ++i) {
        out.left.push_back(buffer[2 * i]);
        out.right.push_back(buffer[2 * i + 1]);
    }
    return out;
}

int Peak(const std::vector<std::int16_t>& samples) {
    int peak = 0;
    for (const std::int16_t s : samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
    return peak;
}

class MusicPlayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(player.Load(module, IntroFlags));
    }
    std::vector<std::uint8_t> module = MakeTestModule();
    MusicPlayer player{Rate};
};

TEST_F(MusicPlayerTest, SilentUntilPlayedThenSoundsTheSame_OnEveryRun) {
    EXPECT_EQ(Peak(Render(player, 4410).left), 0) << "a loaded module waits for Play";
    ASSERT_TRUE(player.Play());
    const Stereo first = Render(player, Rate);
    EXPECT_GT(Peak(first.left), 1000);

    MusicPlayer again{Rate};
    ASSERT_TRUE(again.Load(module, IntroFlags));
    again.Play();
    const Stereo second = Render(again, Rate);
    EXPECT_EQ(first.left, second.left) << "no random dither: output is repeatable";
    EXPECT_EQ(first.right, second.right);
}

TEST_F(MusicPlayerTest, ModerateStereoSeparationBleedsAHardLeftChannelIntoTheRight) {
    player.Play();
    const Stereo moderate = Render(player, Rate / 2);
    EXPECT_GT(Peak(moderate.right), 0) << "not hard left";
    EXPECT_LT(Peak(moderate.right), Peak(moderate.left));

    player.SetStereoSeparation(100);
    player.Stop();
    player.Play();
    EXPECT_EQ(Peak(Render(player, Rate / 2).right), 0) << "full separation is Amiga hard panning";
}

TEST_F(MusicPlayerTest, VolumePauseAndStop) {
    player.Play();
    const int full = Peak(Render(player, Rate / 2).left);
    player.SetVolume(0);
    EXPECT_EQ(Peak(Render(player, 4410).left), 0);
    player.SetVolume(100);

    player.Pause();
    EXPECT_EQ(player.State(), std::uint32_t{BASSMOD_PAUSED});
    const auto paused = player.Position();
    EXPECT_EQ(Peak(Render(player, 4410).left), 0);
    EXPECT_EQ(player.Position(), paused) << "a pause keeps the position";
    player.Play();
    EXPECT_GT(Peak(Render(player, Rate / 4).left), full / 2);

    player.Stop();
    EXPECT_EQ(player.State(), std::uint32_t{BASSMOD_STOPPED});
    EXPECT_EQ(player.Position(), std::optional<std::uint32_t>(0)) << "stop rewinds";
}

TEST_F(MusicPlayerTest, PositionsLengthAndName) {
    EXPECT_EQ(player.LengthInOrders(), std::optional<std::uint32_t>(1));
    // 64 rows at speed 6 and 125 BPM: 64 * 6 * 2.5 / 125 s.
    EXPECT_NEAR(static_cast<double>(*player.LengthInMs()), 7680.0, 1.0);
    EXPECT_EQ(player.Name(), "velmora test");

    EXPECT_TRUE(player.SetPosition(std::uint32_t{32} << 16));
    EXPECT_EQ(player.Position(), std::optional<std::uint32_t>(std::uint32_t{32} << 16));
    player.SetPositionScaler(4);
    EXPECT_EQ(player.Position(), std::optional<std::uint32_t>(std::uint32_t{128} << 16));
    EXPECT_FALSE(player.SetPosition(5)) << "order 5 does not exist";

    player.Unload();
    EXPECT_EQ(player.Position(), std::nullopt);
    EXPECT_EQ(player.Name(), "");
    EXPECT_FALSE(player.Play());
}

TEST_F(MusicPlayerTest, AtTheEndTheTuneLoopsOrStopsAndTheEndSyncFires) {
    struct Seen {
        int ends = 0;
        int rowsAt16 = 0;
    } seen;
    player.AddSync(BASSMOD_SYNC_END, 0, [](std::uint32_t, std::uint32_t, void* user) { ++static_cast<Seen*>(user)->ends; },
                   &seen);
    player.AddSync(BASSMOD_SYNC_POSITION, std::uint32_t{16} << 16 | 0xFFFF,
                   [](std::uint32_t, std::uint32_t, void* user) { ++static_cast<Seen*>(user)->rowsAt16; }, &seen);
    player.Play();
    Render(player, 10 * Rate);  // the tune lasts 7.68 s, a row 0.12 s: row 16 again at 9.6 s
    EXPECT_EQ(seen.ends, 1);
    EXPECT_EQ(seen.rowsAt16, 2) << "row 16 on the first pass and again after the loop";
    EXPECT_EQ(player.State(), std::uint32_t{BASSMOD_PLAYING});
    EXPECT_GT(Peak(Render(player, Rate / 4).left), 1000) << "looping: it plays on";

    ASSERT_TRUE(player.Load(module, BASSMOD_MUSIC_AMIGA));  // no loop flag
    player.Play();
    Render(player, 8 * Rate);
    EXPECT_EQ(player.State(), std::uint32_t{BASSMOD_STOPPED});
    EXPECT_EQ(Peak(Render(player, Rate / 4).left), 0);
}

TEST(MusicPlayerLoad, DataThatIsNoModuleIsRefusedAndDropsTheOldOne) {
    MusicPlayer player{Rate};
    const std::vector<std::uint8_t> module = MakeTestModule();
    ASSERT_TRUE(player.Load(module, 0));
    for (const std::vector<std::uint8_t>& junk :
         {std::vector<std::uint8_t>{}, std::vector<std::uint8_t>(100, 0xFF),
          std::vector<std::uint8_t>(2000, 'x')}) {
        EXPECT_FALSE(player.Load(junk, 0)) << junk.size() << " bytes";
        EXPECT_FALSE(player.Loaded());
    }
}

}  // namespace

// openmpt123, an independent front end to libopenmpt, renders the intro's tune with the settings
// the player uses for it; our mixer must come out the same.
TEST(MusicPlayerReference, MatchesOpenmpt123OnTheFirstSecondOfTheTune) {
    if (std::system("command -v openmpt123 >/dev/null 2>&1") != 0) GTEST_SKIP() << "openmpt123 is not installed";
    const ScratchDir scratch;
    const std::string module = scratch.Path() + "/tune.mod";
    std::ofstream(module, std::ios::binary)
        .write(reinterpret_cast<const char*>(ModuleImage.data()), static_cast<std::streamsize>(ModuleImage.size()));
    const std::string command = "openmpt123 --quiet --render --output-type raw --samplerate 44100 --no-float "
                                "--stereo 100 --dither 0 --ctl render.resampler.emulate_amiga=1 --end-time 1 '" +
                                module + "' >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    const std::vector<std::uint8_t> reference = ReadBytes(module + ".raw");
    ASSERT_GE(reference.size(), std::size_t{Rate} * 4);

    MusicPlayer player{Rate};
    ASSERT_TRUE(player.Load(ModuleImage, IntroFlags));
    player.Play();
    std::vector<std::int16_t> ours(std::size_t{Rate} * 2);
    player.Mix(ours.data(), Rate);
    int worst = 0;
    for (std::size_t i = 0; i < ours.size(); ++i) {
        const auto theirs = static_cast<std::int16_t>(reference[2 * i] | reference[2 * i + 1] << 8);
        worst = std::max(worst, std::abs(ours[i] - theirs));
    }
    EXPECT_LE(worst, 1) << "largest difference of a sample";
}
