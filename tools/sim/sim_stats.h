#pragma once
// What a run of games adds up to, per seat and in all. Every figure is an
// integer sum, so the totals do not depend on how games were spread over
// threads.

#include <array>
#include <cstdint>
#include <string>

namespace zunpa::sim {

struct SeatStats {
  std::int64_t rounds = 0;
  std::int64_t outWins = 0;
  std::int64_t zunpaWins = 0;
  std::int64_t zunpaCalls = 0;
  std::int64_t calledOn = 0;
  std::int64_t roundPoints = 0;
  std::int64_t finalTotals = 0;
  std::array<std::int64_t, 4> places{};

  void Add(const SeatStats& o);
};

struct RunStats {
  std::int64_t games = 0;
  std::int64_t rounds = 0;
  std::int64_t moves = 0;
  std::int64_t stalledRounds = 0;
  std::array<SeatStats, 4> seats;

  void Add(const RunStats& o);
};

struct Interval {
  double low = 0, high = 0;
};
// The 95% Wilson score interval of `hits` out of `n`.
Interval Wilson95(std::int64_t hits, std::int64_t n);

// The report as a text table, or as one JSON object; `seats` names who
// played at each seat.
std::string FormatTable(const RunStats& stats, const std::array<std::string, 4>& seats, double seconds);
std::string FormatJson(const RunStats& stats, const std::array<std::string, 4>& seats, double seconds);

}  // namespace zunpa::sim
