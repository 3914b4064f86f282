#include "DXTimer.h"

#include <algorithm>

TDXTimer::TDXTimer(TApplication& application) : application_(application) {
    application_.AddIdleHandler(this);
}

TDXTimer::~TDXTimer() { application_.RemoveIdleHandler(this); }

void TDXTimer::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    if (enabled_) Restart();
}

void TDXTimer::ApplicationActivated(bool active) {
    if (active && enabled_) Restart();
}

void TDXTimer::Restart() {
    lastEvent_ = application_.GetClock().NowMicros();
    measureStart_ = lastEvent_;
}

std::optional<std::uint64_t> TDXTimer::Idle() {
    if (!Running()) return std::nullopt;
    const std::uint64_t interval = IntervalMicros();
    const std::uint64_t now = application_.GetClock().NowMicros();
    const std::uint64_t elapsed = now - lastEvent_;
    if (elapsed < interval) return interval - elapsed;

    lastEvent_ = now;
    const int lagCount = static_cast<int>(std::max<std::uint64_t>(1, elapsed / interval));
    ++eventCount_;
    const std::uint64_t measured = now - measureStart_;
    if (measured >= 1'000'000) {
        frameRate_ = static_cast<int>((std::uint64_t{eventCount_} * 1'000'000 + measured / 2) / measured);
        eventCount_ = 0;
        measureStart_ = now;
    }
    if (OnTimer) OnTimer(this, lagCount);
    if (!Running()) return std::nullopt;
    // The frame itself took time: the next event is due one interval after this one began.
    const std::uint64_t spent = application_.GetClock().NowMicros() - lastEvent_;
    return spent < interval ? interval - spent : 0;
}
