// The frame timer: events from the message loop's idle processing, at least Interval ms
// apart, only while the application is active, with a measured frame rate.
#pragma once

#include "Application.h"
#include "Types.h"

#include <cstdint>
#include <functional>

class TDXTimer final : public TObject, public IdleHandler {
public:
    explicit TDXTimer(TApplication& application);
    ~TDXTimer() override;

    bool ActiveOnly = true;
    int Interval = 1000;
    std::function<void(TObject* Sender, int LagCount)> OnTimer;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    // Events per second at the last completed measurement; 0 before the first.
    int FrameRate() const { return frameRate_; }

    std::optional<std::uint64_t> Idle() override;
    void ApplicationActivated(bool active) override;

private:
    void Restart();
    bool Running() const { return enabled_ && (!ActiveOnly || application_.Active()); }
    std::uint64_t IntervalMicros() const { return static_cast<std::uint64_t>(Interval > 0 ? Interval : 1) * 1000; }

    TApplication& application_;
    bool enabled_ = false;
    std::uint64_t lastEvent_ = 0;
    std::uint64_t measureStart_ = 0;
    std::uint32_t eventCount_ = 0;
    int frameRate_ = 0;
};
