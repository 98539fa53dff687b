// The art that artgen draws: every sheet at its size with its key colour, fonts with ink in every
// cell the character tables reach, floor tiles that brighten step by step, frames without holes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "engine/ui/text.h"
#include "platform/surface.h"

namespace {

constexpr TPixel Magenta565 = Rgb565(255, 0, 255);
constexpr TPixel Black565 = 0;

PictureSurface LoadSheet(const std::string& path) {
  PictureSurface sheet;
  sheet.LoadFromFile(std::string(TARVOLIN_BUILD_DIR) + "/" + path);
  return sheet;
}

struct SheetCase {
  const char* Path;
  int Width, Height;
  bool Magenta;
  int KeyX, KeyY;  // a pixel that must be the key colour (transparent)
  int InkX, InkY;  // a pixel that must be drawn
};

constexpr SheetCase Sheets[] = {
    {"res/schriftz/font1gruen.bmp", 70, 42, true, 0, 0, 1 + 2, 1},  // the bar of A
    {"res/schriftz/font1dgruen.bmp", 70, 42, true, 0, 0, 3, 1},
    {"res/schriftz/font1.bmp", 70, 42, true, 0, 0, 3, 1},
    {"res/schriftz/font2gruen.bmp", 150, 120, true, 0, 0, 7, 8},
    {"res/schriftz/font3.bmp", 300, 240, true, 0, 0, 15, 16},
    {"res/schriftz/font5.bmp", 150, 120, true, 0, 0, 7, 8},
    {"res/fboden/fliesenm.bmp", 640, 280, false, 0, 0, 25, 25},
    {"res/layouts/layout2.bmp", 800, 600, false, 300, 100, 10, 10},
    {"res/layouts/knoepfe2.bmp", 64, 864, false, 0, 0, 32, 24},
    {"res/steine/felderm.bmp", 28, 208, false, 0, 0, 1, 13},  // the frame's left corner
    {"res/steine/schatten.bmp", 27, 54, true, 0, 0, 13, 2},   // the ring under the top edge
    {"res/steine/steinem.bmp", 27, 150, false, 0, 0, 13, 12},
    {"res/effekte/expl.bmp", 450, 2100, false, 0, 0, 37, 37 + 5 * 75},
};

bool CellHasInk(const PictureSurface& sheet, int glyph, int cell) {
  const int left = (glyph - 1) % 10 * cell;
  const int top = (glyph - 1) / 10 * cell;
  for (int y = top; y < top + cell; ++y) {
    for (int x = left; x < left + cell; ++x) {
      if (sheet.At(x, y) != Magenta565) return true;
    }
  }
  return false;
}

// Sum of the three 565 channels scaled to 0..31 each, over one floor tile.
long TileLight(const PictureSurface& floor, int brightness, int pattern) {
  long sum = 0;
  for (int y = pattern * 20; y < pattern * 20 + 20; ++y) {
    for (int x = brightness * 20; x < brightness * 20 + 20; ++x) {
      const TPixel p = floor.At(x, y);
      sum += (p >> 11) + ((p >> 5) & 63) / 2 + (p & 31);
    }
  }
  return sum;
}

}  // namespace

TEST(Art, EverySheetHasItsSizeAndKey) {
  for (const SheetCase& c : Sheets) {
    SCOPED_TRACE(c.Path);
    const PictureSurface sheet = LoadSheet(c.Path);
    ASSERT_GE(sheet.Width(), c.Width);
    ASSERT_GE(sheet.Height(), c.Height);
    const TPixel key = c.Magenta ? Magenta565 : Black565;
    EXPECT_EQ(sheet.At(c.KeyX, c.KeyY), key);
    EXPECT_NE(sheet.At(c.InkX, c.InkY), key);
  }
}

TEST(Art, FontCellsReachedByTheCharacterTablesHaveInk) {
  struct FontCase {
    const char* Path;
    int Cell;
    bool Small;
  };
  constexpr FontCase Fonts[] = {
      {"res/schriftz/font1gruen.bmp", 7, true}, {"res/schriftz/font1dgruen.bmp", 7, true},
      {"res/schriftz/font1.bmp", 7, true},      {"res/schriftz/font2gruen.bmp", 15, false},
      {"res/schriftz/font3.bmp", 30, false},    {"res/schriftz/font5.bmp", 15, false},
  };
  for (const FontCase& font : Fonts) {
    SCOPED_TRACE(font.Path);
    const PictureSurface sheet = LoadSheet(font.Path);
    int reached = 0;
    for (int byte = 1; byte < 256; ++byte) {
      const auto ch = static_cast<unsigned char>(byte);
      const int glyph = font.Small ? SmallFontGlyph(ch) : LargeFontGlyph(ch);
      if (glyph < 1 || ch == ' ') continue;
      ++reached;
      EXPECT_TRUE(CellHasInk(sheet, glyph, font.Cell))
          << "character " << byte << " glyph " << glyph;
    }
    EXPECT_GE(reached, font.Small ? 59 : 77);
    if (font.Small) {
      EXPECT_EQ(SmallFontGlyph(' '), 55);
      EXPECT_FALSE(CellHasInk(sheet, 55, font.Cell));  // the space is blank
    }
  }
}

TEST(Art, FloorBrightensStepByStepWithoutHoles) {
  const PictureSurface floor = LoadSheet("res/fboden/fliesenm.bmp");
  for (int pattern = 1; pattern <= 13; ++pattern) {
    SCOPED_TRACE(pattern);
    for (int brightness = 2; brightness <= 31; ++brightness) {
      EXPECT_GT(TileLight(floor, brightness, pattern), TileLight(floor, brightness - 1, pattern))
          << "brightness " << brightness;
    }
    for (int y = pattern * 20; y < pattern * 20 + 20; ++y) {
      for (int x = 20; x < 640; ++x) ASSERT_NE(floor.At(x, y), Black565) << x << "," << y;
    }
  }
  // the darkest tile is nearly black, the brightest clearly bright
  EXPECT_LT(TileLight(floor, 1, 1), 400 * 6);
  EXPECT_GT(TileLight(floor, 31, 1), 400 * 45);
}

// The fields are drawn over the stones, so each field picture is a frame whose opening shows the
// stone lying on it: the stone's top-left is the field's top-left + (1, 1).
constexpr int FieldWidth = 28, FieldHeight = 26, FieldPictures = 8, DropField = 8;
constexpr int StoneWidth = 27, StoneHeight = 25, StoneColours = 6;

TEST(Art, FieldsAreFramesWithAnOpeningForTheStone) {
  const PictureSurface fields = LoadSheet("res/steine/felderm.bmp");
  struct Probe {
    const char* Where;
    int X, Y;
  };
  // one pixel of each of the frame's six sides, well inside the hexagon
  constexpr Probe RimProbes[] = {{"top", 14, 2},        {"bottom", 14, 23},
                                 {"upper left", 4, 7},  {"upper right", 23, 7},
                                 {"lower left", 4, 19}, {"lower right", 23, 19}};
  for (int picture = 1; picture <= FieldPictures; ++picture) {
    SCOPED_TRACE(picture);
    const int top = (picture - 1) * FieldHeight;
    for (const Probe& probe : RimProbes) {
      EXPECT_NE(fields.At(probe.X, top + probe.Y), Black565) << probe.Where;
    }
    // the middle of the field, where the stone's body lies, is open
    for (int y = 8; y <= 18; ++y) {
      for (int x = 8; x <= 20; ++x) EXPECT_EQ(fields.At(x, top + y), Black565) << x << "," << y;
    }
  }
}

// A pixel of the stone's body: ink with ink on all four sides, so not the thin dark edge that
// sets the stone off from what lies around it.
bool StoneBody(const PictureSurface& stones, int colour, int x, int y) {
  const auto ink = [&](int px, int py) {
    return px >= 0 && py >= 0 && px < StoneWidth && py < StoneHeight &&
           stones.At(px, (colour - 1) * StoneHeight + py) != Black565;
  };
  return ink(x, y) && ink(x - 1, y) && ink(x + 1, y) && ink(x, y - 1) && ink(x, y + 1);
}

TEST(Art, EveryStoneShowsNearlyWholeThroughEveryField) {
  const PictureSurface fields = LoadSheet("res/steine/felderm.bmp");
  const PictureSurface stones = LoadSheet("res/steine/steinem.bmp");
  for (int picture = 1; picture <= FieldPictures; ++picture) {
    for (int colour = 1; colour <= StoneColours; ++colour) {
      int ink = 0, seen = 0;
      for (int y = 0; y < StoneHeight; ++y) {
        for (int x = 0; x < StoneWidth; ++x) {
          if (!StoneBody(stones, colour, x, y)) continue;
          ++ink;
          if (fields.At(x + 1, (picture - 1) * FieldHeight + y + 1) == Black565) ++seen;
        }
      }
      ASSERT_GT(ink, 150) << "stone " << colour;
      // the drop field's sign reaches a little further into the top of the stone
      const int share = picture == DropField ? 85 : 88;
      EXPECT_GE(seen * 100, ink * share) << "field " << picture << " stone " << colour;
    }
  }
}

TEST(Art, EmptyFieldCastsARingAndAFullFieldAHexagon) {
  const PictureSurface shadows = LoadSheet("res/steine/schatten.bmp");
  struct ShadowCase {
    int Frame;
    int X, Y;
    bool Dark;
  };
  constexpr ShadowCase Cases[] = {
      {1, 13, 13, false}, {1, 13, 2, true}, {1, 2, 13, true}, {1, 13, 23, true},
      {2, 13, 13, true},  {2, 13, 2, true}, {2, 8, 18, true}, {2, 0, 0, false},
  };
  for (const ShadowCase& c : Cases) {
    const TPixel p = shadows.At(c.X, (c.Frame - 1) * 27 + c.Y);
    if (c.Dark) {
      EXPECT_EQ(p, Black565) << "frame " << c.Frame << " at " << c.X << "," << c.Y;
    } else {
      EXPECT_EQ(p, Magenta565) << "frame " << c.Frame << " at " << c.X << "," << c.Y;
    }
  }
}

TEST(Art, LayoutFramesTheBoardAndTheDialogBoxWithoutHoles) {
  const PictureSurface layout = LoadSheet("res/layouts/layout2.bmp");
  for (int y = 0; y < 600; ++y) {
    for (int x = 0; x < 800; ++x) {
      const bool board = x >= 100 && x < 590 && y >= 60 && y < 540;
      const bool dialog = x >= 240 && x < 560 && y >= 190 && y < 410;
      if (board && !dialog) {
        ASSERT_EQ(layout.At(x, y), Black565) << x << "," << y;
      } else {
        ASSERT_NE(layout.At(x, y), Black565) << x << "," << y;
      }
    }
  }
}

TEST(Art, SameBytesOnEveryRun) {
  namespace fs = std::filesystem;
  const fs::path base = fs::temp_directory_path() / "tarvolin_art_test";
  fs::remove_all(base);
  const std::string artgen = std::string(TARVOLIN_BUILD_DIR) + "/artgen ";
  ASSERT_EQ(std::system((artgen + (base / "a").string()).c_str()), 0);
  ASSERT_EQ(std::system((artgen + (base / "b").string()).c_str()), 0);
  const auto bytes = [](const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  };
  for (const SheetCase& c : Sheets) {
    EXPECT_EQ(bytes(base / "a" / c.Path), bytes(base / "b" / c.Path)) << c.Path;
  }
  fs::remove_all(base);
}
