// The control panel: button captions, the game-type menu, the winners board, the dialog's texts
// and the title, queued every tick on every screen.
#pragma once

void DrawControlPanel();
