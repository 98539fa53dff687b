// Object update: once per tick, buttons react to the mouse, explosions advance, and every live
// object gets its source rectangle and size.
#pragma once

void UpdateObjects();
