// Scene drawing: the floor, the pool objects and the text queue onto the back buffer.
#include "engine/shell/drawing.h"

void UpdateShake() {}
void DrawFloor() {}
void DrawObjects() {}
void DrawTextQueue() {}
