#include "user_table.h"

#include "game_recorder.h"
#include "random_user.h"
#include "session/session.h"
#include "yomi_user.h"

namespace zunpa::sim {
namespace {

constexpr std::string_view kUserName = "あなた";
// Keeps the user's random choices apart from the deals of the same game.
constexpr std::uint64_t kUserSalt = 0x7573657253656174ULL;

bool WaitsForUser(const Session& session) {
  const Game& g = session.game();
  return g.round.RoundNo >= 1 && g.flow.humanInputOpen && session.NextStep().kind == StepKind::None;
}

// Either user: a Host that makes the user's move when asked to act.
template <typename User>
void PlayGameWith(User& user, const SimOptions& options, long index, GameRecorder& recorder, std::string* log,
                  DecisionList* decisions = nullptr) {
  const std::uint64_t seed = DeriveSeed(options.seed, static_cast<std::uint64_t>(index));
  Session session(user);
  Game& game = session.game();
  session.Follow(&recorder);
  user.SitAt(session);
  session.KeepDecisions(decisions != nullptr);
  game.watching = false;
  game.flow.maxMovesPerRound = options.maxMoves;
  game.roles = options.roles;
  game.random.Seed(seed);
  for (int i = 0; i < 3; ++i)
    game.seats.SeatName[i] = std::string(NameOf(options.players[i]));
  game.seats.SeatName[3] = std::string(kUserName);
  recorder.StartGame(game, index, log);
  // The window's new-game command: player selection comes up and is
  // accepted with the seats above, then round 1 is dealt.
  if (options.number) {
    session.NewNumberedGame(*options.number + static_cast<std::uint64_t>(index));
  } else {
    session.NewGame();
  }
  session.RunSteps();
  while (WaitsForUser(session))
    user.Act();
  if (decisions) *decisions = session.decisions().decisions();
}

}  // namespace

void PlayGameWithRandomUser(const SimOptions& options, long index, GameRecorder& recorder, std::string* log) {
  const std::uint64_t seed = DeriveSeed(options.seed, static_cast<std::uint64_t>(index));
  RandomUser user(DeriveSeed(seed, kUserSalt), recorder);
  PlayGameWith(user, options, index, recorder, log);
}

void PlayGameWithYomi(const SimOptions& options, long index, GameRecorder& recorder, std::string* log,
                      DecisionList* decisions) {
  const std::uint64_t seed = DeriveSeed(options.seed, static_cast<std::uint64_t>(index));
  YomiSettings settings;
  settings.samples = options.yomiSamples;
  settings.readCharacters = options.yomiReads;
  if (options.yomiOwnTotal) settings.measure = Measure::OwnTotal;
  YomiUser user(DeriveSeed(seed, kUserSalt), settings, recorder);
  PlayGameWith(user, options, index, recorder, log, decisions);
}

}  // namespace zunpa::sim
