#pragma once
// A pause measured on the monotonic clock, so a change of the wall clock
// (midnight, a time-zone or NTP step) neither stretches nor cuts it.

#include <chrono>

namespace zunpa {

// Calls runEvents(remaining) until `seconds` have passed; runEvents lets the
// window work and may block for at most `remaining`.
template <typename RunEvents>
void PauseMonotonic(double seconds, RunEvents runEvents) {
  using Clock = std::chrono::steady_clock;
  const auto deadline =
      Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
  for (auto now = Clock::now(); now < deadline; now = Clock::now())
    runEvents(deadline - now);
}

}  // namespace zunpa
