// The running game: every frame of the game screen, the status panel and the game state, the rule
// steps of a running game in their fixed order, and the hand-over of a winning game to the
// winner entry.
#pragma once

#include <cstdint>

// Game values; NewGame resets them when it sets up a game.
inline int32_t Kills = 0;           // frames in which at least one stone exploded
inline int32_t StonesPlaced = 0;    // stones dropped onto the board
inline int32_t NewPlace = 0;        // place earned in the winners table, 0 = none
inline uint8_t WinnerInserted = 0;  // the winner entry has put this game's score in the table

// Called by RunScreen once per frame while Screen is 1. Queues the status panel in every game
// state; while a game runs it runs the store and matching steps; when an ended game beats the
// fifth place it switches to the winner entry, which runs in the same frame.
void GameScreen();
