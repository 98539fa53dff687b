// Score pop-ups: the table of 50 slots, filled by the scoring rules and aged every game-screen
// frame.
#include "engine/rules/popups.h"

#include "engine/ui/text.h"

namespace {

// The lowest free slot of 1..49; the last slot when all of those are live, free or not.
int ChoosePopupSlot() {
  int k = 1;
  while (k < PopupCapacity && PopupLife[k] > 0) ++k;
  return k;
}

}  // namespace

void AddScorePopup(int x, int y, int font, std::string_view text) {
  const int k = ChoosePopupSlot();
  PopupX[k] = static_cast<int16_t>(x);
  PopupY[k] = static_cast<int16_t>(y);
  PopupFont[k] = static_cast<int16_t>(font);
  PopupText[k].Assign(text);
  PopupLife[k] = PopupLifetime;
}

void AgeScorePopups() {
  for (int k = 1; k <= PopupCapacity; ++k) {
    if (PopupLife[k] <= 0) continue;
    --PopupLife[k];
    // the rise slows as the life runs out: 4 pixels a frame at first, none in the last ten
    PopupY[k] = static_cast<int16_t>(PopupY[k] - PopupLife[k] / 10);
    QueueText(PopupX[k], PopupY[k], PopupFont[k], 0, PopupText[k].View());
  }
}

void ClearScorePopups() {
  PopupLife.fill(0);
}
