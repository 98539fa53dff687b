// Settling, matching and explosions: every frame of a running game, stones slide one field down,
// resting groups of three or more explode and score.
#pragma once

#include <cstdint>

// Points each stone exploding in this frame scores (before doubling); set by MatchPass.
inline int16_t GroupCount = 0;

void SettlingPass();
void MatchPass();
void ExplodeMarked();
