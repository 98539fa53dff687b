// The control panel's pictures: the frame around the board with its recessed display areas and
// the exit dialog's box (layout2.bmp), and the six buttons in their three states (knoepfe2.bmp).
#include <array>
#include <cmath>

#include "tools/artgen/shapes.h"
#include "tools/artgen/sheets.h"

namespace {

struct TBox {
  int Left, Top, Right, Bottom;  // right and bottom exclusive
};

constexpr TBox Screen{0, 0, 800, 600};
constexpr TBox BoardOpening{100, 60, 590, 540};
constexpr TBox DialogBox{240, 190, 560, 410};
// Recessed displays behind the panel's texts: game-type menu, status panel, winners board, the
// title and credits, and the dialog's question.
constexpr std::array<TBox, 4> Displays = {{
    {604, 62, 792, 160},
    {604, 194, 792, 402},
    {604, 440, 792, 528},
    {626, 548, 792, 596},
}};
constexpr TBox DialogText{250, 222, 550, 294};

constexpr TColour Metal{62, 70, 86};
constexpr TColour Accent{70, 200, 190};
constexpr TColour DisplayGlass{14, 20, 26};

// Brushed metal: a soft vertical gradient with fine horizontal streaks.
TColour MetalAt(int x, int y, TColour base) {
  const double streak = 0.06 * (Grain(0, y, 3) - 0.5) + 0.04 * (Grain(x / 7, y, 4) - 0.5);
  const double gradient = 1.1 - 0.22 * y / 600.0;
  return Scale(base, gradient + streak);
}

void FillMetal(TCanvas& sheet, const TBox& box, TColour base) {
  for (int y = box.Top; y < box.Bottom; ++y) {
    for (int x = box.Left; x < box.Right; ++x) sheet.Set(x, y, MetalAt(x, y, base));
  }
}

// A bevel `width` pixels wide just inside the box: raised means lit at the top and left.
void Bevel(TCanvas& sheet, const TBox& box, int width, bool raised, double strength) {
  for (int i = 0; i < width; ++i) {
    const double fade = strength * (1.0 - static_cast<double>(i) / width);
    const TColour light{235, 240, 255};
    const TColour dark{8, 6, 12};
    const TColour topLeft = raised ? light : dark;
    const TColour bottomRight = raised ? dark : light;
    for (int x = box.Left + i; x < box.Right - i; ++x) {
      sheet.Blend(x, box.Top + i, topLeft, fade * 0.55);
      sheet.Blend(x, box.Bottom - 1 - i, bottomRight, fade * 0.6);
    }
    for (int y = box.Top + i + 1; y < box.Bottom - i - 1; ++y) {
      sheet.Blend(box.Left + i, y, topLeft, fade * 0.5);
      sheet.Blend(box.Right - 1 - i, y, bottomRight, fade * 0.6);
    }
  }
}

// A dark glass display set into the metal, with faint scan lines and an accent line at its top.
void Display(TCanvas& sheet, const TBox& box) {
  for (int y = box.Top; y < box.Bottom; ++y) {
    for (int x = box.Left; x < box.Right; ++x) {
      const double scan = (y % 2 == 0) ? 1.0 : 0.86;
      const double depth = 1.0 + 0.5 * (y - box.Top) / static_cast<double>(box.Bottom - box.Top);
      sheet.Set(x, y, NotKeyBlack(Scale(DisplayGlass, scan * depth)));
    }
  }
  Bevel(sheet, box, 3, false, 0.9);
  for (int x = box.Left + 4; x < box.Right - 4; ++x) sheet.Blend(x, box.Top + 3, Accent, 0.35);
}

// A round rivet head.
void Rivet(TCanvas& sheet, int cx, int cy) {
  for (int y = -3; y <= 3; ++y) {
    for (int x = -3; x <= 3; ++x) {
      const double d = std::sqrt(x * x + y * y);
      if (d > 3.2) continue;
      const double lit = 0.9 - 0.12 * (x + y);
      sheet.Set(cx + x, cy + y, Scale(Metal, d > 2.4 ? 0.55 : lit * 1.4));
    }
  }
}

// A thin glowing groove, a line of the accent colour with a dark edge under it.
void Groove(TCanvas& sheet, int x0, int x1, int y) {
  for (int x = x0; x < x1; ++x) {
    sheet.Blend(x, y, Accent, 0.55);
    sheet.Blend(x, y + 1, {8, 6, 12}, 0.5);
  }
}

// The rounded rectangle of a button: distance inside its edge (negative outside).
double InsideRoundedBox(double x, double y, double left, double top, double right, double bottom,
                        double radius) {
  const double cx = (left + right) / 2, cy = (top + bottom) / 2;
  const double hx = (right - left) / 2 - radius, hy = (bottom - top) / 2 - radius;
  const double qx = std::fabs(x - cx) - hx, qy = std::fabs(y - cy) - hy;
  const double outside =
      std::sqrt(std::fmax(qx, 0.0) * std::fmax(qx, 0.0) + std::fmax(qy, 0.0) * std::fmax(qy, 0.0)) +
      std::fmin(std::fmax(qx, qy), 0.0);
  return radius - outside;
}

constexpr int ButtonWidth = 64;
constexpr int ButtonHeight = 48;
constexpr int ButtonPictures = 6;
constexpr int ButtonFrames = 3;

// Each button picture's rim colour; the faces stay plain for the captions.
constexpr std::array<TColour, ButtonPictures + 1> ButtonRim = {{
    {0, 0, 0},
    {200, 70, 60},   // EXIT, START
    {220, 160, 50},  // ENDE, ENTER
    {70, 130, 220},  // NEU
    {160, 90, 210},
    {70, 190, 180},   // SPIEL, HILFE, INFO, JA, NEIN
    {120, 150, 170},  // SOUND, LICHT
}};

// One button frame: 1 normal, 2 under the pointer (brighter, glowing rim), 3 pressed (the
// bevel turned round and the face sunk by a pixel).
void PaintButton(TCanvas& sheet, int top, int picture, int frame) {
  const bool hover = frame == 2;
  const bool pressed = frame == 3;
  const TColour rim = hover ? Mix(ButtonRim[picture], {255, 255, 255}, 0.35) : ButtonRim[picture];
  const TColour face = pressed ? TColour{34, 40, 50}
                       : hover ? TColour{66, 78, 96}
                               : TColour{48, 56, 70};
  for (int y = 0; y < ButtonHeight; ++y) {
    for (int x = 0; x < ButtonWidth; ++x) {
      const double px = x + 0.5, py = y + 0.5;
      const double d = InsideRoundedBox(px, py, 1, 1, ButtonWidth - 1, ButtonHeight - 1, 8);
      if (d < 0.5) continue;
      // which way the surface faces: up-left is lit, unless the button is pressed in
      const double slope =
          ((py < ButtonHeight / 2.0 ? 1 : -1) * std::fmin(1.0, std::fabs(py - 24) / 20) +
           (px < ButtonWidth / 2.0 ? 0.5 : -0.5) * std::fmin(1.0, std::fabs(px - 32) / 28));
      const double lit = pressed ? -slope : slope;
      TColour c;
      if (d < 3.0) {
        c = Scale(rim, 0.8 + 0.35 * lit);  // the coloured rim
      } else if (d < 5.0) {
        c = Scale(face, 0.8 - 0.3 * lit);  // the step down to the face, shaded against the rim
      } else {
        const double shift = pressed ? 1.0 : 0.0;
        const double gradient = 1.15 - 0.3 * (py - shift) / ButtonHeight;
        c = Scale(face, gradient + 0.03 * (Grain(x, y, picture) - 0.5));
      }
      if (hover && d >= 3.0 && d < 6.0) c = Mix(c, rim, 0.25);
      sheet.Set(x, top + y, NotKeyBlack(c));
    }
  }
}

}  // namespace

TCanvas PaintLayout() {
  TCanvas sheet(Screen.Right, Screen.Bottom, Black);
  FillMetal(sheet, {0, 0, 800, 60}, Metal);
  FillMetal(sheet, {0, 60, 100, 540}, Metal);
  FillMetal(sheet, {0, 540, 800, 600}, Metal);
  FillMetal(sheet, {590, 60, 800, 540}, Metal);
  Bevel(sheet, Screen, 4, true, 1.0);
  // the board is seen through a window in the frame: its edge falls away into the dark
  const TBox lip{BoardOpening.Left - 5, BoardOpening.Top - 5, BoardOpening.Right + 5,
                 BoardOpening.Bottom + 5};
  Bevel(sheet, lip, 5, false, 1.0);
  Groove(sheet, 8, 95, 90);
  Groove(sheet, 8, 95, 470);
  Groove(sheet, 600, 792, 176);
  Groove(sheet, 600, 792, 420);
  for (const TBox& display : Displays) Display(sheet, display);
  for (int x : {8, 92, 598, 792}) {
    Rivet(sheet, x, 66);
    Rivet(sheet, x, 534);
  }
  // the dialog box: a raised plate with a display for the question
  FillMetal(sheet, DialogBox, Mix(Metal, Accent, 0.12));
  Bevel(sheet, DialogBox, 5, true, 1.0);
  Display(sheet, DialogText);
  for (int x : {DialogBox.Left + 9, DialogBox.Right - 10}) {
    Rivet(sheet, x, DialogBox.Top + 9);
    Rivet(sheet, x, DialogBox.Bottom - 10);
  }
  // nothing of the frame may be read as the key colour
  for (int y = 0; y < sheet.Height(); ++y) {
    for (int x = 0; x < sheet.Width(); ++x) {
      const bool board = x >= BoardOpening.Left && x < BoardOpening.Right &&
                         y >= BoardOpening.Top && y < BoardOpening.Bottom;
      const bool dialog =
          x >= DialogBox.Left && x < DialogBox.Right && y >= DialogBox.Top && y < DialogBox.Bottom;
      if (board && !dialog) {
        sheet.Set(x, y, Black);
      } else {
        sheet.Set(x, y, NotKeyBlack(sheet.Get(x, y)));
      }
    }
  }
  return sheet;
}

TCanvas PaintButtons() {
  TCanvas sheet(ButtonWidth, ButtonHeight * ButtonFrames * ButtonPictures, Black);
  for (int picture = 1; picture <= ButtonPictures; ++picture) {
    for (int frame = 1; frame <= ButtonFrames; ++frame) {
      PaintButton(sheet, (picture - 1) * 144 + (frame - 1) * ButtonHeight, picture, frame);
    }
  }
  return sheet;
}
