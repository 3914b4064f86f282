// Binding the music library at run time: all 23 names or nothing, and the two-state table.
#include "BASSMOD_Dynamic.h"
#include "MusicTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

class BindingTest : public ::testing::Test {
protected:
    ~BindingTest() override { UnbindMusicLibrary(); }

    // Copies a stub into the scratch directory as "BassMod.dll".
    void Install(const std::string& stub) {
        std::filesystem::copy_file(StubPath(stub), scratch.Path() + "/BassMod.dll",
                                   std::filesystem::copy_options::overwrite_existing);
    }

    bool AllResolved() const {
        bool all = true;
#define VELMORA_RESOLVED(result, name, parameters) all = all && name != nullptr;
        BASSMOD_ENTRY_POINTS(VELMORA_RESOLVED)
#undef VELMORA_RESOLVED
        return all;
    }

    StubCallLog log;
    ScratchDir scratch;
};

struct BindCase {
    const char* stub;
    bool binds;
};

class BindingCases : public BindingTest, public ::testing::WithParamInterface<BindCase> {};

TEST_P(BindingCases, BindsOnlyALibraryWithEveryName) {
    Install(GetParam().stub);
    EXPECT_EQ(BindMusicLibrary(scratch.Path(), "BassMod.dll"), GetParam().binds);
    EXPECT_EQ(MusicLibraryHandle != nullptr, GetParam().binds);
    if (GetParam().binds) {
        EXPECT_TRUE(AllResolved());
    }
    EXPECT_TRUE(log.Calls().empty()) << "binding calls nothing";
}

INSTANTIATE_TEST_SUITE_P(Stubs, BindingCases,
                         ::testing::Values(BindCase{"stub_complete", true}, BindCase{"stub_extra_name", true},
                                           BindCase{"stub_missing_one", false}),
                         [](const auto& info) { return std::string(info.param.stub); });

TEST_F(BindingTest, AMissingOrBrokenFileOrNoDirectoryBindsNothing) {
    EXPECT_FALSE(BindMusicLibrary(scratch.Path(), "BassMod.dll")) << "missing";
    std::filesystem::copy_file(StubPath("stub_complete"), scratch.Path() + "/BassMod.dll");
    std::filesystem::resize_file(scratch.Path() + "/BassMod.dll", 100);
    EXPECT_FALSE(BindMusicLibrary(scratch.Path(), "BassMod.dll")) << "truncated";
    EXPECT_FALSE(BindMusicLibrary("", "libm.so.6")) << "no directory: no search of the library path";
    EXPECT_EQ(MusicLibraryHandle, nullptr);
}

TEST_F(BindingTest, ASeparatorAtTheEndOfTheDirectoryIsOptional) {
    Install("stub_complete");
    ASSERT_TRUE(BindMusicLibrary(scratch.Path() + "/", "BassMod.dll"));
    UnbindMusicLibrary();
    ASSERT_TRUE(BindMusicLibrary(scratch.Path(), "BassMod.dll"));
}

TEST_F(BindingTest, BindingAgainWhileBoundKeepsTheFirstLibrary) {
    Install("stub_complete");
    ASSERT_TRUE(BindMusicLibrary(scratch.Path(), "BassMod.dll"));
    void* const first = MusicLibraryHandle;
    EXPECT_TRUE(BindMusicLibrary("/nonexistent", "nothing.so"));
    EXPECT_EQ(MusicLibraryHandle, first);
}

TEST_F(BindingTest, UnbindFreesTheMusicOnceAndOnlyWhenBound) {
    UnbindMusicLibrary();
    EXPECT_TRUE(log.Calls().empty());
    Install("stub_complete");
    ASSERT_TRUE(BindMusicLibrary(scratch.Path(), "BassMod.dll"));
    UnbindMusicLibrary();
    EXPECT_EQ(log.Calls(), std::vector<std::string>{"MusicFree"});
    EXPECT_EQ(MusicLibraryHandle, nullptr);
    UnbindMusicLibrary();
    EXPECT_EQ(log.Calls().size(), 1u);
}

}  // namespace
