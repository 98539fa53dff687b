// The frame loop: every tick of the frame timer clears the picture, runs the current screen's
// logic, draws the scene, plays the tick's sounds and flips. The eleventh tick loads the game.
#include "engine/shell/form.h"

#include <chrono>

#include "engine/globals.h"
#include "engine/rules/game.h"
#include "engine/rules/popups.h"
#include "engine/rules/store.h"
#include "engine/shell/assets.h"
#include "engine/shell/drawing.h"
#include "engine/shell/lighting.h"
#include "engine/shell/sound.h"
#include "engine/shell/waves.h"
#include "engine/ui/help.h"
#include "engine/ui/info.h"
#include "engine/ui/panel.h"
#include "engine/ui/text.h"
#include "engine/ui/winner_entry.h"
#include "engine/ui/winners_file.h"
#include "engine/world/layouts.h"
#include "engine/world/pool.h"
#include "engine/world/update.h"

TForm1::TForm1(PlatformBackend& backend) : DXDraw1(backend), DXSound1(backend), backend_(backend) {
  Form1 = this;
  BuildWaves(DXWaveList1);
}

TForm1::~TForm1() {
  if (Form1 == this) Form1 = nullptr;
}

void TForm1::FormCreate() {
  TickCount = 0;
  DXTimer1.Enable();
}

void TForm1::DXTimer1Timer(int /*lagCount*/) {
  if (closed_) return;
  DXDraw1.Fill(0);
  if (TickCount == LoadTick) {
    // The timer stands still while loading, so the load does not count as a late tick.
    DXTimer1.Disable();
    ScreenWidth = DXDraw1.Width();
    ScreenHeight = DXDraw1.Height();
    FirstTimeInit();
    NewGame();
    LoadAssets();
    DXTimer1.Enable();
  }
  if (TickCount >= LoadTick) {
    AllocCursor = PoolCapacity;
    ResetTextQueue();
    LightCount = 0;
    RunScreen();
    DrawControlPanel();
    // read again: the screen routines and the panel may have switched screens
    if (Screen == ScreenGame) CarriedColumnStep();
    UpdateObjects();
    Clicked = 0;  // every logic routine of this tick has seen the click
    UpdateShake();
    DrawFloor();
    DrawObjects();
    DrawTextQueue();
    if (SoundOn == 1) PlaySounds();
    ClearSoundTriggers();  // a sound raised while sound is off is dropped, not kept
    if (QuitRequested == 1) DXTimer1.Disable();
  }
  DXDraw1.Flip();
  ++TickCount;
  if (QuitRequested == 1) {
    DXDraw1.Release();
    Close();
  }
}

void TForm1::Close() {
  closed_ = true;
  backend_.Close();
}

void FirstTimeInit() {
  SoundOn = 1;
  SoundLevel = 35000;
  LightLevel = 25000;
  QuitRequested = 0;
  MouseX = 400;
  MouseY = 300;
  const auto clock = std::chrono::high_resolution_clock::now().time_since_epoch().count();
  RandomSeed(FixedSeedGiven ? FixedSeed : static_cast<uint64_t>(clock));
  FreeAllObjects();
  ClearScorePopups();
  DialogOpen = 0;
  GameMode = 3;
  LoadWinners();
}

void RunScreen() {
  // each test reads Screen anew: a switch to a higher screen runs that screen in this tick
  if (Screen == ScreenGame) GameScreen();
  if (Screen == ScreenHelp) HelpScreen();
  if (Screen == ScreenInfo) InfoScreen();
  if (Screen == ScreenWinnerEntry) WinnerEntryScreen();
}
