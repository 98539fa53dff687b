// The frame timer's clock on the desktop: decides, from the time in milliseconds, when the next
// tick is due. The platform's main loop asks it before waiting for events and after every tick.
#pragma once

#include <cstdint>

// Ticks come one interval apart while the timer is enabled and the window is active. A late tick
// is not made up: the next one comes one interval after it. After a pause (timer switched off and
// on again, window inactive) the next tick comes one interval after the pause ends.
class TickClock {
 public:
  // A tick that starts this close after its due time counts as on time: a timer that watched the
  // clock without pause would have fired exactly then, so the beat is kept.
  static constexpr uint64_t WakeSlackMs = 2;

  explicit TickClock(uint64_t intervalMs) : intervalMs_(intervalMs) {}

  // Called at `now` before deciding anything: whether ticks may come (timer enabled and window
  // active) and how often the timer has been switched on so far.
  void Observe(uint64_t now, bool ticking, uint32_t timerRestarts);
  // True when a tick should run at `now`.
  bool Due(uint64_t now) const { return ticking_ && now >= nextDue_; }
  // How long the loop may wait for events before the next tick: 0 when one is due, -1 when none
  // is coming (the loop then waits for an event alone).
  int WaitMs(uint64_t now) const;
  // The due tick started at `start`; sets when the one after it is due.
  void TickStarted(uint64_t start);

 private:
  uint64_t intervalMs_;
  uint64_t nextDue_ = 0;
  bool ticking_ = false;
  uint32_t restartsSeen_ = 0;
};
