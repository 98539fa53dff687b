// Scene drawing: the swing, the lit floor, the pool objects in layer order with their clipping,
// and the text entries, drawn from small sheets made here onto the back buffer of a game that is
// not loaded.
#include "engine/shell/drawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/shell/lighting.h"
#include "engine/ui/text.h"
#include "engine/world/pool.h"
#include "tests/test_support.h"

namespace {

constexpr TPixel Black = 0;

class Drawing : public ::testing::Test {
 protected:
  void SetUp() override {
    savedStones_ = SheetTable[KindBoard][SubKindStone];
    savedFloor_ = FloorSheet;
    FreeAllObjects();
    ScreenWidth = 800;
    ScreenHeight = 600;
    ShakeAmount = 0;
    ShakePrevious = 0;
    ShakeAngle = 0.0;
    Screen().Fill(Black);
  }
  void TearDown() override {
    SheetTable[KindBoard][SubKindStone] = savedStones_;
    FloorSheet = savedFloor_;
    FreeAllObjects();
  }

  PictureSurface& Screen() { return game.Form.DXDraw1.Surface(); }

  // A live stone drawn from the source rectangle (left, top) of width x height of Sheet, centred
  // on (x, y).
  static void PlaceObject(int id, int x, int y, int layer, int left, int top, int width,
                          int height) {
    Pool.Active[id] = 1;
    Pool.Kind[id] = KindBoard;
    Pool.SubKind[id] = SubKindStone;
    Pool.X[id] = static_cast<int16_t>(x);
    Pool.Y[id] = static_cast<int16_t>(y);
    Pool.Layer[id] = static_cast<int16_t>(layer);
    Pool.Width[id] = static_cast<int16_t>(width);
    Pool.Height[id] = static_cast<int16_t>(height);
    Pool.HalfWidth[id] = static_cast<int16_t>(width / 2);
    Pool.HalfHeight[id] = static_cast<int16_t>(height / 2);
    Pool.SrcLeft[id] = static_cast<int16_t>(left);
    Pool.SrcTop[id] = static_cast<int16_t>(top);
    Pool.SrcRight[id] = static_cast<int16_t>(left + width);
    Pool.SrcBottom[id] = static_cast<int16_t>(top + height);
  }
  void UseSheet(PictureSurface& sheet) { SheetTable[KindBoard][SubKindStone] = &sheet; }

  HeadlessGame game;
  PictureSurface* savedStones_ = nullptr;
  PictureSurface* savedFloor_ = nullptr;
};

// A sheet whose pixel (x, y) has a colour of its own, never black.
PictureSurface NumberedSheet(int width, int height) {
  PictureSurface sheet(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      sheet.At(x, y) = static_cast<TPixel>(((x % 2048) << 5 | (y % 32)) + 1);
    }
  }
  return sheet;
}

// ---- the swing ----

TEST_F(Drawing, AnExplosionSwingsLeftThenBackAndAgainWithAlternatingSign) {
  struct Step {
    int32_t setBefore;  // ShakeAmount an explosion sets before this step; 0 for none
    int32_t amount;
    double offset;  // cos(ShakeAngle) * ShakeAmount after the step
  };
  const Step steps[] = {{2, 1, -1.0}, {0, 0, 0.0},  {0, 0, 0.0}, {2, 1, -1.0},
                        {2, 1, 1.0},  {2, 1, -1.0}, {0, 0, 0.0}, {15, 10, -10.0}};
  int number = 0;
  for (const Step& s : steps) {
    SCOPED_TRACE(++number);
    if (s.setBefore != 0) ShakeAmount = s.setBefore;
    UpdateShake();
    EXPECT_EQ(ShakeAmount, s.amount);
    EXPECT_EQ(ShakePrevious, s.amount);
    EXPECT_NEAR(std::cos(ShakeAngle) * ShakeAmount, s.offset, 1e-9);
  }
}

TEST_F(Drawing, InTheExplosionTickEveryObjectIsDrawnOnePixelLeft) {
  PictureSurface sheet = NumberedSheet(800, 4);
  UseSheet(sheet);
  PlaceObject(1, 400, 2, 100, 0, 0, 800, 4);
  ShakeAmount = 2;
  UpdateShake();
  DrawObjects();
  for (int y = 0; y < 4; ++y) {
    EXPECT_EQ(Screen().At(0, y), sheet.At(1, y));
    EXPECT_EQ(Screen().At(798, y), sheet.At(799, y));
    EXPECT_EQ(Screen().At(799, y), Black);
  }
  Screen().Fill(Black);
  UpdateShake();
  DrawObjects();
  EXPECT_EQ(Screen().At(0, 0), sheet.At(0, 0));
  EXPECT_EQ(Screen().At(799, 3), sheet.At(799, 3));
}

// ---- the order of layers ----

// Three 4 x 4 objects a, b, c (ids 1, 2, 3) of one colour each, each pair overlapping on pixels
// of its own, so the screen shows which of two was drawn later.
class DrawingOrder : public Drawing {
 protected:
  void SetUp() override {
    Drawing::SetUp();
    sheet_ = PictureSurface(12, 4);
    for (int x = 0; x < 12; ++x) {
      for (int y = 0; y < 4; ++y) sheet_.At(x, y) = Colours[x / 4];
    }
    UseSheet(sheet_);
  }
  void Draw(int layerA, int layerB, int layerC) {
    PlaceObject(1, 102, 102, layerA, 0, 0, 4, 4);  // covers x 100..103, y 100..103
    PlaceObject(2, 104, 102, layerB, 4, 0, 4, 4);  // covers x 102..105, y 100..103
    PlaceObject(3, 103, 104, layerC, 8, 0, 4, 4);  // covers x 101..104, y 102..105
    DrawObjects();
  }
  // The letter of the object shown on a pixel.
  char Shown(int x, int y) {
    for (int i = 0; i < 3; ++i) {
      if (Screen().At(x, y) == Colours[i]) return static_cast<char>('a' + i);
    }
    return '?';
  }
  // The drawing order told by the three overlaps: a letter is drawn after each it covers.
  std::string Order() {
    const char ab = Shown(102, 100);
    const char ac = Shown(101, 102);
    const char bc = Shown(104, 102);
    // each letter's place is the number of others it covers: 0 first, 2 last
    std::string sorted(3, '?');
    for (const char letter : std::string("abc")) {
      const int covered = (ab == letter) + (ac == letter) + (bc == letter);
      sorted[covered] = letter;
    }
    return sorted;
  }

  static constexpr TPixel Colours[3] = {Rgb565(255, 0, 0), Rgb565(0, 255, 0), Rgb565(0, 0, 255)};
  PictureSurface sheet_;
};

TEST_F(DrawingOrder, LowerLayersFirstAndEqualLayersAsTheSelectionSortLeavesThem) {
  struct Case {
    int a, b, c;
    const char* order;
  };
  const Case cases[] = {
      {2, 2, 1, "cba"},        // the exchange of a and c carries a behind b
      {101, 100, 101, "bac"},  //
      {1, 2, 3, "abc"},        //
      {3, 2, 1, "cba"},        //
      {5, 5, 5, "abc"},        // nothing is exchanged
      {95, 100, 80, "cab"},    // a carried stone under the bars, over the shadows
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.a << ", " << c.b << ", " << c.c);
    Screen().Fill(Black);
    Draw(c.a, c.b, c.c);
    EXPECT_EQ(Order(), c.order);
  }
}

// ---- which objects are drawn, and clipping ----

TEST_F(Drawing, AnObjectIsDrawnWhileItsCentreIsNotAboveTheScreen) {
  PictureSurface sheet = NumberedSheet(10, 10);
  UseSheet(sheet);
  struct Case {
    const char* what;
    int y;
    int sheetRowAtTop;  // the sheet row shown at screen row 0, or -1 for nothing
  };
  const Case cases[] = {
      {"centre one pixel above the top", -1, -1},
      {"centre on the top row", 0, 5},
      {"centre at the bottom edge", 600, -1},
      {"centre below the bottom", 602, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Screen().Fill(Black);
    PlaceObject(1, 105, c.y, 50, 0, 0, 10, 10);
    DrawObjects();
    EXPECT_EQ(Screen().At(100, 0), c.sheetRowAtTop < 0 ? Black : sheet.At(0, c.sheetRowAtTop));
  }
  // below the bottom edge the part still inside the screen is drawn
  Screen().Fill(Black);
  PlaceObject(1, 105, 602, 50, 0, 0, 10, 10);
  DrawObjects();
  EXPECT_EQ(Screen().At(100, 597), sheet.At(0, 0));
  EXPECT_EQ(Screen().At(109, 599), sheet.At(9, 2));
}

TEST_F(Drawing, ASpriteOverTheTopLeftCornerIsClippedOnBothEdges) {
  PictureSurface sheet = NumberedSheet(4, 4);
  UseSheet(sheet);
  PlaceObject(1, 1, 1, 95, 0, 0, 4, 4);  // top-left corner at (-1, -1)
  DrawObjects();
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 4; ++x) {
      const TPixel expected = x < 3 && y < 3 ? sheet.At(x + 1, y + 1) : Black;
      EXPECT_EQ(Screen().At(x, y), expected) << "at (" << x << ", " << y << ")";
    }
  }
}

TEST_F(Drawing, ObjectsOutsideTheScreenFreeOrWithoutASheetDrawNothing) {
  PictureSurface sheet = NumberedSheet(10, 10);
  UseSheet(sheet);
  PlaceObject(1, -6, 300, 50, 0, 0, 10, 10);   // wholly left
  PlaceObject(2, 806, 300, 50, 0, 0, 10, 10);  // wholly right
  PlaceObject(3, 400, 300, 50, 0, 0, 10, 10);
  Pool.Active[3] = 0;
  PlaceObject(4, 400, 400, 50, 0, 0, 10, 10);
  Pool.Kind[4] = KindExplosion;
  Pool.SubKind[4] = 1;
  PictureSurface* explosions = SheetTable[KindExplosion][1];
  SheetTable[KindExplosion][1] = nullptr;
  PlaceObject(5, 400, 500, 50, 0, 0, 10, 10);
  Pool.Kind[5] = 99;  // no such kind
  DrawObjects();
  SheetTable[KindExplosion][1] = explosions;
  for (int y = 0; y < 600; ++y) {
    for (int x = 0; x < 800; ++x) ASSERT_EQ(Screen().At(x, y), Black) << x << ", " << y;
  }
}

// ---- the floor ----

TEST_F(Drawing, EachTileShowsTheCellOfItsBrightnessAndPattern) {
  // cell (column b, row p) is filled with the colour that names it
  PictureSurface floor(640, 280);
  for (int y = 0; y < 280; ++y) {
    for (int x = 0; x < 640; ++x) floor.At(x, y) = Rgb565(8 * (x / 20), 4 * (y / 20), 255);
  }
  FloorSheet = &floor;
  FloorTileCount = 0;
  RandomSeed(5);
  BuildFloor();
  LightCount = 0;
  LightLevel = 25000;
  AddLight(250, 250, 1.0);  // on the reference point of column 12, row 12
  DrawFloor();
  const int lit = 11 * 28 + 12;
  ASSERT_EQ(TileX[lit], 250);
  ASSERT_EQ(TileY[lit], 250);
  EXPECT_EQ(TileBrightness[lit], 31);
  const int pattern = TilePattern[1];
  for (const int tile : {1, lit, 840}) {
    SCOPED_TRACE(tile);
    const TPixel expected = Rgb565(8 * TileBrightness[tile], 4 * pattern, 255);
    EXPECT_EQ(Screen().At(TileX[tile], TileY[tile]), expected);
    EXPECT_EQ(Screen().At(TileX[tile] + 19, TileY[tile] + 19), expected);
  }
  EXPECT_EQ(TileBrightness[1], 1);
  EXPECT_EQ(Screen().At(29, 29), Black);    // the floor begins at (30, 30)
  EXPECT_EQ(Screen().At(630, 590), Black);  // and ends at (629, 589)
  EXPECT_NE(Screen().At(629, 589), Black);
}

TEST_F(Drawing, WithoutAFloorSheetTheTilesAreLitButNotDrawn) {
  FloorSheet = nullptr;
  FloorTileCount = 0;
  BuildFloor();
  LightLevel = 25000;
  LightCount = 0;
  AddLight(250, 250, 1.0);
  TileBrightness.fill(0);
  DrawFloor();
  EXPECT_EQ(TileBrightness[11 * 28 + 12], 31);
  EXPECT_EQ(TileBrightness[1], 1);
  EXPECT_EQ(Screen().At(250, 250), Black);
}

// ---- text ----

// A small-font sheet (70 x 14, glyphs 1..20) and a font-2 sheet (150 x 30, glyphs 1..20) whose
// cells each have a colour of their own, with a magenta key pixel in each cell's top-left corner.
PictureSurface GlyphSheet(int cell) {
  PictureSurface sheet(10 * cell, 2 * cell);
  for (int y = 0; y < sheet.Height(); ++y) {
    for (int x = 0; x < sheet.Width(); ++x) {
      const int glyph = (y / cell) * 10 + x / cell + 1;
      const bool corner = x % cell == 0 && y % cell == 0;
      sheet.At(x, y) = corner ? Rgb565(255, 0, 255) : Rgb565(8 * glyph, 64, 64);
    }
  }
  sheet.SetTransparentColour(255, 0, 255);
  return sheet;
}

constexpr TPixel Grey = Rgb565(64, 64, 64);

TEST_F(Drawing, AGlyphIsCopiedFromItsCellToItsPlace) {
  struct Case {
    int font, cell;
  };
  for (const Case c : {Case{1, 7}, Case{2, 15}}) {
    SCOPED_TRACE(c.font);
    const PictureSurface sheet = GlyphSheet(c.cell);
    Screen().Fill(Grey);
    ResetTextQueue();
    QueueText(100, 50, c.font, 0, "L");  // glyph 12: the second cell of the second row
    DrawTextEntry(2, sheet);
    const int x = 100 + FontAdvance(c.font);
    EXPECT_EQ(Screen().At(x, 50), Grey);  // the key pixel in the cell's corner
    EXPECT_EQ(Screen().At(x + 1, 50), Rgb565(8 * 12, 64, 64));
    EXPECT_EQ(Screen().At(x + c.cell - 1, 50 + c.cell - 1), Rgb565(8 * 12, 64, 64));
    EXPECT_EQ(Screen().At(x + c.cell, 50), Grey);
    EXPECT_EQ(Screen().At(x, 50 + c.cell), Grey);
  }
}

TEST_F(Drawing, OnlyTheLargeFontsBlendWithTheirStrength) {
  struct Case {
    int font, cell, strength;
    bool blended;
  };
  const Case cases[] = {
      {1, 7, 0, false},   {1, 7, 64, false},  {6, 7, 200, false},
      {7, 7, 255, false}, {2, 15, 0, false},  {2, 15, 128, true},
      {3, 30, 1, true},   {4, 15, 255, true}, {2, 15, -5, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "font " << c.font << " strength " << c.strength);
    const PictureSurface sheet = GlyphSheet(c.cell);
    const TRect glyph{0, c.cell, c.cell, 2 * c.cell};  // glyph 11 opens the second row
    PictureSurface expected(800, 600);
    expected.Fill(Grey);
    if (c.blended) {
      expected.AddBlend(40, 30, sheet, glyph, c.strength);
    } else {
      expected.CopyKeyed(40, 30, sheet, glyph);
    }
    Screen().Fill(Grey);
    ResetTextQueue();
    QueueText(40 - FontAdvance(c.font), 30, c.font, c.strength, "K");  // glyph 11
    DrawTextEntry(2, sheet);
    for (int y = 30; y < 30 + c.cell; ++y) {
      for (int x = 40; x < 40 + c.cell; ++x) {
        ASSERT_EQ(Screen().At(x, y), expected.At(x, y)) << "at (" << x << ", " << y << ")";
      }
    }
  }
}

TEST_F(Drawing, EmptyFreeAndUnknownFontEntriesDrawNothing) {
  const PictureSurface sheet = GlyphSheet(15);
  ResetTextQueue();
  QueueText(100, 100, 5, 0, "A");  // no font 5
  QueueText(200, 100, 2, 0, " ");  // a space has no glyph in the large fonts
  for (int e = 1; e <= TextCount + 1; ++e) DrawTextEntry(e, sheet);
  DrawTextQueue();
  for (int y = 90; y < 130; ++y) {
    for (int x = 90; x < 260; ++x) ASSERT_EQ(Screen().At(x, y), Black) << x << ", " << y;
  }
}

}  // namespace
