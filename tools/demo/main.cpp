// A whole 20-round game among four computer characters, written as text.
// Usage: zunpa-demo [seed]

#include <cstdlib>
#include <iostream>

#include "engine/deal.h"
#include "engine/game.h"
#include "text_host.h"

int main(int argc, char** argv) {
  using namespace zunpa;
  TextHost host(std::cout);
  Game game(host);
  game.observer = &host;
  if (argc > 1) {
    game.random.Seed(std::strtoull(argv[1], nullptr, 10));
  } else {
    game.random.SetClockDriven(true);
  }
  game.options.Sound = false;
  game.options.CardSound = false;
  game.seats.SeatName = {"ｱｶﾞﾘｰﾀ", "ﾄﾘｯｸ･ｳﾒ", "ｷ･ｵｰｸﾏﾝ", "ｽﾞﾝﾊﾟｽｷｲ"};
  game.seats.character[3] = Character::Zunpasky;
  BeginNewGame(game);
  return 0;
}
