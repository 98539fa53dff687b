// Score pop-ups.
#include "engine/rules/popups.h"

void AddScorePopup(int, int, int, std::string_view) {}
void AgeScorePopups() {}
void ClearScorePopups() { PopupLife.fill(0); }
