#include "platform/Application.h"
#include "platform/DXTimer.h"
#include "platform/HeadlessScreen.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class TimerTest : public ::testing::Test {
protected:
    TimerTest() {
        timer.Interval = 15;
        timer.OnTimer = [this](TObject*, int lagCount) { lags.push_back(lagCount); };
    }
    void Advance(std::uint64_t micros) {
        clock.Advance(micros);
        timer.Idle();
    }

    FakeClock clock;
    HeadlessScreen screen{&clock};
    TApplication application{screen, clock};
    TDXTimer timer{application};
    std::vector<int> lags;
};

TEST_F(TimerTest, EventsAreAtLeastOneIntervalApartMeasuredInMicroseconds) {
    timer.SetEnabled(true);
    Advance(14'999);
    EXPECT_TRUE(lags.empty()) << "14.999 ms is not yet 15 ms";
    Advance(1);
    EXPECT_EQ(lags.size(), 1u);
    Advance(14'000);
    Advance(999);
    EXPECT_EQ(lags.size(), 1u);
    Advance(1);
    EXPECT_EQ(lags, (std::vector<int>{1, 1}));
}

TEST_F(TimerTest, LateEventReportsLagButIsNotCaughtUp) {
    timer.SetEnabled(true);
    Advance(100'000);
    Advance(1);
    EXPECT_EQ(lags, (std::vector<int>{6}));
}

TEST_F(TimerTest, IdleTellsHowLongTheLoopMaySleep) {
    EXPECT_EQ(timer.Idle(), std::nullopt) << "a disabled timer needs no wake-up";
    timer.SetEnabled(true);
    clock.Advance(4'000);
    EXPECT_EQ(timer.Idle(), std::optional<std::uint64_t>(11'000));
}

TEST_F(TimerTest, FrameRateIsMeasuredOncePerSecondAndRounded) {
    timer.SetEnabled(true);
    for (int i = 0; i < 66; ++i) Advance(15'000);  // 990 ms
    EXPECT_EQ(timer.FrameRate(), 0) << "no measurement before a second has passed";
    Advance(15'000);  // 67 events in 1005 ms: 66.67
    EXPECT_EQ(timer.FrameRate(), 67);
    Advance(500'000);
    EXPECT_EQ(timer.FrameRate(), 67) << "the read-out changes at most once a second";
}

TEST_F(TimerTest, InactiveApplicationStopsEventsAndRestartsTheirTime) {
    timer.SetEnabled(true);
    screen.Push({ScreenEvent::Kind::Deactivated});
    application.ProcessMessages();
    Advance(5'000'000);
    EXPECT_TRUE(lags.empty());
    screen.Push({ScreenEvent::Kind::Activated});
    application.ProcessMessages();
    Advance(14'000);
    EXPECT_TRUE(lags.empty()) << "time spent inactive is not counted";
    Advance(1'000);
    EXPECT_EQ(lags, (std::vector<int>{1}));
}

TEST_F(TimerTest, ActiveOnlyOffKeepsRunningWhileInactive) {
    timer.ActiveOnly = false;
    timer.SetEnabled(true);
    screen.Push({ScreenEvent::Kind::Deactivated});
    application.ProcessMessages();
    Advance(15'000);
    EXPECT_EQ(lags.size(), 1u);
}

}  // namespace
