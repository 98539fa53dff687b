// Lighting: the light list of one tick, the brightness of a floor tile and the floor layout.
#include "engine/shell/lighting.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "engine/globals.h"

namespace {

// The four lamps of the game screen.
constexpr int GameLamps[4][2] = {{120, 120}, {580, 120}, {120, 480}, {580, 480}};

class Lighting : public ::testing::Test {
 protected:
  void SetUp() override {
    LightCount = 0;
    LightLevel = 25000;
    FloorTileCount = 0;
  }
  // One tile with reference point (x, y), lit by the lights added so far.
  static int BrightnessAt(int x, int y) {
    FloorTileCount = 1;
    TileX[1] = x;
    TileY[1] = y;
    LightTile(1);
    return TileBrightness[1];
  }
  static void AddGameLamps() {
    for (const auto& lamp : GameLamps) AddLight(lamp[0], lamp[1], 3.0);
  }
};

TEST_F(Lighting, GameScreenLampsNearACornerLightTheTileFully) {
  AddGameLamps();
  // 109 + 3 + 4 + 3 - 10 is far above the brightest picture
  EXPECT_EQ(BrightnessAt(110, 110), 31);
}

TEST_F(Lighting, FourDistantLampsAddFiveEach) {
  AddGameLamps();
  EXPECT_EQ(BrightnessAt(350, 290), 10);
}

TEST_F(Lighting, EachLightIsRoundedOnItsOwn) {
  // at LICHT 15000 the four lamps give 3.22, 3.22, 3.09 and 3.09: rounded one by one 12, not 13
  LightLevel = 15000;
  AddGameLamps();
  EXPECT_EQ(BrightnessAt(350, 290), 2);
}

TEST_F(Lighting, TheLichtSettingScalesEveryLight) {
  struct Case {
    int32_t level;
    double factor;
    int expected;  // one light 40 pixels away: round(strength * 512 / 40) - 10
  };
  const Case cases[] = {
      {25000, 1.0, 3},   // 12.8 -> 13
      {50000, 1.0, 16},  // 25.6 -> 26
      {15000, 3.0, 13},  // 1.8 * 12.8 = 23.04 -> 23
      {15000, 1.0, 1},   // 7.68 -> 8, below the darkest picture
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "level " << c.level << " factor " << c.factor);
    LightCount = 0;
    LightLevel = c.level;
    AddLight(200, 240, c.factor);
    EXPECT_EQ(BrightnessAt(200, 200), c.expected);
  }
}

TEST_F(Lighting, TheSettingIsReadWhenTheLightIsAdded) {
  AddLight(200, 240, 1.0);
  LightLevel = 50000;
  EXPECT_DOUBLE_EQ(LightPower[1], 1.0);
  EXPECT_EQ(BrightnessAt(200, 200), 3);
}

TEST_F(Lighting, ALightOnTheReferencePointGivesTheBrightestPicture) {
  LightLevel = 15000;
  AddLight(330, 250, 0.3);
  EXPECT_EQ(BrightnessAt(330, 250), 31);
}

TEST_F(Lighting, WithoutLightsEveryTileIsDarkest) {
  EXPECT_EQ(BrightnessAt(330, 250), 1);
}

// The strength whose light, at this distance, contributes exactly target.
double PowerGiving(double target, double distance) {
  double power = target * (distance + 0.0001) / 512.0;
  for (int step = 0; step < 64; ++step) {
    const double value = power * 512.0 / (distance + 0.0001);
    if (value == target) return power;
    power = std::nextafter(power, value < target ? 1.0e9 : -1.0e9);
  }
  return NAN;
}

TEST_F(Lighting, HalvesRoundToTheEvenNeighbour) {
  struct Case {
    double contribution;
    int expected;
  };
  // up to the even 12 and 16, down to the even 12 and 16
  const Case cases[] = {{11.5, 2}, {12.5, 2}, {15.5, 6}, {16.5, 6}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.contribution);
    const double power = PowerGiving(c.contribution, 5.0);
    ASSERT_FALSE(std::isnan(power));
    LightCount = 1;
    LightX[1] = 203;  // 3, 4, 5: exactly 5 pixels from the tile
    LightY[1] = 204;
    LightPower[1] = power;
    EXPECT_EQ(BrightnessAt(200, 200), c.expected);
  }
}

TEST(RoundHalfEven, RoundsToNearestAndHalvesToEven) {
  const std::pair<double, int> cases[] = {{0.5, 0},   {1.5, 2},         {2.5, 2},  {-0.5, 0},
                                          {-1.5, -2}, {2.49, 2},        {2.51, 3}, {-2.51, -3},
                                          {7.0, 7},   {1.0e12, 1000000}};
  for (const auto& [value, expected] : cases) EXPECT_EQ(RoundHalfEven(value), expected) << value;
}

TEST_F(Lighting, LightsBeyondTheCapacityAreIgnored) {
  for (int i = 1; i <= LightCapacity; ++i) AddLight(-1000, -1000, 1.0);
  AddLight(330, 250, 5.0);
  EXPECT_EQ(LightCount, LightCapacity);
  EXPECT_EQ(LightX[LightCapacity], -1000);
  // fifty faint far lights round to 0 each; the ignored one would have lit the tile fully
  EXPECT_EQ(BrightnessAt(330, 250), 1);
}

TEST_F(Lighting, TheFloorIsThirtyColumnsOfTwentyEightTilesOfOnePattern) {
  RandomSeed(3);
  BuildFloor();
  ASSERT_EQ(FloorTileCount, 840);
  const struct {
    int tile, x, y;
  } corners[] = {{1, 30, 30}, {28, 30, 570}, {29, 50, 30}, {840, 610, 570}};
  for (const auto& c : corners) {
    EXPECT_EQ(TileX[c.tile], c.x) << c.tile;
    EXPECT_EQ(TileY[c.tile], c.y) << c.tile;
  }
  const int pattern = TilePattern[1];
  EXPECT_GE(pattern, 1);
  EXPECT_LE(pattern, 13);
  for (int i = 1; i <= FloorTileCount; ++i) ASSERT_EQ(TilePattern[i], pattern) << i;
}

TEST_F(Lighting, EveryBoardGetsAFreshFloorFromTileZero) {
  std::set<int> patterns;
  for (uint64_t seed = 1; seed <= 20; ++seed) {
    RandomSeed(seed);
    FloorTileCount = 0;  // as NewGame does before every build
    BuildFloor();
    EXPECT_EQ(FloorTileCount, 840);
    patterns.insert(TilePattern[840]);
  }
  EXPECT_GT(patterns.size(), 1u);
  for (const int p : patterns) {
    EXPECT_GE(p, 1);
    EXPECT_LE(p, 13);
  }
}

TEST_F(Lighting, AFloorBuiltTwiceWithoutResetStopsAtTheTableSize) {
  BuildFloor();
  BuildFloor();
  EXPECT_EQ(FloorTileCount, FloorTileCapacity);
}

}  // namespace
