// The running game: the game screen's logic every frame, the game state and the status panel.
#pragma once

#include <cstdint>

inline int32_t Kills = 0;          // frames in which at least one stone exploded
inline int32_t StonesPlaced = 0;   // stones dropped onto the board
inline int32_t NewPlace = 0;       // place earned in the winners table, 0 = none
inline uint8_t WinnerInserted = 0; // the winner entry has put this game's score in the table

void GameScreen();
