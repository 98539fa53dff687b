// The six sound effects, synthesised when the form is created: 16-bit mono PCM.
#pragma once

#include "platform/components.h"

// Adds ballweg.wav, erschein1.wav, explosion1.WAV, maser3.WAV, ploing2.WAV and tusch.wav.
void BuildWaves(WaveList& list);
