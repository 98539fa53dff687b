// The control panel: button captions, the game-type menu, the winners board, the dialog's texts
// and the title, queued every tick on every screen.
#pragma once

#include <cstdint>

#include "engine/text1252.h"

// The credit lines of the bottom bar, in the small font.
inline constexpr std::string_view CreditLine1 = "FREEWARE";
inline constexpr std::string_view CreditLine2 = "NUR MIT DER MAUS!";

// Called by the frame routine once per frame on every screen, after the screen's routine and
// before the object update. Queues the panel's texts; while no game runs (or the game has ended)
// a click on a menu entry selects that game type, and a new type gets its board at once.
void DrawControlPanel();

// A score right-aligned in seven characters: padded on the left with spaces (a negative score
// counts as below 10). False, with text left empty, for a score of 10000000 or more, which is not
// shown. The text has room for six spaces and the longest negative number.
using TBoardScoreText = TShortString<20>;
bool FormatBoardScore(int32_t score, TBoardScoreText& text);
