// The six sound effects, made by code at start-up.
#include "engine/shell/waves.h"

void BuildWaves(WaveList&) {}
