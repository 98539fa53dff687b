// The frame loop: warm-up ticks, the load tick, the channels reset every tick, quitting, and a
// start-up that cannot find its pictures.
#include <gtest/gtest.h>

#include <filesystem>

#include "engine/rules/popups.h"
#include "engine/shell/sound.h"
#include "engine/world/pool.h"
#include "tests/test_support.h"

namespace {

bool FrameIsBlack(const PictureSurface& frame) {
  for (int y = 0; y < frame.Height(); ++y) {
    for (int x = 0; x < frame.Width(); ++x) {
      if (frame.At(x, y) != 0) return false;
    }
  }
  return true;
}

TEST(FrameLoop, TenBlackTicksThenTheLoadTickDrawsTheFirstPicture) {
  Screen = 0;  // as at program start: no screen until the board is built
  HeadlessGame game;
  game.RunTo(LoadTick);
  EXPECT_EQ(game.Backend.FramesPresented(), 10);
  EXPECT_TRUE(FrameIsBlack(game.Backend.LastFrame()));
  EXPECT_EQ(Screen, 0);

  game.Tick();
  EXPECT_EQ(TickCount, 11);
  EXPECT_EQ(Screen, ScreenGame);
  EXPECT_EQ(GameMode, 3);
  EXPECT_EQ(ScreenWidth, 800);
  EXPECT_EQ(ScreenHeight, 600);
  EXPECT_EQ(SoundLevel, 35000);
  EXPECT_EQ(LightLevel, 25000);
  EXPECT_EQ(MouseX, 400);
  EXPECT_EQ(MouseY, 300);
  EXPECT_FALSE(FrameIsBlack(game.Backend.LastFrame()));
}

TEST(FrameLoop, TheTimerStandsStillWhileLoading) {
  HeadlessGame game;
  game.RunTo(LoadTick);
  const uint32_t restartsBefore = game.Form.DXTimer1.Restarts();
  game.Tick();
  EXPECT_TRUE(game.Form.DXTimer1.Enabled());
  EXPECT_EQ(game.Form.DXTimer1.Restarts(), restartsBefore + 1);
  game.Tick();
  EXPECT_EQ(game.Form.DXTimer1.Restarts(), restartsBefore + 1);
}

TEST(FrameLoop, TheClickLatchLastsOneTick) {
  HeadlessGame game;
  game.Load();
  game.Form.DXDraw1Click();
  EXPECT_EQ(Clicked, 1);
  game.Tick();
  EXPECT_EQ(Clicked, 0);
}

TEST(FrameLoop, SoundsRaisedWhileSoundIsOffAreDropped) {
  HeadlessGame game;
  game.Load();
  SoundOn = 0;
  SoundTrigger[18] = 1;
  game.Tick();
  EXPECT_EQ(SoundTrigger[18], 0);
  SoundOn = 1;
  game.Tick();
  for (const auto& play : game.Backend.Plays()) EXPECT_NE(play.Name, "ploing2.WAV");
}

TEST(FrameLoop, EachTickStartsWithAFreshAllocationCursor) {
  HeadlessGame game;
  game.Load();
  AllocCursor = 500;
  game.Tick();
  EXPECT_EQ(AllocCursor, PoolCapacity);
}

TEST(FrameLoop, QuittingDrawsTheLastFrameThenClosesTheForm) {
  HeadlessGame game;
  game.Load();
  const int framesBefore = game.Backend.FramesPresented();
  QuitRequested = 1;
  game.Tick();
  EXPECT_EQ(game.Backend.FramesPresented(), framesBefore + 1);
  EXPECT_EQ(TickCount, 12);
  EXPECT_TRUE(game.Form.Closed());
  EXPECT_TRUE(game.Backend.Closed());
  EXPECT_TRUE(game.Form.DXDraw1.Released());
  EXPECT_FALSE(game.Form.DXTimer1.Enabled());

  game.Tick();  // no tick runs after the form has closed
  EXPECT_EQ(TickCount, 12);
  QuitRequested = 0;
}

// Runs the test body with an empty working directory and no art beside the executable.
class WithoutArt : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = std::filesystem::current_path();
    empty_ = std::filesystem::temp_directory_path() / "tarvolin-no-art";
    std::filesystem::create_directories(empty_);
    std::filesystem::current_path(empty_);
  }
  void TearDown() override {
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(empty_);
  }
  std::filesystem::path previous_;
  std::filesystem::path empty_;
};

TEST_F(WithoutArt, AMissingBitmapStopsTheLoadAndNamesTheFile) {
  HeadlessGame game;
  SetExecutablePath((empty_ / "tarvolin").string());
  game.RunTo(LoadTick);
  try {
    game.Tick();
    FAIL() << "the load tick must not complete without its pictures";
  } catch (const BitmapError& error) {
    EXPECT_NE(std::string(error.what()).find("res/schriftz/font1gruen.bmp"), std::string::npos)
        << error.what();
  }
}

TEST_F(WithoutArt, ABrokenBitmapIsNamedWithWhatIsWrong) {
  std::filesystem::create_directories("res/schriftz");
  std::FILE* file = std::fopen("res/schriftz/font1gruen.bmp", "wb");
  ASSERT_NE(file, nullptr);
  std::fputs("BM this is no bitmap", file);
  std::fclose(file);
  PictureSurface surface;
  try {
    surface.LoadFromFile("res/schriftz/font1gruen.bmp");
    FAIL() << "a broken bitmap must not load";
  } catch (const BitmapError& error) {
    const std::string message = error.what();
    EXPECT_NE(message.find("font1gruen.bmp"), std::string::npos) << message;
    EXPECT_NE(message.find("not a readable bitmap"), std::string::npos) << message;
  }
}

}  // namespace
