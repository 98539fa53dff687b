// The frame timer's clock on the desktop: when the next tick is due.
#include "platform/tick_clock.h"

#include <algorithm>
#include <limits>

void TickClock::Observe(uint64_t now, bool ticking, uint32_t timerRestarts) {
  // a timer switched on again, or a window that just became active, starts a fresh interval
  const bool restarted = timerRestarts != restartsSeen_;
  restartsSeen_ = timerRestarts;
  if (ticking && (!ticking_ || restarted)) nextDue_ = now + intervalMs_;
  ticking_ = ticking;
}

int TickClock::WaitMs(uint64_t now) const {
  if (!ticking_) return -1;
  if (now >= nextDue_) return 0;
  const uint64_t wait = nextDue_ - now;
  return static_cast<int>(std::min<uint64_t>(wait, std::numeric_limits<int>::max()));
}

void TickClock::TickStarted(uint64_t start) {
  const bool onTime = start <= nextDue_ + WakeSlackMs;
  nextDue_ = (onTime ? nextDue_ : start) + intervalMs_;
}
