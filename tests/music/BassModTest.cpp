// The music player component over stub libraries: its call sequences, its temp files and its
// private directory, also when the temp directory is hostile or unusable.
#include "BASSMOD_Dynamic.h"
#include "BassMOD.h"
#include "IntroFixture.h"
#include "MusicTestSupport.h"
#include "TestModule.h"
#include "platform/Exception.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <list>

namespace fs = std::filesystem;

namespace {

std::string Contents(const std::string& path) {
    std::ifstream file(path);
    return {std::istreambuf_iterator<char>(file), {}};
}

class BassModTest : public ::testing::Test {
protected:
    ~BassModTest() override { UnbindMusicLibrary(); }

    // A player whose library image is the named stub.
    std::unique_ptr<TBassMOD> Player(const std::string& stub) {
        images.push_back(ReadBytes(StubPath(stub)));
        return std::make_unique<TBassMOD>(nullptr, images.back());
    }

    std::list<std::vector<std::uint8_t>> images;  // stable: players keep spans into them
    const std::vector<std::uint8_t> module = MakeTestModule();
    StubCallLog log;
    ScratchDir tmp;
    ScopedEnv tmpdir{"TMPDIR", tmp.Path()};
};

struct SequenceCase {
    const char* stub;
    std::vector<std::string> playCalls;  // "LOAD" stands for the module load with its path
    bool plays;
};

class CallSequences : public BassModTest, public ::testing::WithParamInterface<SequenceCase> {};

TEST_P(CallSequences, PlayAndStopMakeTheseCallsAndLeaveNothingBehind) {
    const SequenceCase& c = GetParam();
    auto player = Player(c.stub);
    ASSERT_EQ(fs::path(player->FTempDir).parent_path().parent_path(), fs::path(tmp.Path()))
        << "a directory of its own inside TMPDIR: " << player->FTempDir;
    EXPECT_EQ(fs::status(player->FTempDir).permissions() & fs::perms::all, fs::perms::owner_all);
    EXPECT_EQ(player->FModuleFile, player->FTempDir + "Module.mod");

    EXPECT_EQ(player->PlayModule(module), c.plays);
    EXPECT_EQ(player->FActive, c.plays);
    std::vector<std::string> expected = c.playCalls;
    for (std::string& call : expected) {
        if (call == "LOAD") {
            call = "MusicLoad(0," + player->FModuleFile + ",0,0,261) size " + std::to_string(module.size());
        }
    }
    EXPECT_EQ(log.Calls(), expected);
    EXPECT_EQ(fs::file_size(player->FTempDir + "BassMod.dll"), images.back().size());
    EXPECT_EQ(fs::file_size(player->FModuleFile), module.size());

    log.Clear();
    player->StopModule();
    const std::vector<std::string> stopCalls{"MusicFree", "Free", "MusicFree"};
    EXPECT_EQ(log.Calls(), c.plays ? stopCalls : std::vector<std::string>{});
    EXPECT_TRUE(tmp.Entries().empty()) << "files and private directory are gone";

    log.Clear();
    player->StopModule();
    EXPECT_TRUE(log.Calls().empty()) << "a second stop never reaches the released library";
}

INSTANTIATE_TEST_SUITE_P(
    Stubs, CallSequences,
    ::testing::Values(
        SequenceCase{"stub_complete", {"GetVersion", "Init(-1,44100,0)", "LOAD", "MusicPlay"}, true},
        SequenceCase{"stub_play_fails", {"GetVersion", "Init(-1,44100,0)", "LOAD", "MusicPlay"}, true},
        SequenceCase{"stub_wrong_version", {"GetVersion", "Free", "LOAD", "MusicPlay"}, true},
        SequenceCase{"stub_init_fails", {"GetVersion", "Init(-1,44100,0)", "Free", "LOAD", "MusicPlay"}, true},
        SequenceCase{"stub_load_fails", {"GetVersion", "Init(-1,44100,0)", "LOAD"}, false},
        SequenceCase{"stub_missing_one", {}, false}),
    [](const auto& info) { return std::string(info.param.stub); });

TEST_F(BassModTest, PlantedFilesAndLinksInTheSharedTempDirectoryAreNeitherLoadedNorTouched) {
    ScratchDir elsewhere;
    const std::string victim = elsewhere.Path() + "/victim";
    std::ofstream(victim) << "someone's file";
    std::ofstream(tmp.Path() + "/BassMod.dll") << "planted";
    fs::create_symlink(victim, tmp.Path() + "/Module.mod");

    auto player = Player("stub_complete");
    EXPECT_TRUE(player->PlayModule(module)) << "our own stub was loaded";
    EXPECT_NE(player->FModuleFile, tmp.Path() + "/Module.mod");
    player->StopModule();

    EXPECT_EQ(Contents(tmp.Path() + "/BassMod.dll"), "planted");
    EXPECT_EQ(Contents(victim), "someone's file");
    EXPECT_EQ(tmp.Entries(), (std::vector<std::string>{"BassMod.dll", "Module.mod"}));
}

TEST_F(BassModTest, TwoRunsAtOnceKeepToTheirOwnDirectories) {
    auto first = Player("stub_complete");
    auto second = Player("stub_complete");
    ASSERT_NE(first->FTempDir, second->FTempDir);
    ASSERT_TRUE(first->PlayModule(module));
    second->WriteBlockToFile(second->FModuleFile, module);
    first->StopModule();
    EXPECT_EQ(fs::file_size(second->FModuleFile), module.size());
    second.reset();
    EXPECT_TRUE(tmp.Entries().empty()) << "destruction removes what a player left";
}

TEST_F(BassModTest, AnUnusableTempDirectoryRaisesOnPlayAndCreatesNothingAnywhere) {
    ScratchDir holder;
    std::ofstream(holder.Path() + "/a-file") << "x";
    for (const std::string& unusable : {holder.Path() + "/missing", holder.Path() + "/a-file", std::string("/proc")}) {
        SCOPED_TRACE(unusable);
        const ScopedEnv badTmp("TMPDIR", unusable);
        auto player = Player("stub_complete");
        EXPECT_EQ(player->FTempDir, "");
        EXPECT_THROW(player->PlayModule(module), Exception);
        EXPECT_FALSE(player->FActive);
        player->StopModule();
        EXPECT_TRUE(log.Calls().empty());
        EXPECT_FALSE(fs::exists("BassMod.dll")) << "nothing lands in the working directory";
        EXPECT_FALSE(fs::exists("Module.mod"));
    }
}

TEST_F(BassModTest, AFileThatCannotBeWrittenRaisesTheFileCreationErrorBeforeAnythingIsBound) {
    auto player = Player("stub_complete");
    fs::remove(player->FTempDir);  // e.g. a temp cleaner removed it
    try {
        player->PlayModule(module);
        FAIL() << "no error";
    } catch (const Exception& error) {
        EXPECT_EQ(std::string(error.what()), "Datei " + player->FTempDir + "BassMod.dll kann nicht erstellt werden");
    }
    EXPECT_EQ(MusicLibraryHandle, nullptr);
    EXPECT_TRUE(log.Calls().empty());
}

TEST_F(BassModTest, WriteBlockToFileReplacesAndWritesEmptyBlocks) {
    auto player = Player("stub_complete");
    const std::string path = player->FTempDir + "block";
    player->WriteBlockToFile(path, module);
    player->WriteBlockToFile(path, std::span<const std::uint8_t>(module).first(10));
    EXPECT_EQ(fs::file_size(path), 10u);
    player->WriteBlockToFile(path, {});
    EXPECT_EQ(fs::file_size(path), 0u);
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(BassModTest, StopBeforePlayAndDeleteWhenGoneDoNothingButTidyUp) {
    auto player = Player("stub_complete");
    player->DeleteTempFiles();
    player->StopModule();
    EXPECT_TRUE(log.Calls().empty());
    EXPECT_TRUE(tmp.Entries().empty());
}

// The frame step with a music start that raises: reported once, the tick counted, the show on.
struct UnusableTempDir {
    ScratchDir holder;
    ScopedEnv tmpdir{"TMPDIR", holder.Path() + "/missing"};
};

class FailingMusicStart : private UnusableTempDir, public IntroFixture {};

TEST_F(FailingMusicStart, IsReportedOnceAndTheIntroRunsOn) {
    ::testing::internal::CaptureStderr();
    TickUntil(120);
    const std::string reported = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(reported.begin(), reported.end(), '\n'), 1) << reported;
    EXPECT_NE(reported.find("cannot create a private directory"), std::string::npos) << reported;
    EXPECT_TRUE(screen.Errors().empty()) << "no message box stops the show";
    EXPECT_GT(screen.PresentCount(), 0) << "frames are drawn after tick 100";
}

}  // namespace
