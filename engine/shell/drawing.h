// Scene drawing: after the logic of a tick, the lit floor, the pool objects in layer order with
// the screen swing, and the queued text on top.
#pragma once

#include <cstdint>

// The screen swing that explosions start.
inline int32_t ShakeAmount = 0;    // amplitude in pixels, lowered by 1 per tick, at most 10
inline int32_t ShakePrevious = 0;  // amplitude left by the last swing step; 0 starts afresh
inline double ShakeAngle = 0.0;    // phase in radians, grows by pi per step

void UpdateShake();
void DrawFloor();
void DrawObjects();
void DrawTextQueue();
