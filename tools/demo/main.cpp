// A whole 20-round game among four computer characters, written as text.
// Usage: zunpa-demo [--paced] [seed]

#include <cstdlib>
#include <iostream>
#include <string_view>

#include "flow/new_game.h"
#include "flow/turn_cycle.h"
#include "rules/deal.h"
#include "rules/game.h"
#include "text_host.h"

int main(int argc, char** argv) {
  using namespace zunpa;
  TextHost host(std::cout);
  Game game(host);
  game.observer = &host;
  game.random.SetClockDriven(true);
  for (int i = 1; i < argc; ++i) {
    if (std::string_view(argv[i]) == "--paced") {
      host.paced = true;
    } else {
      game.random.Seed(std::strtoull(argv[i], nullptr, 10));
      game.random.SetClockDriven(false);
    }
  }
  game.options.Sound = false;
  game.options.CardSound = false;
  game.seats.SeatName = {"ｱｶﾞﾘｰﾀ", "ﾄﾘｯｸ･ｳﾒ", "ｷ･ｵｰｸﾏﾝ", "ｽﾞﾝﾊﾟｽｷｲ"};
  game.seats.character[3] = Character::Zunpasky;
  BeginNewGame(game);
  RunSteps(game);
  return 0;
}
