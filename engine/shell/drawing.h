// Scene drawing: after the logic of a tick, the lit floor, the pool objects in layer order with
// the screen swing, and the queued text on top, all onto the back buffer of Form1.
#pragma once

#include <cstdint>

class PictureSurface;

// The screen swing that explosions start.
inline int32_t ShakeAmount = 0;    // amplitude in pixels, lowered by 1 per tick, at most 10
inline int32_t ShakePrevious = 0;  // amplitude left by the last swing step; 0 starts afresh
inline double ShakeAngle = 0.0;    // phase in radians, grows by pi per step

// The frame loop calls these four once per tick, in this order, after the logic. Nothing is drawn
// while there is no Form1, and a sheet that is not loaded draws nothing; neither is an error.

// Lowers the swing by one step and turns its phase by half a swing.
void UpdateShake();
// Lights every floor tile, then draws it from the floor sheet by its brightness and pattern.
void DrawFloor();
// Draws every live object that meets the screen horizontally, lower layers first, swung
// sideways, clipped to the screen.
void DrawObjects();
// Draws every text-queue entry with a glyph, in queue order, so later text covers earlier text.
void DrawTextQueue();
// Draws text-queue entry e from sheet, the sheet of the entry's font: a plain keyed copy, or an
// additive blend for a large font with an AddStrength above 0. Called by DrawTextQueue.
void DrawTextEntry(int e, const PictureSurface& sheet);
