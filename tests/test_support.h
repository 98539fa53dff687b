// Test support: the whole game on the headless platform, driven tick by tick.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "engine/globals.h"
#include "engine/shell/assets.h"
#include "engine/shell/form.h"
#include "engine/ui/text.h"
#include "platform/headless/headless_backend.h"

// A game on the headless platform with Random seeded. Ticks and mouse events are driven by the
// test. The art is found in the build tree, so tests may run from any directory.
class HeadlessGame {
 public:
  explicit HeadlessGame(uint64_t seed = 1) {
    SetExecutablePath(TARVOLIN_BUILD_DIR "/tarvolin_tests");
    FixedSeedGiven = true;
    FixedSeed = seed;
    Form.FormCreate();
  }
  ~HeadlessGame() { FixedSeedGiven = false; }

  void Tick(int count = 1) {
    for (int i = 0; i < count; ++i) {
      Backend.ForgetPlays();
      Form.DXTimer1Timer(0);
    }
  }
  void RunTo(int32_t tickCount) {
    while (TickCount < tickCount) Tick();
  }
  // The first full frame: the board of game type 3, no game running.
  void Load() { RunTo(LoadTick + 1); }

  void Move(int x, int y) { Form.DXDraw1MouseMove({}, x, y); }
  void Press(TMouseButton button, bool ctrl = false) {
    Form.DXDraw1MouseDown(button, {ctrl}, MouseX, MouseY);
  }
  void Release(TMouseButton button) {
    Form.DXDraw1MouseUp(button, {}, MouseX, MouseY);
    if (button == TMouseButton::Left) Form.DXDraw1Click();
  }
  void Click(int x, int y) {
    Move(x, y);
    Press(TMouseButton::Left);
    Release(TMouseButton::Left);
  }

  HeadlessBackend Backend;
  TForm1 Form{Backend};
};

// The queue entry that leads text queued at (x, y) in font with this strength, or 0 when this
// tick's queue holds no such text: every character's glyph and position is compared.
inline int FindQueuedText(int x, int y, int font, std::string_view text, int strength = 0) {
  const bool large = font == 2 || font == 3 || font == 4;
  const int advance = FontAdvance(font);
  const auto matches = [&](int e, int16_t glyph, int glyphX) {
    return TextQueue.Glyph[e] == glyph && TextQueue.GlyphX[e] == glyphX &&
           TextQueue.GlyphY[e] == y && TextQueue.Font[e] == font &&
           TextQueue.AddStrength[e] == strength;
  };
  const int length = static_cast<int>(text.size());
  for (int first = 1; first + length <= TextCount; ++first) {
    bool whole = matches(first, 0, x);
    for (int k = 1; whole && k <= length; ++k) {
      const auto ch = static_cast<unsigned char>(text[k - 1]);
      whole = matches(first + k, large ? LargeFontGlyph(ch) : SmallFontGlyph(ch), x + k * advance);
    }
    if (whole) return first;
  }
  return 0;
}

// Runs a test in a fresh empty working directory, for the files the game reads and writes there;
// the old working directory comes back and the directory is removed at the end. The process id
// in the name keeps tests that run side by side apart.
class TempWorkingDirectory {
 public:
  explicit TempWorkingDirectory(std::string_view name)
      : previous_(std::filesystem::current_path()),
        path_(std::filesystem::temp_directory_path() /
              (std::string(name) + "-" + std::to_string(getpid()))) {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
    std::filesystem::current_path(path_);
  }
  ~TempWorkingDirectory() {
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(path_);
  }
  TempWorkingDirectory(const TempWorkingDirectory&) = delete;
  TempWorkingDirectory& operator=(const TempWorkingDirectory&) = delete;

 private:
  std::filesystem::path previous_;
  std::filesystem::path path_;
};
