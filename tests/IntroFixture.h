// The intro form on a headless screen, stepped tick by tick by its own timer and a fake clock.
#pragma once

#include "MainUnit.h"
#include "platform/Clock.h"
#include "platform/HeadlessScreen.h"

#include <gtest/gtest.h>

#include <cstdint>

class IntroFixture : public ::testing::Test {
protected:
    IntroFixture();
    // Leaves the form to CreateForm, for tests that prepare the working directory first.
    struct DeferForm {};
    explicit IntroFixture(DeferForm);
    void CreateForm();

    // Lets one timer interval pass and runs the idle processing once: one frame step.
    void Tick();
    void TickUntil(std::int32_t tickCount);
    void PressKey(std::uint16_t key);

    // The last presented frame's pixel, RGB565.
    std::uint16_t FramePixel(int x, int y) const;

    static constexpr std::uint16_t BandPixel = 0x4292;

    FakeClock clock;
    HeadlessScreen screen{&clock};
    TApplication Application{screen, clock};
    TfrmMain* frmMain = nullptr;
};
