// Our music library itself, bound as the intro binds it, playing to SDL's dummy output (which
// consumes sound in real time on its own audio thread, like a device).
#include "BASSMOD_Dynamic.h"
#include "MusicTestSupport.h"
#include "TestModule.h"

#include <gtest/gtest.h>

#include <chrono>
#include <dlfcn.h>
#include <fstream>
#include <thread>

namespace {

class MusicLibraryTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(BindMusicLibrary(VELMORA_MUSIC_LIBRARY_DIR, VELMORA_MUSIC_LIBRARY_NAME));
        const std::vector<std::uint8_t> bytes = MakeTestModule();
        std::ofstream(modulePath, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                         static_cast<std::streamsize>(bytes.size()));
    }
    ~MusicLibraryTest() override {
        BASSMOD_Free();
        UnbindMusicLibrary();
    }

    std::int32_t LoadModule() { return BASSMOD_MusicLoad(0, modulePath.c_str(), 0, 0, 0x105); }

    ScopedEnv driver{"SDL_AUDIODRIVER", "dummy"};
    ScratchDir scratch;
    std::string modulePath = scratch.Path() + "/Module.mod";
};

TEST_F(MusicLibraryTest, PlaysInTheBackgroundAndFreesInAnyOrder) {
    EXPECT_EQ(BASSMOD_GetVersion(), 0x70000u);
    ASSERT_NE(BASSMOD_Init(-1, 44100, 0), 0) << BASSMOD_ErrorGetCode();
    ASSERT_NE(LoadModule(), 0) << BASSMOD_ErrorGetCode();
    const auto getName = reinterpret_cast<const char* (*)()>(dlsym(MusicLibraryHandle, "BASSMOD_MusicGetName"));
    ASSERT_NE(getName, nullptr) << "the 24th name, beyond the bound ones";
    EXPECT_STREQ(getName(), "velmora test");
    EXPECT_EQ(BASSMOD_MusicGetLength(0), 1u);

    const auto before = std::chrono::steady_clock::now();
    EXPECT_NE(BASSMOD_MusicPlay(), 0);
    EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::milliseconds(100)) << "returns at once";
    EXPECT_EQ(BASSMOD_MusicIsActive(), std::uint32_t{BASSMOD_PLAYING});

    // The audio thread moves on while this thread steers: rows advance (a row is 0.12 s).
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    std::uint32_t volume = 0;
    while (BASSMOD_MusicGetPosition() >> 16 < 8 && std::chrono::steady_clock::now() < deadline) {
        BASSMOD_SetVolume(static_cast<std::int32_t>(volume++ % 101));
        BASSMOD_MusicSetPanSep(volume % 101);
        BASSMOD_GetCPU();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EXPECT_GE(BASSMOD_MusicGetPosition() >> 16, 8u);
    EXPECT_NE(BASSMOD_MusicPause(), 0);
    EXPECT_EQ(BASSMOD_MusicIsActive(), std::uint32_t{BASSMOD_PAUSED});

    // The player's order (MusicFree, Free, and MusicFree again on unbinding), then others.
    BASSMOD_MusicFree();
    EXPECT_EQ(BASSMOD_MusicIsActive(), std::uint32_t{BASSMOD_STOPPED});
    BASSMOD_Free();
    BASSMOD_MusicFree();
    BASSMOD_Free();
    ASSERT_NE(BASSMOD_Init(-1, 44100, 0), 0) << "the output opens again after Free";
    ASSERT_NE(LoadModule(), 0);
    BASSMOD_Free();  // with a module loaded
    BASSMOD_MusicFree();
}

TEST_F(MusicLibraryTest, RefusalsSayWhy) {
    EXPECT_EQ(LoadModule(), 0);
    EXPECT_EQ(BASSMOD_ErrorGetCode(), BASSMOD_ERROR_NO_INIT) << "no load without an output";
    EXPECT_EQ(BASSMOD_GetVolume(), -1);

    ASSERT_NE(BASSMOD_Init(-1, 44100, 0), 0);
    EXPECT_EQ(BASSMOD_Init(-1, 44100, 0), 0);
    EXPECT_EQ(BASSMOD_ErrorGetCode(), BASSMOD_ERROR_ALREADY);
    EXPECT_EQ(BASSMOD_MusicPlay(), 0);
    EXPECT_EQ(BASSMOD_ErrorGetCode(), BASSMOD_ERROR_NO_MUSIC);
    EXPECT_EQ(BASSMOD_MusicLoad(0, (scratch.Path() + "/missing.mod").c_str(), 0, 0, 0x105), 0);
    EXPECT_EQ(BASSMOD_ErrorGetCode(), BASSMOD_ERROR_FILE);
    std::ofstream(scratch.Path() + "/text.mod") << "not a module";
    EXPECT_EQ(BASSMOD_MusicLoad(0, (scratch.Path() + "/text.mod").c_str(), 0, 0, 0x105), 0);
    EXPECT_EQ(BASSMOD_ErrorGetCode(), BASSMOD_ERROR_FORMAT);
    EXPECT_EQ(BASSMOD_SetVolume(101), 0);
    EXPECT_EQ(BASSMOD_ErrorGetCode(), BASSMOD_ERROR_PARAMETER);
    EXPECT_EQ(BASSMOD_GetVolume(), 100);
}

TEST_F(MusicLibraryTest, NoAudioDeviceMakesInitFail) {
    const ScopedEnv none("SDL_AUDIODRIVER", "no-such-driver");
    EXPECT_EQ(BASSMOD_Init(-1, 44100, 0), 0);
    EXPECT_EQ(BASSMOD_ErrorGetCode(), BASSMOD_ERROR_DRIVER);
    EXPECT_EQ(LoadModule(), 0);
    BASSMOD_Free();
}

}  // namespace
