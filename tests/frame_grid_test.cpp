// Tests of the frame grid: the source rectangles that pictures and frames select in each sheet.
#include <gtest/gtest.h>

#include "engine/shell/assets.h"
#include "engine/world/pool.h"

namespace {

struct TGridCase {
  const char* What;
  int16_t Kind, SubKind, Frame, Picture;
  int16_t Left, Top, Right, Bottom;
};

const TGridCase GridCases[] = {
    {"button picture 5 under the mouse", KindButton, 1, 2, 5, 0, 624, 64, 672},
    {"button picture 1 normal", KindButton, 1, 1, 1, 0, 0, 64, 48},
    {"explosion colour 3 frame 10", KindExplosion, 1, 10, 3, 150, 675, 225, 750},
    {"explosion colour 6 last frame", KindExplosion, 1, 28, 6, 375, 2025, 450, 2100},
    {"stone colour 6", KindBoard, SubKindStone, 1, 6, 0, 125, 27, 150},
    {"field picture 8", KindBoard, SubKindField, 1, 8, 0, 182, 28, 208},
    {"shadow of a field with a stone", KindBoard, SubKindShadow, 2, 1, 0, 27, 27, 54},
    {"layout piece 2, no frame", KindLayout, 1, 0, 2, 0, 60, 100, 540},
    {"dialog box", KindLayout, 1, 0, 5, 240, 190, 560, 410},
};

}  // namespace

TEST(FrameGrid, PicturesAndFramesSelectTheirCells) {
  for (const TGridCase& c : GridCases) {
    SCOPED_TRACE(c.What);
    EXPECT_EQ(FrameLeft(c.Kind, c.SubKind, c.Frame, c.Picture), c.Left);
    EXPECT_EQ(FrameTop(c.Kind, c.SubKind, c.Frame, c.Picture), c.Top);
    EXPECT_EQ(FrameRight(c.Kind, c.SubKind, c.Frame, c.Picture), c.Right);
    EXPECT_EQ(FrameBottom(c.Kind, c.SubKind, c.Frame, c.Picture), c.Bottom);
  }
}
