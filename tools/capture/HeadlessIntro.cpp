#include "HeadlessIntro.h"

#include "ScaledFrame.h"

#include <cstdlib>
#include <stdexcept>

HeadlessIntro::HeadlessIntro(int rate)
    : rate_(rate), black_(static_cast<std::size_t>(FrameWidth) * FrameHeight, 0) {
    // The intro opens its sound output at the music start; a capture must not be heard. A
    // driver the user chose is left alone.
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    start_ = clock_.NowMicros();
    Application.Initialize();
    Application.Title = "velmora-capture";
    Application.CreateForm(frmMain);
    if (!frmMain->dxTimer->Enabled()) {
        std::string reason = "the intro could not start";
        for (const std::string& error : screen_.Errors()) reason += "\n  " + error;
        throw std::runtime_error(reason);
    }
}

void HeadlessIntro::PressKey(std::uint16_t key) {
    screen_.Push({ScreenEvent::Kind::KeyDown, key});
    Application.ProcessMessages();
}

void HeadlessIntro::Step() {
    ++steps_;
    // Each tick's time is computed from the start, so rounding never adds up to drift.
    const auto due = start_ + static_cast<std::uint64_t>((steps_ * 2'000'000 + rate_) / (2 * rate_));
    clock_.Advance(due - clock_.NowMicros());
    // As the message loop's idle processing does: an error from a frame step is reported and
    // the show goes on.
    try {
        frmMain->dxTimer->Idle();
    } catch (...) {
        Application.HandleException();
    }
}

std::span<const std::uint16_t> HeadlessIntro::Frame() const {
    return screen_.LastFrame().empty() ? std::span<const std::uint16_t>(black_) : screen_.LastFrame();
}
