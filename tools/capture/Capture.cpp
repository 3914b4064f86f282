#include "Capture.h"

#include "HeadlessIntro.h"
#include "LockstepAudio.h"

#include <algorithm>
#include <memory>

namespace {

// Without a given tick, Escape comes after two whole scroller passes: when a pass begins, the
// scroller's window starts again from its first record, and the third such start is the cue.
class AutoEscape {
public:
    void Watch(std::int32_t firstBefore, std::int32_t firstAfter) {
        if (firstAfter < firstBefore) ++newPasses_;
    }
    bool Due() const { return newPasses_ >= 2; }

private:
    int newPasses_ = 0;
};

}  // namespace

CaptureSummary RunCapture(const CaptureOptions& options, CaptureSink& sink, ProgressBar& progress,
                          const std::atomic<bool>* stop) {
    HeadlessIntro intro(options.Rate);
    std::unique_ptr<LockstepAudio> audio;
    if (options.WantsAudio()) audio = std::make_unique<LockstepAudio>(options.Rate);

    CaptureSummary summary;
    if (audio) summary.MusicStartDelay = audio->MusicStartDelay();
    AutoEscape autoEscape;
    for (std::int32_t tick = 0;; ++tick) {
        if (options.FrameLimit && tick >= *options.FrameLimit) break;
        if (stop != nullptr && stop->load()) {
            summary.Interrupted = true;
            break;
        }
        for (const std::int32_t space : options.SpaceTicks) {
            if (space == tick) intro.PressKey(VK_SPACE);
        }
        const bool escapeNow = options.EscapeTick ? *options.EscapeTick == tick : autoEscape.Due();
        if (escapeNow && !summary.EscapeTick) {
            intro.PressKey(VK_ESCAPE);
            summary.EscapeTick = tick;
        }

        const std::int32_t firstBefore = intro.Form().ScrollFirst;
        intro.Step();
        autoEscape.Watch(firstBefore, intro.Form().ScrollFirst);

        sink.Frame(tick, intro.Frame());
        if (audio) sink.Audio(audio->RenderTick(tick));
        summary.Frames = tick + 1;
        progress.Update(summary.Frames);
        if (intro.Closed()) {
            summary.Closed = true;
            break;
        }
    }
    return summary;
}
