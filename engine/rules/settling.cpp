// Settling, matching, explosions and scoring.
#include "engine/rules/settling.h"

void SettlingPass() {}
void MatchPass() {}
void ExplodeMarked() {}
