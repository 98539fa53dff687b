// The runner's bot: plays the game for a number of ticks through the mouse handlers only, the way
// a person at the screen would, with choices drawn from its own seeded generator.
#pragma once

#include <array>
#include <cstdint>

#include "app/runner_game.h"
#include "engine/world/pool.h"

class TBot {
 public:
  TBot() { Seed(1); }
  // The same seed gives the same moves on the same game; without a call the seed is 1.
  void Seed(uint64_t seed);
  // Plays `ticks` ticks (fewer when the game ends): before each tick it may move, press or
  // release the mouse. A button it holds when the last tick has run stays held for its next turn.
  void Play(TRunnerGame& game, int64_t ticks);

 private:
  // Where the column would go and how good that is; Field 0 when no drop field has room.
  struct TDrop {
    int Field = 0;
    int Value = 0;
  };

  void Act(TRunnerGame& game);
  void ActOnWinnerEntry(TRunnerGame& game);
  void ActInGame(TRunnerGame& game);
  void PressAt(TRunnerGame& game, int x, int y);

  // Column colours are given top, middle, bottom, as the store and the carried column hold them.
  TDrop BestDrop(const std::array<int, 3>& colours);
  int DropValue(int dropField, const std::array<int, 3>& colours);
  int GroupSize(int field, int colour);
  int ColourOn(int field) const;
  bool TakesTie(int& ties);

  uint32_t Next();
  int Below(int n);

  uint64_t state_ = 0;
  bool holding_ = false;  // the bot pressed the left button and lets go before its next choice
  int pause_ = 0;         // ticks to wait before the next choice
  int lettersTyped_ = 0;  // letter clicks on the current winner entry
  bool enterPressed_ = false;
  bool gameOverSeen_ = false;  // the bot has looked at the game-over screen

  // The stones of the column being judged, on the fields where they would come to rest.
  std::array<int, 3> landingField_{};
  std::array<int, 3> landingColour_{};
  int landingCount_ = 0;
  // Fields already counted in the group search, marked with the search's stamp.
  std::array<uint32_t, PoolCapacity + 1> seen_{};
  uint32_t stamp_ = 0;
  std::array<int, PoolCapacity + 1> pending_{};
};
