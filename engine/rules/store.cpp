// The stone store.
#include "engine/rules/store.h"

void DrawStoreLabels() {}
void RowCountdownStep() {}
void CountdownStartStep() {}
void DropStep() {}
void StorePickStep() {}
void CarriedColumnStep() {}
