#include "sim_stats.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sstream>

namespace zunpa::sim {

void SeatStats::Add(const SeatStats& o) {
  rounds += o.rounds;
  outWins += o.outWins;
  zunpaWins += o.zunpaWins;
  zunpaCalls += o.zunpaCalls;
  calledOn += o.calledOn;
  roundPoints += o.roundPoints;
  finalTotals += o.finalTotals;
  for (int i = 0; i < 4; ++i)
    places[i] += o.places[i];
}

void RunStats::Add(const RunStats& o) {
  games += o.games;
  rounds += o.rounds;
  moves += o.moves;
  stalledRounds += o.stalledRounds;
  for (int i = 0; i < 4; ++i)
    seats[i].Add(o.seats[i]);
}

Interval Wilson95(std::int64_t hits, std::int64_t n) {
  if (n == 0) return {0, 1};
  const double z = 1.959963984540054, nn = static_cast<double>(n);
  const double p = static_cast<double>(hits) / nn;
  const double centre = (p + z * z / (2 * nn)) / (1 + z * z / nn);
  const double half = z * std::sqrt(p * (1 - p) / nn + z * z / (4 * nn * nn)) / (1 + z * z / nn);
  return {hits == 0 ? 0.0 : std::max(0.0, centre - half), hits == n ? 1.0 : std::min(1.0, centre + half)};
}

namespace {

double Ratio(double a, std::int64_t b) {
  return b == 0 ? 0.0 : a / static_cast<double>(b);
}

std::string Fixed(double v, int decimals) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, v);
  return buffer;
}

struct SeatFigures {
  double winRate, firstRate, outPer100, zunpaPer100, callsPer100, calledOnPer100, meanPoints, meanTotal;
  std::array<double, 4> placeShare;
  Interval winCi, firstCi;
};

SeatFigures FiguresOf(const SeatStats& s, std::int64_t games) {
  SeatFigures f{};
  const std::int64_t wins = s.outWins + s.zunpaWins;
  f.winRate = Ratio(static_cast<double>(wins), s.rounds);
  f.firstRate = Ratio(static_cast<double>(s.places[0]), games);
  f.outPer100 = 100 * Ratio(static_cast<double>(s.outWins), s.rounds);
  f.zunpaPer100 = 100 * Ratio(static_cast<double>(s.zunpaWins), s.rounds);
  f.callsPer100 = 100 * Ratio(static_cast<double>(s.zunpaCalls), s.rounds);
  f.calledOnPer100 = 100 * Ratio(static_cast<double>(s.calledOn), s.rounds);
  f.meanPoints = Ratio(static_cast<double>(s.roundPoints), s.rounds);
  f.meanTotal = Ratio(static_cast<double>(s.finalTotals), games);
  for (int i = 0; i < 4; ++i)
    f.placeShare[i] = Ratio(static_cast<double>(s.places[i]), games);
  f.winCi = Wilson95(wins, s.rounds);
  f.firstCi = Wilson95(s.places[0], games);
  return f;
}

// Half-width katakana take one column each: pad by characters, not bytes.
std::size_t Characters(std::string_view text) {
  std::size_t characters = 0;
  for (unsigned char c : text)
    characters += (c & 0xC0) != 0x80;
  return characters;
}

std::string PadRight(std::string_view text, std::size_t width) {
  const std::size_t characters = Characters(text);
  return std::string(text) + std::string(width > characters ? width - characters : 0, ' ');
}

double PerSecond(std::int64_t n, double seconds) {
  return seconds > 0 ? static_cast<double>(n) / seconds : 0;
}

}  // namespace

std::string FormatTable(const RunStats& stats, const std::array<std::string, 4>& seats, double seconds) {
  std::size_t width = 10;
  for (const std::string& name : seats)
    width = std::max(width, Characters(name));
  std::ostringstream out;
  out << "seat " << PadRight("character", width)
      << "  games  rounds   win%  [95% CI]       out/100 zunpa/100 calls/100 hit/100  "
         "pts/round  total/game   1st%   2nd%   3rd%   4th%  1st% [95% CI]\n";
  for (int i = 0; i < 4; ++i) {
    const SeatStats& s = stats.seats[i];
    const SeatFigures f = FiguresOf(s, stats.games);
    char line[512];
    std::snprintf(line, sizeof line,
                  "%-4d %s %6lld %7lld %6.2f [%5.2f-%5.2f] %8.2f %9.2f %9.2f %7.2f %10.2f %11.1f %6.2f %6.2f "
                  "%6.2f %6.2f %6.2f [%5.2f-%5.2f]\n",
                  i + 1, PadRight(seats[i], width).c_str(), static_cast<long long>(stats.games),
                  static_cast<long long>(s.rounds), 100 * f.winRate, 100 * f.winCi.low, 100 * f.winCi.high, f.outPer100,
                  f.zunpaPer100, f.callsPer100, f.calledOnPer100, f.meanPoints, f.meanTotal, 100 * f.placeShare[0],
                  100 * f.placeShare[1], 100 * f.placeShare[2], 100 * f.placeShare[3], 100 * f.firstRate,
                  100 * f.firstCi.low, 100 * f.firstCi.high);
    out << line;
  }
  out << "\ngames " << stats.games << "  rounds " << stats.rounds << "  moves " << stats.moves << "  stalled rounds "
      << stats.stalledRounds << "\nwall time " << Fixed(seconds, 3) << " s  rounds/s "
      << Fixed(PerSecond(stats.rounds, seconds), 0) << "  moves/s " << Fixed(PerSecond(stats.moves, seconds), 0)
      << '\n';
  return out.str();
}

std::string FormatJson(const RunStats& stats, const std::array<std::string, 4>& seats, double seconds) {
  std::ostringstream out;
  out << "{\"seats\":[";
  for (int i = 0; i < 4; ++i) {
    const SeatStats& s = stats.seats[i];
    const SeatFigures f = FiguresOf(s, stats.games);
    if (i) out << ',';
    out << "{\"seat\":" << i + 1 << ",\"character\":\"" << seats[i] << "\",\"games\":" << stats.games
        << ",\"rounds\":" << s.rounds << ",\"out_wins\":" << s.outWins << ",\"zunpa_wins\":" << s.zunpaWins
        << ",\"win_rate\":" << Fixed(f.winRate, 6) << ",\"win_rate_ci95\":[" << Fixed(f.winCi.low, 6) << ','
        << Fixed(f.winCi.high, 6) << "],\"zunpa_calls_per_100_rounds\":" << Fixed(f.callsPer100, 4)
        << ",\"called_on_per_100_rounds\":" << Fixed(f.calledOnPer100, 4)
        << ",\"mean_round_points\":" << Fixed(f.meanPoints, 4) << ",\"mean_final_total\":" << Fixed(f.meanTotal, 4)
        << ",\"places\":[" << s.places[0] << ',' << s.places[1] << ',' << s.places[2] << ',' << s.places[3]
        << "],\"place_shares\":[" << Fixed(f.placeShare[0], 6) << ',' << Fixed(f.placeShare[1], 6) << ','
        << Fixed(f.placeShare[2], 6) << ',' << Fixed(f.placeShare[3], 6) << "],\"first_rate_ci95\":["
        << Fixed(f.firstCi.low, 6) << ',' << Fixed(f.firstCi.high, 6) << "]}";
  }
  out << "],\"games\":" << stats.games << ",\"rounds\":" << stats.rounds << ",\"moves\":" << stats.moves
      << ",\"stalled_rounds\":" << stats.stalledRounds << ",\"wall_seconds\":" << Fixed(seconds, 6)
      << ",\"rounds_per_second\":" << Fixed(PerSecond(stats.rounds, seconds), 1)
      << ",\"moves_per_second\":" << Fixed(PerSecond(stats.moves, seconds), 1) << "}\n";
  return out.str();
}

}  // namespace zunpa::sim
