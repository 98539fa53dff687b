// Sound effects: pans from the screen x, one play per raised sound with the level's volumes, the
// store's sounds centred, and nothing kept while sound is off.
#include "engine/shell/sound.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/globals.h"
#include "tests/test_support.h"

namespace {

TEST(RaiseSound, PanRunsFromTheLeftEdgeToTheRightEdge) {
  struct TCase {
    int X;
    int32_t Pan;
  };
  const TCase cases[] = {{0, -2000}, {1, -1995}, {400, 0}, {799, 1995}, {800, 2000}, {-1, -2005}};
  ScreenWidth = 800;
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.X);
    RaiseSound(4, c.X);
    EXPECT_EQ(SoundTrigger[4], 1);
    EXPECT_EQ(SoundPan[4], c.Pan);
  }
  ClearSoundTriggers();
}

TEST(RaiseSound, NumbersOutsideTheTriggersAndAnUnknownScreenWidthAreSafe) {
  ScreenWidth = 800;
  ClearSoundTriggers();
  const auto pansBefore = SoundPan;
  RaiseSound(-1, 100);
  RaiseSound(SoundTriggerCount, 100);
  RaiseSound(100000, 100);
  EXPECT_EQ(SoundPan, pansBefore);
  for (const uint8_t trigger : SoundTrigger) EXPECT_EQ(trigger, 0);

  ScreenWidth = 0;
  RaiseSound(2, 300);
  EXPECT_EQ(SoundTrigger[2], 1);
  EXPECT_EQ(SoundPan[2], 0);
  ScreenWidth = 800;
  ClearSoundTriggers();
}

// A loaded game whose plays of one PlaySounds call are read from the backend.
class PlaySoundsTest : public testing::Test {
 protected:
  void SetUp() override {
    game.Load();
    ClearSoundTriggers();
    game.Backend.ForgetPlays();
  }
  void TearDown() override { ClearSoundTriggers(); }

  std::vector<std::string> PlayedNames() const {
    std::vector<std::string> names;
    for (const auto& play : game.Backend.Plays()) names.push_back(play.Name);
    return names;
  }

  HeadlessGame game;
};

TEST_F(PlaySoundsTest, TenRaisesInOneTickPlayOnceWithTheLastPan) {
  for (int i = 0; i < 10; ++i) RaiseSound(2, 100 + 50 * i);
  PlaySounds();
  ASSERT_EQ(game.Backend.Plays().size(), 1u);
  EXPECT_EQ(game.Backend.Plays()[0].Name, "maser3.WAV");
  EXPECT_EQ(game.Backend.Plays()[0].Pan, 550 * 4000 / 800 - 2000);
}

TEST_F(PlaySoundsTest, VolumesFollowTheLevelAndPlaysFollowTheTriggerOrder) {
  struct TCase {
    int32_t Level;
    int Maser, Explosion, Tusch, Erschein, Ballweg, Ploing;
  };
  const TCase cases[] = {
      {10000, -6000, -4500, -4000, -3500, -3500, -4000},
      {35000, -3500, -2000, -1500, -1000, -1000, -1500},
      {50000, -2000, -500, 0, 0, 0, 0},  // +500 is applied as full volume
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Level);
    SoundLevel = c.Level;
    for (const int k : {18, 17, 16, 13, 4, 2}) RaiseSound(k, 400);
    game.Backend.ForgetPlays();
    PlaySounds();
    ClearSoundTriggers();
    const std::vector<std::string> order = {"maser3.WAV",    "explosion1.WAV", "tusch.wav",
                                            "erschein1.wav", "ballweg.wav",    "ploing2.WAV"};
    ASSERT_EQ(PlayedNames(), order);
    const auto& plays = game.Backend.Plays();
    EXPECT_EQ(plays[0].Volume, c.Maser);
    EXPECT_EQ(plays[1].Volume, c.Explosion);
    EXPECT_EQ(plays[2].Volume, c.Tusch);
    EXPECT_EQ(plays[3].Volume, c.Erschein);
    EXPECT_EQ(plays[4].Volume, c.Ballweg);
    EXPECT_EQ(plays[5].Volume, c.Ploing);
  }
}

TEST_F(PlaySoundsTest, TheStoreSoundsAlwaysPlayCentred) {
  RaiseSound(17, 0);
  RaiseSound(18, 799);
  RaiseSound(16, 0);  // the bonus follows its pan
  PlaySounds();
  ASSERT_EQ(PlayedNames(),
            (std::vector<std::string>{"erschein1.wav", "ballweg.wav", "ploing2.WAV"}));
  EXPECT_EQ(game.Backend.Plays()[0].Pan, -2000);
  EXPECT_EQ(game.Backend.Plays()[1].Pan, 0);
  EXPECT_EQ(game.Backend.Plays()[2].Pan, 0);
}

TEST_F(PlaySoundsTest, AMissingWaveIsSkippedAndTheOthersPlay) {
  auto& waves = game.Form.DXWaveList1.Items();
  std::erase_if(waves, [](const TWave& wave) { return wave.Name == "maser3.WAV"; });
  RaiseSound(2, 400);
  RaiseSound(4, 400);
  PlaySounds();
  EXPECT_EQ(PlayedNames(), std::vector<std::string>{"explosion1.WAV"});
}

TEST(PlaySounds, WithoutAFormNothingHappens) {
  ASSERT_EQ(Form1, nullptr);
  RaiseSound(4, 400);
  PlaySounds();
  ClearSoundTriggers();
}

TEST(SoundInPlay, SoundsRaisedWhileSoundIsOffAreNotPlayedLater) {
  HeadlessGame game;
  game.Load();
  SoundOn = 0;
  // a store refill and a fill bonus in the same tick
  RaiseSound(18, 300);
  RaiseSound(16, 400);
  game.Tick();
  EXPECT_TRUE(game.Backend.Plays().empty());
  SoundOn = 1;
  game.Tick();
  EXPECT_TRUE(game.Backend.Plays().empty());
}

TEST(SoundInPlay, ASoundRaisedBeforeATickIsPlayedAtItsEnd) {
  HeadlessGame game;
  game.Load();
  RaiseSound(4, 0);
  game.Tick();
  ASSERT_EQ(game.Backend.Plays().size(), 1u);
  EXPECT_EQ(game.Backend.Plays()[0].Name, "explosion1.WAV");
  EXPECT_EQ(game.Backend.Plays()[0].Volume, -2000);
  EXPECT_EQ(game.Backend.Plays()[0].Pan, -2000);
  game.Tick();
  EXPECT_TRUE(game.Backend.Plays().empty());
}

}  // namespace
