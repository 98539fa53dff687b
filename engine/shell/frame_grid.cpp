// The frame grid: pure arithmetic that turns an object's kind, picture and frame into the
// rectangle of its sheet. No sheet is inspected.
#include "engine/shell/assets.h"
#include "engine/world/pool.h"

namespace {

// Layout pieces by picture: top bar, left bar, bottom bar, right panel, dialog box.
struct TPieceRect {
  int16_t Left, Top, Right, Bottom;
};
constexpr std::array<TPieceRect, 6> LayoutPieces = {{
    {0, 0, 0, 0},
    {0, 0, 800, 60},
    {0, 60, 100, 540},
    {0, 540, 800, 600},
    {590, 60, 800, 540},
    {240, 190, 560, 410},
}};

TPieceRect LayoutPiece(int16_t picture) {
  if (picture < 1 || picture > 5) return LayoutPieces[0];
  return LayoutPieces[picture];
}

TPieceRect FrameRect(int16_t kind, int16_t subKind, int16_t frame, int16_t picture) {
  const auto rect = [](int left, int top, int right, int bottom) {
    return TPieceRect{static_cast<int16_t>(left), static_cast<int16_t>(top),
                      static_cast<int16_t>(right), static_cast<int16_t>(bottom)};
  };
  switch (kind) {
    case KindLayout:
      return LayoutPiece(picture);
    case KindButton:  // one column, three frames of 48 per picture of 144
      return rect(0, (picture - 1) * 144 + (frame - 1) * 48, 64, (picture - 1) * 144 + frame * 48);
    case KindBoard:
      if (subKind == SubKindField) return rect(0, (picture - 1) * 26, 28, picture * 26);
      if (subKind == SubKindShadow) return rect(0, (frame - 1) * 27, 27, frame * 27);
      if (subKind == SubKindStone) return rect(0, (picture - 1) * 25, 27, picture * 25);
      return rect(0, 0, 0, 0);
    case KindExplosion:  // colour across, frame down
      return rect((picture - 1) * 75, (frame - 1) * 75, picture * 75, frame * 75);
    default:
      return rect(0, 0, 0, 0);
  }
}

}  // namespace

int16_t FrameLeft(int16_t kind, int16_t subKind, int16_t frame, int16_t picture) {
  return FrameRect(kind, subKind, frame, picture).Left;
}
int16_t FrameRight(int16_t kind, int16_t subKind, int16_t frame, int16_t picture) {
  return FrameRect(kind, subKind, frame, picture).Right;
}
int16_t FrameTop(int16_t kind, int16_t subKind, int16_t frame, int16_t picture) {
  return FrameRect(kind, subKind, frame, picture).Top;
}
int16_t FrameBottom(int16_t kind, int16_t subKind, int16_t frame, int16_t picture) {
  return FrameRect(kind, subKind, frame, picture).Bottom;
}
