#include "TextFile.h"

#include "Exception.h"
#include "Windows1252.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string_view>

namespace {

constexpr char CarriageReturn = '\x0D';
constexpr char LineFeed = '\x0A';
constexpr char EndOfText = '\x1A';
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

bool IsUtf8Continuation(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

// Splits bytes into lines as they arrive, keeping the first `count` and at most MaxLineBytes
// of each.
class LineSplitter {
public:
    explicit LineSplitter(std::size_t count) : count_(count) {}

    // Takes the next bytes; false once the lines are complete or the text has ended.
    bool Feed(std::string_view bytes) {
        for (const char byte : bytes) {
            if (Done()) return false;
            if (skipLineFeed_) {
                skipLineFeed_ = false;
                if (byte == LineFeed) continue;
            }
            if (byte == EndOfText) {
                ended_ = true;
            } else if (byte == CarriageReturn || byte == LineFeed) {
                EndLine();
                skipLineFeed_ = byte == CarriageReturn;
            } else {
                Append(byte);
            }
        }
        return !Done();
    }

    // The lines read, a line in progress included, padded with empty ones.
    std::vector<std::string> Finish() {
        if (lines_.size() < count_ && !line_.empty()) EndLine();
        lines_.resize(count_);
        return std::move(lines_);
    }

private:
    bool Done() const { return ended_ || lines_.size() >= count_; }

    // A line cut at the limit keeps up to three more continuation bytes, so a UTF-8
    // character is never split and a UTF-8 file stays valid.
    void Append(char byte) {
        if (line_.size() < MaxLineBytes) {
            line_ += byte;
        } else if (!cut_ && IsUtf8Continuation(byte) && line_.size() < MaxLineBytes + 3) {
            line_ += byte;
        } else {
            cut_ = true;
        }
    }

    void EndLine() {
        lines_.push_back(std::move(line_));
        line_.clear();
        cut_ = false;
    }

    std::size_t count_;
    std::vector<std::string> lines_;
    std::string line_;
    bool cut_ = false;
    bool skipLineFeed_ = false;
    bool ended_ = false;
};

// UTF-8 lines become Windows-1252; anything that is not valid UTF-8 stays as it is.
void DecodeUtf8(std::vector<std::string>& lines) {
    std::string_view first = lines.empty() ? std::string_view{} : std::string_view{lines.front()};
    const bool marked = first.starts_with(ByteOrderMark);
    if (!marked && std::none_of(lines.begin(), lines.end(), [](const std::string& line) { return HasNonAscii(line); })) {
        return;
    }
    std::vector<std::string> decoded;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string_view line = lines[i];
        if (i == 0 && marked) line.remove_prefix(ByteOrderMark.size());
        auto converted = Utf8ToWindows1252(line);
        if (!converted) return;
        decoded.push_back(std::move(*converted));
    }
    lines = std::move(decoded);
}

std::string Describe(const char* what, const std::string& path, int error) {
    return std::string(what) + " \"" + path + "\": " + std::strerror(error);
}

}  // namespace

bool FileExists(const std::string& path) {
    std::error_code ignored;
    return std::filesystem::exists(path, ignored);
}

std::vector<std::string> ReadTextLines(const std::string& path, std::size_t count) {
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (file == nullptr) throw Exception(Describe("Cannot open file", path, errno));

    LineSplitter splitter(count);
    std::string chunk(64 * 1024, '\0');
    for (std::size_t total = 0; total < MaxTextBytes;) {
        const std::size_t wanted = std::min(chunk.size(), MaxTextBytes - total);
        const std::size_t got = std::fread(chunk.data(), 1, wanted, file.get());
        if (got == 0) {
            if (std::ferror(file.get())) throw Exception(Describe("Cannot read file", path, errno));
            break;
        }
        total += got;
        if (!splitter.Feed(std::string_view(chunk.data(), got))) break;
    }
    std::vector<std::string> lines = splitter.Finish();
    DecodeUtf8(lines);
    return lines;
}
