// Plays a numbered game as a user who always takes the first move the
// keyboard ring offers and presses every dialog's default button, with the
// data files in a folder: what the web page must write for the same game
// played the same way (its browser test compares the bytes).
// Usage: zunpa-default-user NUMBER FOLDER ROUNDS MOVES [SPEED [finish]]
//   plays ROUNDS whole rounds and MOVES moves of the next and saves; with
//   "finish", goes on from the saved game (つづき) to the game's end; then
//   exits. Prints each question asked, one a line.

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "files/cp932_text.h"
#include "files/data_files.h"
#include "files/start_up.h"
#include "rules/silent_host.h"
#include "session/session.h"
#include "ui_logic/key_focus.h"
#include "ui_logic/option_menus.h"
#include "ui_logic/player_selection.h"

namespace {

using namespace zunpa;

class DefaultButtons final : public SilentHost {
 public:
  Answer ShowMessage(const Message& m) override {
    if (m.buttons != Buttons::Ok) std::printf("%s\n", m.text.c_str());
    return m.buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
  }
  // The dialog as it opens, and OK.
  bool SelectPlayers(SeatSetup& setup) override {
    ui::PlayerSelection selection = ui::OpenPlayerSelection(setup);
    const ui::SelectionEnd end = ui::PressOk(selection, [](std::string_view text) { return SanitizeForCp932(text); });
    setup = selection.seats;
    return end.accepted;
  }
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5) {
    std::fprintf(stderr, "usage: zunpa-default-user NUMBER FOLDER ROUNDS MOVES [SPEED]\n");
    return 2;
  }
  const std::uint64_t number = std::strtoull(argv[1], nullptr, 10);
  const int rounds = std::atoi(argv[3]), moves = std::atoi(argv[4]);
  DefaultButtons host;
  Session session(host, &DataFiles());
  Game& game = session.game();
  game.files.AppDir = argv[2];
  // The page's folder lists every sound the site carries.
  for (std::string_view name : kSoundFiles)
    std::ofstream(game.files.AppDir + "/" + std::string(name));
  session.StartUp();
  if (argc > 5) session.SetOptions(ui::ClickSpeed(game.options, std::atoi(argv[5])));
  if (!session.NewNumberedGame(number)) return 1;
  int moved = 0;
  const auto move = [&] {
    const std::vector<ui::FocusStop> stops = ui::FocusStops(game);
    if (stops.empty()) return false;
    const ui::FocusStop& first = stops.front();
    return first.draw ? session.PressDraw() : session.ClickCard(SuitOfCode(first.code), RankOfCode(first.code));
  };
  for (;;) {
    session.RunSteps();
    if (game.round.RoundNo > rounds + 1 || (game.round.RoundNo == rounds + 1 && moved == moves)) break;
    if (!move()) return 1;
    if (game.round.RoundNo == rounds + 1) ++moved;
  }
  if (!session.Save()) return 1;
  if (argc > 6 && std::string(argv[6]) == "finish") {
    if (!session.Continue(number)) return 1;
    // Played out: the table is empty at the end and offers no move.
    do
      session.RunSteps();
    while (move());
  }
  return session.Stop() == StopOutcome::Ended ? 0 : 1;
}
