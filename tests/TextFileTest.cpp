#include "WorkingDirectory.h"
#include "platform/Exception.h"
#include "platform/TextFile.h"
#include "platform/Windows1252.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace {

using namespace std::string_literals;
using Lines = std::vector<std::string>;

struct LinesCase {
    const char* name;
    std::string bytes;
    Lines expected;
};

class TextFileTest : public ::testing::Test {
protected:
    static Lines Read(const std::string& bytes) {
        ScopedWorkingDirectory::Write("text", bytes);
        return ReadTextLines("text", 4);
    }
    ScopedWorkingDirectory directory;
};

TEST_F(TextFileTest, SplitsLinesByEveryLineEndAndStopsAtTheEndOfText) {
    const std::vector<LinesCase> cases = {
        {"empty", "", {"", "", "", ""}},
        {"fewer than four lines", "one\r\ntwo", {"one", "two", "", ""}},
        {"CR only", "a\rb\rc\rd\re\r", {"a", "b", "c", "d"}},
        {"LF only", "a\nb\nc\nd\n", {"a", "b", "c", "d"}},
        {"CR LF", "a\r\nb\r\nc\r\nd\r\n", {"a", "b", "c", "d"}},
        {"mixed, LF CR is two line ends", "a\nb\r\nc\n\rd", {"a", "b", "c", ""}},
        {"empty lines kept", "\r\n\r\n\r\nhead", {"", "", "", "head"}},
        {"0x1A inside line 2 ends the text", "one\r\ntw\x1Ao\r\nthree\r\nfour", {"one", "tw", "", ""}},
        {"NUL bytes are characters", "x\r\n\0a\0\r\nb\r\n\0"s, {"x", "\0a\0"s, "b", "\0"s}},
        {"lines after the fourth are not read", "1\n2\n3\n4\n5\n", {"1", "2", "3", "4"}},
    };
    for (const auto& c : cases) EXPECT_EQ(Read(c.bytes), c.expected) << c.name;
}

TEST_F(TextFileTest, Utf8BecomesWindows1252AndEverythingElseStaysByteForByte) {
    const std::vector<LinesCase> cases = {
        {"UTF-8 umlauts", "x\n\xC3\x96l\n\xC3\xBC\n\xE2\x82\xAC 5", {"x", "\xD6l", "\xFC", "\x80 5"}},
        {"UTF-8 with byte-order mark", "\xEF\xBB\xBFx\nA\xC3\x84", {"x", "A\xC4", "", ""}},
        {"byte-order mark, ASCII only", "\xEF\xBB\xBF" "1\n2", {"1", "2", "", ""}},
        {"characters Windows-1252 lacks keep their place", "\n\xE2\x86\x92x\xF0\x9F\x98\x80",
         {"", "\x81x\x81", "", ""}},
        {"Windows-1252 file", "x\r\n\xD6sterreich \xE9\r\n\x80\x81\xFF", {"x", "\xD6sterreich \xE9", "\x80\x81\xFF", ""}},
        {"one invalid byte keeps the whole file in Windows-1252", "\xC3\x96\n\xD6", {"\xC3\x96", "\xD6", "", ""}},
    };
    for (const auto& c : cases) EXPECT_EQ(Read(c.bytes), c.expected) << c.name;
}

TEST(Windows1252Test, RejectsWhatIsNotValidUtf8) {
    for (const std::string bad : {"\xC0\x80", "\xE0\x80\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xC3", "\x80",
                                  "\xE2\x82", "\xFF"}) {
        EXPECT_EQ(Utf8ToWindows1252(bad), std::nullopt) << ::testing::PrintToString(bad);
    }
    EXPECT_EQ(Utf8ToWindows1252("\xC5\xB8\xC2\x81\xC2\xA0"), "\x9F\x81\xA0");
}

TEST_F(TextFileTest, LongLinesAreCutAndHugeFilesReadOnlyInPart) {
    const std::string longLine(MaxLineBytes + 100, 'a');
    EXPECT_EQ(Read(longLine + "\nb\nc\nd"), (Lines{std::string(MaxLineBytes, 'a'), "b", "c", "d"}));

    // A cut never splits a UTF-8 character, so the file stays UTF-8.
    std::string umlauts;
    while (umlauts.size() < MaxLineBytes + 10) umlauts += "\xC3\x96";
    const Lines cut = Read("x\na" + umlauts);
    EXPECT_EQ(cut[1].find_first_not_of('\xD6', 1), std::string::npos);
    EXPECT_EQ(cut[1].size(), 1 + MaxLineBytes / 2);

    // Far more than is ever looked at, without any line end.
    const Lines huge = Read(std::string(3 * MaxTextBytes, 'z'));
    EXPECT_EQ(huge, (Lines{std::string(MaxLineBytes, 'z'), "", "", ""}));
}

TEST_F(TextFileTest, AFileThatCannotBeReadRaises) {
    ASSERT_EQ(mkdir("folder", 0755), 0);
    EXPECT_THROW(ReadTextLines("folder", 4), Exception);
    EXPECT_TRUE(FileExists("folder"));
    EXPECT_FALSE(FileExists("nothing"));
    EXPECT_THROW(ReadTextLines("nothing", 4), Exception);
}

TEST_F(TextFileTest, AFileWithoutReadPermissionRaises) {
    ScopedWorkingDirectory::Write("locked", "secret");
    ASSERT_EQ(chmod("locked", 0), 0);
    if (geteuid() == 0) GTEST_SKIP() << "root reads any file";
    EXPECT_THROW(ReadTextLines("locked", 4), Exception);
}

}  // namespace
