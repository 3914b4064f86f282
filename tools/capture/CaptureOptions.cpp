#include "CaptureOptions.h"

#include <charconv>
#include <functional>
#include <map>
#include <string_view>

namespace {

std::int32_t ParseNumber(const std::string& option, std::string_view text, std::int32_t lowest, std::int32_t highest) {
    std::int32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end) {
        throw OptionError(option + ": '" + std::string(text) + "' is not a whole number");
    }
    if (value < lowest || value > highest) {
        throw OptionError(option + ": " + std::to_string(value) + " is out of range (" + std::to_string(lowest) +
                          " to " + std::to_string(highest) + ")");
    }
    return value;
}

std::vector<std::int32_t> ParseTickList(const std::string& option, const std::string& text, std::int32_t lowest) {
    std::vector<std::int32_t> ticks;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        const std::string_view item(text.data() + start, (comma == std::string::npos ? text.size() : comma) - start);
        ticks.push_back(ParseNumber(option, item, lowest, INT32_MAX - 1));
        if (comma == std::string::npos) return ticks;
        start = comma + 1;
    }
}

std::int32_t ParseKeyTick(const std::string& option, const std::string& text) {
    try {
        return ParseNumber(option, text, FirstKeyTick, INT32_MAX - 1);
    } catch (const OptionError&) {
        // The common mistake deserves its reason rather than a bare range.
        std::int32_t value = 0;
        const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error == std::errc() && stop == text.data() + text.size() && value < FirstKeyTick) {
            throw OptionError(option + ": the intro takes keys only from tick " + std::to_string(FirstKeyTick) +
                              " on, not at tick " + text);
        }
        throw;
    }
}

}  // namespace

CaptureOptions ParseCaptureOptions(const std::vector<std::string>& arguments) {
    CaptureOptions options;
    using Setter = std::function<void(const std::string& option, const std::string& value)>;
    const std::map<std::string, Setter, std::less<>> withValue = {
        {"--rate", [&](auto& o, auto& v) { options.Rate = ParseNumber(o, v, 1, HighestRate); }},
        {"--escape",
         [&](auto& o, auto& v) {
             if (v == "auto") {
                 options.EscapeTick.reset();
             } else {
                 options.EscapeTick = ParseKeyTick(o, v);
             }
         }},
        {"--space",
         [&](auto& o, auto& v) {
             std::size_t start = 0;
             while (true) {
                 const std::size_t comma = v.find(',', start);
                 options.SpaceTicks.push_back(ParseKeyTick(o, v.substr(start, comma - start)));
                 if (comma == std::string::npos) break;
                 start = comma + 1;
             }
         }},
        {"--frames", [&](auto& o, auto& v) { options.FrameLimit = ParseNumber(o, v, 1, INT32_MAX); }},
        {"--scale", [&](auto& o, auto& v) { options.Scale = ParseNumber(o, v, 1, HighestScale); }},
        {"--png-dir", [&](auto&, auto& v) { options.PngDir = v; }},
        {"--png-ticks", [&](auto& o, auto& v) { options.PngTicks = ParseTickList(o, v, 0); }},
        {"--y4m", [&](auto&, auto& v) { options.Y4mPath = v; }},
        {"--chroma",
         [&](auto& o, auto& v) {
             if (v == "420") {
                 options.Y4mChroma = Chroma::Subsampled420;
             } else if (v == "444") {
                 options.Y4mChroma = Chroma::Full444;
             } else {
                 throw OptionError(o + ": '" + v + "' is neither 420 nor 444");
             }
         }},
        {"--wav", [&](auto&, auto& v) { options.WavPath = v; }},
        {"--mp4", [&](auto&, auto& v) { options.Mp4Path = v; }},
    };

    for (const std::string& argument : arguments) {
        if (argument == "--help" || argument == "-h") {
            options.Help = true;
            return options;
        }
    }
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string option = arguments[i];
        std::optional<std::string> value;
        if (const std::size_t equals = option.find('='); option.starts_with("--") && equals != std::string::npos) {
            value = option.substr(equals + 1);
            option.resize(equals);
        }
        if (option == "--quiet" || option == "-q") {
            if (value) throw OptionError(option + " takes no value");
            options.Quiet = true;
            continue;
        }
        const auto setter = withValue.find(option);
        if (setter == withValue.end()) throw OptionError("unknown option '" + option + "'");
        if (!value) {
            if (i + 1 == arguments.size()) throw OptionError(option + " needs a value");
            value = arguments[++i];
        }
        if (value->empty()) throw OptionError(option + " needs a value");
        setter->second(option, *value);
    }

    if (options.PngDir.empty() && options.Y4mPath.empty() && options.WavPath.empty() && options.Mp4Path.empty()) {
        throw OptionError("nothing to write: give --png-dir, --y4m, --wav or --mp4");
    }
    if (!options.PngTicks.empty() && options.PngDir.empty()) throw OptionError("--png-ticks needs --png-dir");
    if (options.Mp4Path == "-") throw OptionError("--mp4 cannot write to standard output");
    return options;
}

std::string CaptureUsage() {
    return R"(Usage: velmora-capture [OPTION]...
Renders the intro without a display, frame by frame, exactly as it runs at the given
frame rate, with its music in lockstep. Frame N of the capture is the intro's tick N:
ticks 0 to 100 are black, the music starts at tick 100, the band opens from tick 101.
The text file velmora.dll of the working directory is read as the intro reads it.

Timeline:
  --rate N           frames per second the capture stands for, 1 to 66 (default 60);
                     the intro's speed is its frame rate, and its timer ticks at most
                     every 15 ms
  --escape TICK      press Escape on this tick (301 or later); 'auto' (default) presses
                     it after two whole scroller passes, right after the frame on which
                     the third pass begins
  --space TICK,...   press Space on these ticks (301 or later): the frame-rate read-out,
                     which shows the nominal rate
  --frames N         stop after N frames even if the intro has not closed
                     (default: the capture ends with the frame on which it closes)

Output (at least one):
  --png-dir DIR      numbered PNG frames DIR/frame-NNNNNN.png (NNNNNN is the tick)
  --png-ticks T,...  write only these ticks' PNG frames
  --y4m FILE         an uncompressed YUV4MPEG2 stream to FILE, or '-' for standard
                     output; BT.601 studio range, exact integer conversion
  --chroma 444|420   the stream's chroma: 444 full (default), or 420 subsampled by
                     averaging each 2x2 block (centred, C420jpeg)
  --wav FILE         the music, 44100 Hz stereo 16-bit, from tick 100's time on
  --mp4 FILE         H.264 + AAC through ffmpeg (needs Debian's ffmpeg installed)
  --scale N          whole pixel factor with nearest-neighbour pixels, 1 to 8
                     (default 1 = 320x240)

  --quiet            no progress bar on standard error
  --help             this text
)";
}
