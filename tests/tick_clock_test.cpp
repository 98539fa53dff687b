// The desktop's tick clock: ticks one interval apart, no making up of late ticks, pauses while
// inactive and after the timer is switched on again.
#include "platform/tick_clock.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr uint64_t Interval = 33;

// Runs the clock like the main loop: every millisecond from `from` to `to`, the loop observes,
// and a due tick starts at once and lasts `tickLength` ms. Returns the start times of the ticks.
struct LoopFixture {
  TickClock Clock{Interval};
  uint32_t Restarts = 1;
  bool Active = true;
  std::vector<uint64_t> TickStarts;

  void Run(uint64_t from, uint64_t to, uint64_t tickLength = 0) {
    for (uint64_t now = from; now < to; ++now) {
      Clock.Observe(now, Active, Restarts);
      if (!Clock.Due(now)) continue;
      Clock.TickStarted(now);
      TickStarts.push_back(now);
      now += tickLength;
    }
  }
};

TEST(TickClock, TicksOneIntervalApartFromTheStart) {
  LoopFixture loop;
  loop.Run(1000, 1100);
  EXPECT_EQ(loop.TickStarts, (std::vector<uint64_t>{1033, 1066, 1099}));
}

TEST(TickClock, WaitsUntilTheNextTickAndNotAtAllWhenStopped) {
  TickClock clock{Interval};
  EXPECT_EQ(clock.WaitMs(0), -1);  // the timer was never switched on
  clock.Observe(100, true, 1);
  EXPECT_EQ(clock.WaitMs(100), 33);
  EXPECT_EQ(clock.WaitMs(120), 13);
  EXPECT_EQ(clock.WaitMs(140), 0);
  clock.Observe(141, false, 1);
  EXPECT_EQ(clock.WaitMs(141), -1);
  EXPECT_FALSE(clock.Due(141));
}

TEST(TickClock, WakingALittleLateKeepsTheBeat) {
  TickClock clock{Interval};
  clock.Observe(0, true, 1);
  clock.TickStarted(33 + TickClock::WakeSlackMs);  // the wait returned a moment late
  EXPECT_EQ(clock.WaitMs(40), 66 - 40);
}

TEST(TickClock, LateTickIsNotMadeUp) {
  // a tick that takes 100 ms: the next one comes one interval after the late start, not at once
  // and not three times in a row
  LoopFixture loop;
  loop.Run(0, 250, 100);
  EXPECT_EQ(loop.TickStarts, (std::vector<uint64_t>{33, 134, 235}));
}

TEST(TickClock, NoTicksWhileInactiveAndNoJumpOnResuming) {
  LoopFixture loop;
  loop.Run(0, 40);  // tick at 33
  loop.Active = false;
  loop.Run(40, 500);  // inactive: nothing
  loop.Active = true;
  loop.Run(500, 540);  // one interval after regaining focus
  EXPECT_EQ(loop.TickStarts, (std::vector<uint64_t>{33, 533}));
}

TEST(TickClock, TimerSwitchedOnAgainStartsAFreshInterval) {
  // the load tick stops and restarts the timer and takes 200 ms: the next tick comes one interval
  // after the end of that tick
  TickClock clock{Interval};
  clock.Observe(0, true, 1);
  ASSERT_TRUE(clock.Due(33));
  clock.TickStarted(33);
  clock.Observe(233, true, 2);
  EXPECT_FALSE(clock.Due(233));
  EXPECT_EQ(clock.WaitMs(233), 33);
  // switched off with no restart: no more ticks
  clock.Observe(266, false, 2);
  EXPECT_FALSE(clock.Due(1000));
}

}  // namespace
