// Reading the score and laying it out as module bytes.
#include "ModuleWriter.h"
#include "Score.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string EmptyRow = "--- .. ... | --- .. ... | --- .. ... | --- .. ...\n";

std::string Rows(int count, const std::string& row = EmptyRow) {
    std::string rows;
    for (int i = 0; i < count; ++i) {
        rows += row;
    }
    return rows;
}

// A one-pattern score whose first row is `firstRow`.
std::string Score(const std::string& firstRow = EmptyRow, const std::string& head = "") {
    return "# a comment\ntitle tiny\n" + head + "sample 01 kick 64\nsample 1F bass 40 -3\norder 0 0\n\npattern 0 main\n" +
           firstRow + Rows(63);
}

TEST(Score, ReadsDirectivesAndCells) {
    const modgen::Song song = modgen::ParseScore(Score("C-1 01 A0F | C#2 1F ... | B-3 .. 037 | --- .. C00\n"));
    EXPECT_EQ(song.title, "tiny");
    EXPECT_EQ(song.samples[0].instrument, "kick");
    EXPECT_EQ(song.samples[0].volume, 64);
    EXPECT_EQ(song.samples[30].instrument, "bass");
    EXPECT_EQ(song.samples[30].finetune, -3);
    EXPECT_EQ(song.order, (std::vector<int>{0, 0}));
    ASSERT_EQ(song.patterns.size(), 1u);
    EXPECT_EQ(song.patterns[0].name, "main");
    const modgen::Row& row = song.patterns[0].rows[0];
    EXPECT_EQ(row[0].period, 856);
    EXPECT_EQ(row[0].sample, 1);
    EXPECT_EQ(row[0].effect, 0xA);
    EXPECT_EQ(row[0].parameter, 0x0F);
    EXPECT_EQ(row[1].period, 404);
    EXPECT_EQ(row[1].sample, 0x1F);
    EXPECT_EQ(row[2].period, 113);
    EXPECT_EQ(row[2].sample, 0);
    EXPECT_EQ(row[2].parameter, 0x37);
    EXPECT_EQ(row[3].period, 0);
    EXPECT_EQ(row[3].effect, 0xC);
}

TEST(Score, LaysTheSongOutAsProTrackerBytes) {
    const auto bytes = modgen::BuildModule(modgen::ParseScore(Score("--- .. ... | C#1 1F A0F | --- .. ... | --- .. ...\n")));
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "tiny");
    EXPECT_EQ(bytes[modgen::SongLengthOffset], 2);
    EXPECT_EQ(std::string(bytes.begin() + modgen::SignatureOffset, bytes.begin() + modgen::PatternOffset), "M.K.");
    // Channel 2 of row 0: the sample's high nibble shares a byte with the period's, its low nibble with the effect.
    const std::size_t cell = modgen::PatternOffset + 4;
    EXPECT_EQ(bytes[cell], 0x13);
    EXPECT_EQ(bytes[cell + 1], 0x28);
    EXPECT_EQ(bytes[cell + 2], 0xFA);
    EXPECT_EQ(bytes[cell + 3], 0x0F);
    // Slot 1F: name, length in words, finetune nibble, volume, no loop.
    const std::size_t header = modgen::SampleHeaderOffset + 30 * modgen::SampleHeaderSize;
    EXPECT_EQ(std::string(bytes.begin() + header, bytes.begin() + header + 4), "bass");
    EXPECT_EQ(bytes[header + 24], 0x0D);
    EXPECT_EQ(bytes[header + 25], 40);
    EXPECT_GT(bytes[header + 29] | bytes[header + 28] << 8, 1) << "the bass loops";
}

struct BadScore {
    const char* what;
    std::string text;
    int line;
    const char* message;
};

class RejectsScore : public ::testing::TestWithParam<BadScore> {};

TEST_P(RejectsScore, NamingTheLine) {
    try {
        modgen::ParseScore(GetParam().text);
        FAIL() << "accepted";
    } catch (const modgen::ScoreError& error) {
        const std::string message = error.what();
        EXPECT_TRUE(message.starts_with("line " + std::to_string(GetParam().line) + ":")) << message;
        EXPECT_NE(message.find(GetParam().message), std::string::npos) << message;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Malformed, RejectsScore,
    ::testing::Values(
        BadScore{"UnknownDirective", "tempo 125\n", 1, "expected title"},
        BadScore{"LongTitle", "title twenty-one characters\n", 1, "more than 20"},
        BadScore{"UnknownInstrument", "sample 02 theremin 64\n", 1, "unknown instrument"},
        BadScore{"LoudSample", "sample 02 kick 65\n", 1, "bad volume"},
        BadScore{"SlotTwice", "sample 02 kick 64\nsample 02 bass 64\n", 2, "given twice"},
        BadScore{"NoteOutOfRange", Score("C-4 01 ... | --- .. ... | --- .. ... | --- .. ...\n"), 8, "bad note"},
        BadScore{"UndefinedSample", Score("C-2 02 ... | --- .. ... | --- .. ... | --- .. ...\n"), 8, "not defined"},
        BadScore{"BadEffect", Score("C-2 01 G00 | --- .. ... | --- .. ... | --- .. ...\n"), 8, "bad effect"},
        BadScore{"ShortCell", Score("C-2 01 | --- .. ... | --- .. ... | --- .. ...\n"), 8, "NOTE SAMPLE EFFECT"},
        BadScore{"ThreeCells", Score("--- .. ... | --- .. ... | --- .. ...\n"), 8, "four cells"},
        BadScore{"FiveCells", Score(EmptyRow.substr(0, EmptyRow.size() - 1) + " | --- .. ...\n"), 8, "four cells"},
        BadScore{"ShortPattern", "sample 01 kick 64\norder 0\npattern 0\n" + Rows(63), 67, "63 of 64 rows"},
        BadScore{"PatternOutOfSequence", "order 0\npattern 1\n", 2, "expected 0"},
        BadScore{"MissingPattern", "order 0 1\npattern 0\n" + Rows(64), 67, "pattern 1, which is not written"},
        BadScore{"UnplayedPattern", "order 0\npattern 0\n" + Rows(64) + "pattern 1\n" + Rows(64), 132, "pattern 1 is never played"},
        BadScore{"NothingToPlay", "title silence\n", 2, "at least one pattern"}),
    [](const auto& info) { return std::string(info.param.what); });

}  // namespace
