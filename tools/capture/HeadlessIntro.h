// The real intro form on a headless screen, stepped one tick at a time by a fake clock that
// advances exactly 1/rate of a second per tick, so that nothing depends on real time.
#pragma once

#include "MainUnit.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/HeadlessScreen.h"

#include <cstdint>
#include <span>
#include <vector>

class HeadlessIntro {
public:
    // Creates the form as the program does; raises std::runtime_error when it cannot start
    // (its creation failed, so its timer never runs).
    explicit HeadlessIntro(int rate);
    // Destroying the form stops the music and removes its temp files.
    ~HeadlessIntro() = default;
    HeadlessIntro(const HeadlessIntro&) = delete;
    HeadlessIntro& operator=(const HeadlessIntro&) = delete;

    void PressKey(std::uint16_t key);
    // Lets one tick's time pass and runs the message loop's idle processing: one frame step.
    void Step();
    bool Closed() const { return Application.Terminated(); }

    const TfrmMain& Form() const { return *frmMain; }
    // What the screen shows: the last presented frame, black before the first.
    std::span<const std::uint16_t> Frame() const;

private:
    int rate_;
    std::int64_t steps_ = 0;
    std::uint64_t start_;
    FakeClock clock_;
    HeadlessScreen screen_{&clock_};
    TApplication Application{screen_, clock_};
    TfrmMain* frmMain = nullptr;
    std::vector<std::uint16_t> black_;
};
