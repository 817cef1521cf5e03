#include "sim_options.h"

#include <algorithm>
#include <charconv>
#include <sstream>

namespace zunpa::sim {
namespace {

constexpr std::array<std::string_view, kCharacterCount> kAliases = {"agarita",  "ukkari",   "neutora",
                                                                    "trickume", "zunpasky", "kiookuman"};

std::vector<std::string> SplitCommas(const std::string& text) {
  std::vector<std::string> parts;
  std::stringstream in(text);
  for (std::string part; std::getline(in, part, ',');)
    parts.push_back(part);
  if (!text.empty() && text.back() == ',') parts.push_back("");
  return parts;
}

constexpr std::string_view kRandomUser = "random";
constexpr std::string_view kYomiUser = "yomi";

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char ch) { return std::tolower(ch); });
  return text;
}

// The four seats of --players; random only at seat 4, which is the user's.
std::optional<std::string> ReadPlayers(const std::string& value, SimOptions& o) {
  const auto names = SplitCommas(value);
  if (names.size() != 4) return "zunpa-sim: --players wants four characters, comma-separated";
  const auto randoms = std::count_if(names.begin(), names.end(), [](const auto& n) { return Lower(n) == kRandomUser; });
  if (randoms > 1) return "zunpa-sim: --players: random may sit at one seat only, the 4th (the user's)";
  if (randoms == 1 && Lower(names[3]) != kRandomUser)
    return "zunpa-sim: --players: random can only be the 4th player (seat 4 is the user's)";
  o.randomUser = randoms == 1;
  const auto yomis = std::count_if(names.begin(), names.end(), [](const auto& n) { return Lower(n) == kYomiUser; });
  if (yomis > 1 || (yomis == 1 && Lower(names[3]) != kYomiUser))
    return "zunpa-sim: --players: yomi can only be the 4th player (seat 4 is the user's)";
  if (yomis == 1 && o.randomUser) return "zunpa-sim: --players: random and yomi both want seat 4";
  o.yomiUser = yomis == 1;
  for (int s = 0; s < (o.randomUser || o.yomiUser ? 3 : 4); ++s) {
    const auto c = CharacterByNameOrAlias(names[s]);
    if (!c) return "zunpa-sim: unknown character '" + names[s] + "' (see --help for the names)";
    o.players[s] = *c;
  }
  return std::nullopt;
}

template <typename Int>
bool ParseNumber(const std::string& text, Int& out, Int low, Int high) {
  Int value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < low || value > high) return false;
  out = value;
  return true;
}

}  // namespace

std::optional<Character> CharacterByNameOrAlias(const std::string& text) {
  if (const auto c = CharacterNamed(text)) return c;
  const std::string lower = Lower(text);
  for (int c = 0; c < kCharacterCount; ++c)
    if (kAliases[c] == lower) return static_cast<Character>(c);
  return std::nullopt;
}

std::array<std::string, 4> SeatLabels(const SimOptions& options) {
  std::array<std::string, 4> labels;
  for (int s = 0; s < 4; ++s)
    labels[s] = NameOf(options.players[s]);
  if (options.randomUser) labels[3] = "random (user)";
  if (options.yomiUser) labels[3] = "yomi (user)";
  return labels;
}

std::string HelpText() {
  std::ostringstream out;
  out << "usage: zunpa-sim [--games N] [--seed S] [--number G] [--players A,B,C,D]\n"
         "                 [--roles SC,REV,SKIP] [--threads T] [--log FILE] [--json] [--max-moves M]\n"
         "                 [--check] [--yomi-samples K] [--yomi-blind] [--yomi-own]\n"
         "\n"
         "Plays complete 20-round games of Zunpa among four computer characters (or three\n"
         "and a random user), with the same rules and characters as the game, and reports\n"
         "how each seat fared.\n"
         "\n"
         "  --games N       games to play (default 1000, or 1 with --number)\n"
         "  --seed S        games are reproducible: game g is dealt from (S, g) only (default 1)\n"
         "  --number G      numbered games, as the game's window deals them: game g is game number\n"
         "                  G + g, with the deals, reshuffles and random starters of that number\n"
         "                  (G from 1 to 999999999; the seed then only drives the random user)\n"
         "  --players LIST  the characters of seats 1..4, by name or alias, comma-separated;\n"
         "                  a character may sit at several seats; the 4th may be random: the\n"
         "                  user's seat, played by random clicks and answers through the game's\n"
         "                  own commands and questions (default agarita,trickume,zunpasky,kiookuman);\n"
         "                  or yomi: the user's seat played by the analysis engine, as the hint\n"
         "  --yomi-samples K  deals of the unseen cards yomi weighs per decision (default 2048)\n"
         "  --yomi-blind    yomi ignores what the characters' moves say of their hands\n"
         "  --yomi-own      yomi weighs its own total alone, not against the others'\n"
         "  --roles LIST    suit-change, reverse and skip ranks: distinct, 1..13, never 2\n"
         "                  (default 11,8,10)\n"
         "  --threads T     worker threads (default: one per core); results do not depend on it\n"
         "  --log FILE      writes every event as JSON Lines, in play order\n"
         "  --json          prints the report as one JSON object\n"
         "  --max-moves M   moves (plays and draws) after which a round counts as stalled and is\n"
         "                  dealt again (default 10000)\n"
         "  --check         checks the table's invariants after every move; a broken one ends\n"
         "                  the run with status 1 and one line naming the game, round and move\n"
         "  --help          this text\n"
         "\n"
         "Characters and aliases:\n";
  for (int c = 0; c < kCharacterCount; ++c)
    out << "  " << kAliases[c] << std::string(11 - kAliases[c].size(), ' ') << kCharacterNames[c] << '\n';
  out << "\n"
         "Report, per seat: games and rounds played; rounds won by going out and by Zunpa;\n"
         "Zunpa calls made (every call that arose, let pass or countered included) and times\n"
         "called on, per 100 rounds; mean round points and mean final total; the share of\n"
         "1st..4th places (tied seats share the better place); 95% Wilson intervals on the\n"
         "round-win and first-place rates. Then the whole run: games, rounds, moves, stalled\n"
         "rounds, wall time, rounds/s and moves/s.\n";
  return out.str();
}

std::variant<SimOptions, std::string> ParseArguments(const std::vector<std::string>& args) {
  SimOptions o;
  bool gamesGiven = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& flag = args[i];
    if (flag == "--help" || flag == "-h") {
      o.help = true;
      continue;
    }
    if (flag == "--json") {
      o.json = true;
      continue;
    }
    if (flag == "--check") {
      o.check = true;
      continue;
    }
    if (flag == "--yomi-blind") {
      o.yomiReads = false;
      continue;
    }
    if (flag == "--yomi-own") {
      o.yomiOwnTotal = true;
      continue;
    }
    static const std::array<std::string_view, 9> kValueFlags = {
        "--games", "--seed", "--number", "--threads", "--max-moves", "--log", "--players", "--roles", "--yomi-samples"};
    if (std::find(kValueFlags.begin(), kValueFlags.end(), flag) == kValueFlags.end())
      return "zunpa-sim: unknown option " + flag + " (see --help)";
    if (i + 1 >= args.size()) return "zunpa-sim: " + flag + " needs a value (see --help)";
    const std::string& value = args[++i];
    if (flag == "--games") {
      if (!ParseNumber(value, o.games, 1L, 1'000'000'000L)) return "zunpa-sim: --games wants a number from 1 up";
      gamesGiven = true;
    } else if (flag == "--seed") {
      if (!ParseNumber<std::uint64_t>(value, o.seed, 0, UINT64_MAX))
        return "zunpa-sim: --seed wants a whole number from 0 to 18446744073709551615";
    } else if (flag == "--number") {
      std::uint64_t number = 0;
      if (!ParseNumber(value, number, kFirstGameNumber, kLastGameNumber))
        return "zunpa-sim: --number wants a game number from 1 to 999999999";
      o.number = number;
    } else if (flag == "--threads") {
      if (!ParseNumber(value, o.threads, 1, 1024)) return "zunpa-sim: --threads wants a number from 1 to 1024";
    } else if (flag == "--max-moves") {
      if (!ParseNumber(value, o.maxMoves, 1, 100'000'000)) return "zunpa-sim: --max-moves wants a number from 1 up";
    } else if (flag == "--yomi-samples") {
      if (!ParseNumber(value, o.yomiSamples, 1, 1'000'000)) return "zunpa-sim: --yomi-samples wants a number from 1 up";
    } else if (flag == "--log") {
      o.logPath = value;
    } else if (flag == "--players") {
      if (auto error = ReadPlayers(value, o)) return *error;
    } else if (flag == "--roles") {
      const auto ranks = SplitCommas(value);
      std::array<int, 3> r{};
      if (ranks.size() != 3 || !ParseNumber(ranks[0], r[0], 1, 13) || !ParseNumber(ranks[1], r[1], 1, 13) ||
          !ParseNumber(ranks[2], r[2], 1, 13))
        return "zunpa-sim: --roles wants three ranks from 1 to 13: suit change, reverse, skip";
      o.roles = {r[0], r[1], r[2]};
      if (!RolesValid(o.roles))
        return "zunpa-sim: --roles: the ranks must be distinct and never 2 (" + std::string(RolesProblem(o.roles)) +
               ")";
    }
  }
  if (o.number && !gamesGiven) o.games = 1;
  return o;
}

}  // namespace zunpa::sim
