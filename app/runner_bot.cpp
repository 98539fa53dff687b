// The runner's bot: each turn between two ticks it looks at the game as the screen shows it and
// answers with the mouse: START when no game runs, pick up a full store row, drop the column where
// it joins the most stones of its colour, type a name and ENTER after a high score.
#include "app/runner_bot.h"

#include <climits>
#include <string_view>

#include "engine/globals.h"
#include "engine/rules/store.h"
#include "engine/ui/winner_entry.h"

namespace {

// Button centres, well inside their hit rectangles.
constexpr int StartX = 51, StartY = 200;
constexpr int EnterX = 52, EnterY = 398;
constexpr int SpielX = 153, SpielY = 27;
constexpr int NeinX = 481, NeinY = 348;

// Ticks a game over is looked at before START, at least.
constexpr int GameOverPause = 10;

// A store row is picked up by pressing over its middle stone.
constexpr int StoreMiddleY = 132;
int StoreRowX(int row) {
  return 30 * row + 120;
}

// The winner entry's letter row: letter A is centred at x 105, each next letter 20 px on.
constexpr std::string_view BotName = "BOT";
constexpr int LetterY = 370;
int LetterX(char letter) {
  return 105 + 20 * (letter - 'A');
}

// The longest straight run of board fields in any layout is 10.
constexpr int ChainCapacity = 16;

// Judging a drop: a stone that completes a group is worth far more than one that only touches.
constexpr int GroupValuePerStone = 100;
constexpr int TouchValue = 10;
constexpr int LostStoneValue = 5;

constexpr int DropFieldPicture = 8;
constexpr int LitFieldPicture = 7;

bool IsDropField(int id) {
  return IsLive(id) && Pool.Kind[id] == KindBoard && Pool.SubKind[id] == SubKindField &&
         Pool.Tag[id] == 1 &&
         (Pool.Picture[id] == DropFieldPicture || Pool.Picture[id] == LitFieldPicture);
}

// A missing field counts as occupied, as the drop does.
bool Occupied(int field) {
  return field == 0 || Pool.FieldStone[field] > 0;
}
int FieldBelow(int field) {
  return field == 0 ? 0 : Pool.Neighbour[field][DirBelow];
}

// How many stones of a column a drop on this field puts onto the board: 0 when it has no room.
int StonesTaken(int field) {
  const int below = FieldBelow(field);
  const int belowThat = FieldBelow(below);
  if (Occupied(field)) return 0;
  if (!Occupied(below)) return Occupied(belowThat) ? 2 : 3;
  return Occupied(belowThat) ? 1 : 0;
}

int StoneColour(int stone) {
  return IsLive(stone) ? Pool.Picture[stone] : 0;
}

}  // namespace

void TBot::Seed(uint64_t seed) {
  state_ = seed * 0x9E3779B97F4A7C15ull + 0x853C49E6748FEA9Bull;
  if (state_ == 0) state_ = 1;  // xorshift never leaves 0
}

// xorshift64*: small and fast, and apart from the game's Random, so the bot does not change the
// game's own draws.
uint32_t TBot::Next() {
  state_ ^= state_ >> 12;
  state_ ^= state_ << 25;
  state_ ^= state_ >> 27;
  return static_cast<uint32_t>((state_ * 0x2545F4914F6CDD1Dull) >> 32);
}

int TBot::Below(int n) {
  return n < 1 ? 0 : static_cast<int>(Next() % static_cast<uint32_t>(n));
}

// Among equal candidates each is kept with the same chance (reservoir sampling).
bool TBot::TakesTie(int& ties) {
  ++ties;
  return Below(ties) == 0;
}

void TBot::Play(TRunnerGame& game, int64_t ticks) {
  for (int64_t i = 0; i < ticks && !game.Ended(); ++i) {
    Act(game);
    game.Tick();
  }
}

void TBot::PressAt(TRunnerGame& game, int x, int y) {
  game.Move(x, y);
  game.Press(TMouseButton::Left, false);
  holding_ = true;
}

void TBot::Act(TRunnerGame& game) {
  if (TickCount <= LoadTick) return;  // nothing to see before the first picture
  if (holding_) {
    // one tick held is enough for every button, pick-up and drop; a person then lets go
    game.Release(TMouseButton::Left);
    holding_ = false;
    pause_ = Below(4);
    return;
  }
  if (pause_ > 0) {
    --pause_;
    return;
  }
  if (Screen != ScreenWinnerEntry) {
    lettersTyped_ = 0;
    enterPressed_ = false;
  }
  if (!GameEnded) gameOverSeen_ = false;
  if (Screen == ScreenGame && GameRunning && GameEnded && !gameOverSeen_) {
    // a person reads GAME OVER first; a winning score opens the name entry meanwhile
    gameOverSeen_ = true;
    pause_ = GameOverPause + Below(GameOverPause);
    return;
  }
  if (DialogOpen) {
    PressAt(game, NeinX, NeinY);
  } else if (Screen == ScreenHelp || Screen == ScreenInfo) {
    PressAt(game, SpielX, SpielY);
  } else if (Screen == ScreenWinnerEntry) {
    ActOnWinnerEntry(game);
  } else if (!GameRunning || GameEnded) {
    PressAt(game, StartX, StartY);
  } else {
    ActInGame(game);
  }
}

void TBot::ActOnWinnerEntry(TRunnerGame& game) {
  // the click that follows the release types the letter
  if (NameLength < static_cast<int>(BotName.size()) &&
      lettersTyped_ < static_cast<int>(BotName.size())) {
    PressAt(game, LetterX(BotName[static_cast<size_t>(NameLength)]), LetterY);
    ++lettersTyped_;
  } else if (!enterPressed_) {
    PressAt(game, EnterX, EnterY);
    enterPressed_ = true;
  } else {
    PressAt(game, StartX, StartY);  // ENTER did not leave the screen: START does
  }
}

void TBot::ActInGame(TRunnerGame& game) {
  if (CarriedStones[1] > 0) {
    const TDrop drop = BestDrop({StoneColour(CarriedStones[1]), StoneColour(CarriedStones[2]),
                                 StoneColour(CarriedStones[3])});
    if (drop.Field != 0) PressAt(game, Pool.X[drop.Field], Pool.Y[drop.Field]);
    return;
  }
  int bestRow = 0;
  int bestValue = INT_MIN;
  int ties = 0;
  for (int row = FirstStoreRow; row <= LastStoreRow; ++row) {
    if (StoreStones[row][1] <= 0) continue;
    const TDrop drop = BestDrop({StoneColour(StoreStones[row][1]), StoneColour(StoreStones[row][2]),
                                 StoneColour(StoreStones[row][3])});
    if (drop.Field == 0) continue;
    if (drop.Value > bestValue) {
      bestValue = drop.Value;
      bestRow = row;
      ties = 1;
    } else if (drop.Value == bestValue && TakesTie(ties)) {
      bestRow = row;
    }
  }
  if (bestRow != 0) PressAt(game, StoreRowX(bestRow), StoreMiddleY);
}

TBot::TDrop TBot::BestDrop(const std::array<int, 3>& colours) {
  TDrop best{0, INT_MIN};
  int ties = 0;
  for (int id = 1; id <= PoolCapacity; ++id) {
    if (!IsDropField(id) || StonesTaken(id) == 0) continue;
    const int value = DropValue(id, colours);
    if (value > best.Value) {
      best = {id, value};
      ties = 1;
    } else if (value == best.Value && TakesTie(ties)) {
      best.Field = id;
    }
  }
  return best;
}

// The stones slide down the empty fields below the drop field; the lowest carried stone comes to
// rest deepest. Their value: groups of three or more they complete, else the stones they touch.
int TBot::DropValue(int dropField, const std::array<int, 3>& colours) {
  std::array<int, ChainCapacity> chain{};
  int length = 0;
  for (int field = dropField; !Occupied(field) && length < ChainCapacity;
       field = FieldBelow(field)) {
    chain[length++] = field;
  }
  const int taken = StonesTaken(dropField);
  landingCount_ = taken;
  for (int i = 0; i < taken; ++i) {
    landingField_[i] = chain[length - 1 - i];
    landingColour_[i] = colours[2 - i];
  }

  int value = length - LostStoneValue * (3 - taken);  // deeper drops keep the top free
  ++stamp_;
  for (int i = 0; i < taken; ++i) {
    if (seen_[landingField_[i]] == stamp_) continue;  // already counted in a group
    const int size = GroupSize(landingField_[i], landingColour_[i]);
    value += size >= 3 ? GroupValuePerStone * size : TouchValue * (size - 1);
  }
  return value;
}

// The colour of the stone on a board field, counting the column being judged as landed.
int TBot::ColourOn(int field) const {
  for (int i = 0; i < landingCount_; ++i) {
    if (landingField_[i] == field) return landingColour_[i];
  }
  return Pool.FieldStone[field] > 0 ? StoneColour(Pool.FieldStone[field]) : 0;
}

// Stones of one colour joined through neighbouring fields, found by a flood from one field.
int TBot::GroupSize(int field, int colour) {
  if (colour == 0) return 1;  // no stone: nothing to join
  int count = 0;
  int size = 0;
  seen_[field] = stamp_;
  pending_[count++] = field;
  while (count > 0) {
    const int current = pending_[--count];
    ++size;
    for (int direction = DirBelow; direction <= DirBelowRight; ++direction) {
      const int next = Pool.Neighbour[current][direction];
      if (next < 1 || next > PoolCapacity || seen_[next] == stamp_) continue;
      if (ColourOn(next) != colour) continue;
      seen_[next] = stamp_;
      pending_[count++] = next;
    }
  }
  return size;
}
