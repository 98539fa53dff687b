// The help screen: fixed lines of German text over the board area.
#pragma once

void HelpScreen();
