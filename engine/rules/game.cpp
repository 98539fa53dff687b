// The running game and the status panel.
#include "engine/rules/game.h"

void GameScreen() {}
