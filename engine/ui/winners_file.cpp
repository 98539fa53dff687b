// The winners file.
#include "engine/ui/winners_file.h"

void LoadWinners() {}
void SaveWinners() {}
