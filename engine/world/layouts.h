// Board layouts: NewGame sets up a game with the fixed screen objects, the stone store and the
// board of the selected game type, links every board field to its neighbours and marks the drop
// fields. Runs on the load tick, on START, on ENTER of the winner entry and on a game-type choice.
#pragma once

#include <array>
#include <cstdint>

#include "engine/globals.h"

// What the board of one game type holds once NewGame has built it.
struct TLayoutCounts {
  int BoardFields;
  int DropFields;
  int StaticCount;  // last static slot: fixed objects, dialog room, store and board fields
};

// By game type 1..8; index 0 is unused. The board fields count each field once (not its shadow).
inline constexpr std::array<TLayoutCounts, GameTypeCount + 1> LayoutCounts = {{
    {0, 0, 0},
    {189, 63, 446},
    {30, 3, 128},
    {90, 9, 248},
    {109, 19, 286},
    {60, 20, 188},
    {72, 24, 212},
    {80, 20, 228},
    {20, 5, 108},
}};

// Slots of the fixed objects and the store.
inline constexpr int FixedObjectCount = 14;  // layout pieces 1..4, buttons 5..14
inline constexpr int LastDialogSlot = 20;    // 15..20 stay free for the exit dialog
inline constexpr int FirstStoreFieldSlot = 21;
inline constexpr int StoreFieldCount = 24;  // rows 4..11, three fields each

// Field pictures that are not colours.
inline constexpr int16_t PictureStoreField = 2;
inline constexpr int16_t PictureDropField = 8;

// Sets up a game for GameMode: empties the pool, rebuilds every static object, links the board
// and resets the game's values, ending with the game screen. A GameMode outside 1..8 gives a
// board without fields.
void NewGame();
// Writes the 14 fixed objects into the slots after NextStatic (NewGame calls it with 0).
void AddFixedObjects();
// Write a field and its shadow at NextStatic + 1 and + 2 and advance NextStatic by 2. A board
// field carries Tag 1, a store field Tag 0.
void AddStoreField(int x, int y, int picture);
void AddBoardField(int x, int y, int picture);
