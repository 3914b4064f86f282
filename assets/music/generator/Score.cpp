#include "Score.h"

#include "Instruments.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <sstream>

namespace modgen {

ScoreError::ScoreError(int line, const std::string& message)
    : std::runtime_error("line " + std::to_string(line) + ": " + message) {}

namespace {

constexpr std::string_view NoteNames[12] = {"C-", "C#", "D-", "D#", "E-", "F-", "F#", "G-", "G#", "A-", "A#", "B-"};

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::vector<std::string_view> Words(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (true) {
        at = text.find_first_not_of(" \t\r", at);
        if (at == std::string_view::npos) {
            return words;
        }
        const auto end = std::min(text.find_first_of(" \t\r", at), text.size());
        words.push_back(text.substr(at, end - at));
        at = end;
    }
}

std::optional<int> Number(std::string_view word, int base) {
    int value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value, base);
    if (error != std::errc{} || end != word.data() + word.size() || word.empty() || word[0] == '-') {
        return std::nullopt;
    }
    return value;
}

class Reader {
public:
    Song Read(std::string_view text) {
        std::size_t at = 0;
        while (at <= text.size()) {
            const auto end = std::min(text.find('\n', at), text.size());
            ++line;
            ReadLine(text.substr(at, end - at));
            at = end + 1;
        }
        Finish();
        return std::move(song);
    }

private:
    [[noreturn]] void Fail(const std::string& message) const { throw ScoreError(line, message); }

    int Expect(std::string_view word, int base, int low, int high, const char* what) const {
        const auto value = Number(word, base);
        if (!value || *value < low || *value > high) {
            Fail("bad " + std::string(what) + " \"" + std::string(word) + "\"");
        }
        return *value;
    }

    void ReadLine(std::string_view raw) {
        // Only whole lines are comments: '#' also spells sharps in note names.
        const std::string_view content = Trim(raw);
        if (content.empty() || content.starts_with('#')) {
            return;
        }
        if (rowsToRead > 0) {
            ReadRow(content);
            return;
        }
        const std::vector<std::string_view> words = Words(content);
        if (words[0] == "title") {
            ReadTitle(content);
        } else if (words[0] == "sample") {
            ReadSample(words);
        } else if (words[0] == "order") {
            ReadOrder(words);
        } else if (words[0] == "pattern") {
            ReadPatternHeader(words);
        } else {
            Fail("expected title, sample, order or pattern, found \"" + std::string(words[0]) + "\"");
        }
    }

    void ReadTitle(std::string_view content) {
        const std::string_view title = Trim(content.substr(5));
        if (title.size() > 20) {
            Fail("the title has more than 20 characters");
        }
        if (!std::all_of(title.begin(), title.end(), [](char c) { return c >= ' ' && c <= '~'; })) {
            Fail("the title must be printable ASCII");
        }
        song.title = title;
    }

    void ReadSample(const std::vector<std::string_view>& words) {
        if (words.size() != 4 && words.size() != 5) {
            Fail("expected: sample SLOT INSTRUMENT VOLUME [FINETUNE]");
        }
        const int slot = Expect(words[1], 16, 1, SampleSlots, "sample slot");
        SampleSlot& entry = song.samples[static_cast<std::size_t>(slot - 1)];
        if (!entry.instrument.empty()) {
            Fail("sample slot " + std::string(words[1]) + " is given twice");
        }
        const auto names = InstrumentNames();
        if (std::find(names.begin(), names.end(), words[2]) == names.end()) {
            Fail("unknown instrument \"" + std::string(words[2]) + "\"");
        }
        entry.instrument = words[2];
        entry.volume = Expect(words[3], 10, 0, 64, "volume");
        if (words.size() == 5) {
            const bool negative = words[4].starts_with('-');
            const int size = Expect(words[4].substr(negative ? 1 : 0), 10, 0, negative ? 8 : 7, "finetune");
            entry.finetune = negative ? -size : size;
        }
    }

    void ReadOrder(const std::vector<std::string_view>& words) {
        for (std::size_t i = 1; i < words.size(); ++i) {
            if (song.order.size() == MaxOrders) {
                Fail("more than 128 order positions");
            }
            song.order.push_back(Expect(words[i], 10, 0, MaxPatterns - 1, "pattern number"));
        }
    }

    void ReadPatternHeader(const std::vector<std::string_view>& words) {
        if (words.size() < 2) {
            Fail("expected: pattern NUMBER [NAME]");
        }
        const int number = Expect(words[1], 10, 0, MaxPatterns - 1, "pattern number");
        if (number != static_cast<int>(song.patterns.size())) {
            Fail("patterns must be numbered 0, 1, 2, ... in order; expected " + std::to_string(song.patterns.size()));
        }
        Pattern& pattern = song.patterns.emplace_back();
        pattern.name = words.size() > 2 ? std::string(words[2]) : std::string();
        rowsToRead = RowsPerPattern;
    }

    void ReadRow(std::string_view content) {
        Row& row = song.patterns.back().rows[static_cast<std::size_t>(RowsPerPattern - rowsToRead)];
        std::size_t at = 0;
        for (int channel = 0; channel < Channels; ++channel) {
            const auto bar = content.find('|', at);
            if ((bar == std::string_view::npos) != (channel == Channels - 1)) {
                Fail("a row has four cells separated by |");
            }
            row[static_cast<std::size_t>(channel)] = ReadCell(content.substr(at, bar - at));
            at = bar + 1;
        }
        --rowsToRead;
    }

    Cell ReadCell(std::string_view text) const {
        const std::vector<std::string_view> words = Words(text);
        if (words.size() != 3) {
            Fail("a cell is NOTE SAMPLE EFFECT, e.g. \"C-2 01 ...\" or \"--- .. C20\"");
        }
        Cell cell;
        cell.period = ReadNote(words[0]);
        if (words[1] != "..") {
            if (words[1].size() != 2) {
                Fail("bad sample number \"" + std::string(words[1]) + "\"");
            }
            cell.sample = Expect(words[1], 16, 1, SampleSlots, "sample number");
            if (song.samples[static_cast<std::size_t>(cell.sample - 1)].instrument.empty()) {
                Fail("sample " + std::string(words[1]) + " is not defined");
            }
        }
        if (words[2] != "...") {
            if (words[2].size() != 3) {
                Fail("bad effect \"" + std::string(words[2]) + "\"");
            }
            cell.effect = Expect(words[2].substr(0, 1), 16, 0, 15, "effect");
            cell.parameter = Expect(words[2].substr(1), 16, 0, 255, "effect parameter");
        }
        return cell;
    }

    int ReadNote(std::string_view word) const {
        if (word == "---") {
            return 0;
        }
        if (word.size() == 3 && word[2] >= '1' && word[2] <= '3') {
            for (int semitone = 0; semitone < 12; ++semitone) {
                if (word.substr(0, 2) == NoteNames[semitone]) {
                    return PeriodTable[static_cast<std::size_t>((word[2] - '1') * 12 + semitone)];
                }
            }
        }
        Fail("bad note \"" + std::string(word) + "\" (C-1 .. B-3, sharps only, or ---)");
    }

    void Finish() {
        if (rowsToRead > 0) {
            Fail("pattern " + std::to_string(song.patterns.size() - 1) + " ends after " +
                 std::to_string(RowsPerPattern - rowsToRead) + " of 64 rows");
        }
        if (song.patterns.empty() || song.order.empty()) {
            Fail("the score needs at least one pattern and an order");
        }
        std::vector<bool> played(song.patterns.size());
        for (const int number : song.order) {
            if (number >= static_cast<int>(song.patterns.size())) {
                Fail("the order plays pattern " + std::to_string(number) + ", which is not written");
            }
            played[static_cast<std::size_t>(number)] = true;
        }
        const auto unplayed = std::find(played.begin(), played.end(), false);
        if (unplayed != played.end()) {
            Fail("pattern " + std::to_string(unplayed - played.begin()) + " is never played");
        }
    }

    Song song;
    int line = 0;
    int rowsToRead = 0;
};

}  // namespace

Song ParseScore(std::string_view text) {
    return Reader().Read(text);
}

}  // namespace modgen
