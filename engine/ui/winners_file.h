// The winners file ruzev.dat: records of 16 bytes, read once at start, rewritten after each
// confirmed entry.
#pragma once

void LoadWinners();
void SaveWinners();
