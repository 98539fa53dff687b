// The help screen: fixed lines of German text over the board area.
#pragma once

#include <array>
#include <string_view>

// One line of a fixed text screen, queued at (x, Y) with strength 0.
struct TScreenLine {
  int Y;
  int Font;
  std::string_view Text;
};

inline constexpr int HelpLineCount = 48;
inline constexpr int HelpTextX = 90;
extern const std::array<TScreenLine, HelpLineCount> HelpLines;

// Lights the four corners of the screen for the text screens, in a fixed order.
void LightScreenCorners(double factor);

// Called by RunScreen once per frame while Screen is 2: lights the corners and queues the title
// and every help line. The screen keeps no state.
void HelpScreen();
