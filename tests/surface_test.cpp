// Picture surfaces: the colour-keyed copy with its clipping, the additive blend, and loading
// bitmap files.
#include "platform/surface.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr TPixel Key = 0;  // black, the key of a surface that sets none
constexpr TPixel Background = Rgb565(40, 40, 40);

// A 5 x 4 sheet whose pixels all differ, with black holes at (1, 0), (3, 2) and (0, 3).
PictureSurface MakeSheet() {
  PictureSurface sheet(5, 4);
  for (int y = 0; y < sheet.Height(); ++y) {
    for (int x = 0; x < sheet.Width(); ++x) sheet.At(x, y) = Rgb565(8 * x + 8, 8 * y + 8, 200);
  }
  sheet.At(1, 0) = Key;
  sheet.At(3, 2) = Key;
  sheet.At(0, 3) = Key;
  return sheet;
}

// What a keyed copy must give, pixel by pixel: every source pixel inside both surfaces that is
// not the key lands at its place.
PictureSurface ReferenceCopy(const PictureSurface& target, int x, int y, const PictureSurface& src,
                             TRect source) {
  PictureSurface expected = target;
  for (int sy = source.Top; sy < source.Bottom; ++sy) {
    for (int sx = source.Left; sx < source.Right; ++sx) {
      const int dx = x + sx - source.Left;
      const int dy = y + sy - source.Top;
      if (sx < 0 || sy < 0 || sx >= src.Width() || sy >= src.Height()) continue;
      if (dx < 0 || dy < 0 || dx >= expected.Width() || dy >= expected.Height()) continue;
      if (src.At(sx, sy) != src.TransparentPixel()) expected.At(dx, dy) = src.At(sx, sy);
    }
  }
  return expected;
}

void ExpectSamePixels(const PictureSurface& actual, const PictureSurface& expected) {
  ASSERT_EQ(actual.Width(), expected.Width());
  ASSERT_EQ(actual.Height(), expected.Height());
  for (int y = 0; y < actual.Height(); ++y) {
    for (int x = 0; x < actual.Width(); ++x) {
      ASSERT_EQ(actual.At(x, y), expected.At(x, y)) << "at (" << x << ", " << y << ")";
    }
  }
}

TEST(CopyKeyed, LeavesKeyPixelsOut) {
  const PictureSurface sheet = MakeSheet();
  PictureSurface screen(8, 6);
  screen.Fill(Background);
  screen.CopyKeyed(2, 1, sheet, {0, 0, 5, 4});
  EXPECT_EQ(screen.At(2, 1), sheet.At(0, 0));
  EXPECT_EQ(screen.At(3, 1), Background);  // the hole at (1, 0)
  EXPECT_EQ(screen.At(5, 3), Background);  // the hole at (3, 2)
  EXPECT_EQ(screen.At(2, 4), Background);  // the hole at (0, 3)
  EXPECT_EQ(screen.At(6, 4), sheet.At(4, 3));
  EXPECT_EQ(screen.At(1, 1), Background);
  EXPECT_EQ(screen.At(7, 5), Background);
}

TEST(CopyKeyed, ClipsAtEveryEdgeOfBothSurfaces) {
  struct Case {
    const char* what;
    int x, y;
    TRect source;
  };
  const Case cases[] = {
      {"inside", 1, 1, {0, 0, 5, 4}},
      {"left", -2, 1, {0, 0, 5, 4}},
      {"top", 1, -3, {0, 0, 5, 4}},
      {"left and top", -1, -1, {0, 0, 5, 4}},
      {"right", 5, 1, {0, 0, 5, 4}},
      {"bottom", 1, 4, {0, 0, 5, 4}},
      {"right and bottom", 6, 5, {0, 0, 5, 4}},
      {"wholly left", -5, 1, {0, 0, 5, 4}},
      {"wholly right", 8, 1, {0, 0, 5, 4}},
      {"wholly below", 1, 6, {0, 0, 5, 4}},
      {"wholly above", 1, -4, {0, 0, 5, 4}},
      {"part of the sheet", 2, 2, {1, 1, 4, 3}},
      {"source left of its sheet", 2, 1, {-2, 0, 3, 4}},
      {"source above its sheet", 2, 1, {0, -2, 5, 3}},
      {"source beyond right and bottom", 2, 1, {3, 2, 9, 9}},
      {"source outside and screen edge", -1, -1, {-1, -1, 7, 6}},
      {"empty source", 1, 1, {3, 3, 3, 4}},
      {"reversed source", 1, 1, {4, 0, 2, 4}},
  };
  const PictureSurface sheet = MakeSheet();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    PictureSurface screen(8, 6);
    screen.Fill(Background);
    const PictureSurface expected = ReferenceCopy(screen, c.x, c.y, sheet, c.source);
    screen.CopyKeyed(c.x, c.y, sheet, c.source);
    ExpectSamePixels(screen, expected);
  }
}

TEST(CopyKeyed, SeesPixelsAndKeysChangedAfterTheLastCopy) {
  PictureSurface sheet(3, 1);
  PictureSurface screen(3, 1);
  screen.CopyKeyed(0, 0, sheet, {0, 0, 3, 1});  // an all-black sheet draws nothing
  sheet.At(1, 0) = Rgb565(255, 0, 255);
  sheet.Row(0)[2] = Rgb565(0, 255, 0);
  screen.CopyKeyed(0, 0, sheet, {0, 0, 3, 1});
  EXPECT_EQ(screen.At(1, 0), Rgb565(255, 0, 255));
  EXPECT_EQ(screen.At(2, 0), Rgb565(0, 255, 0));

  sheet.SetTransparentColour(255, 0, 255);
  screen.Fill(Background);
  screen.CopyKeyed(0, 0, sheet, {0, 0, 3, 1});
  EXPECT_EQ(screen.At(0, 0), Key);  // black is drawn once magenta is the key
  EXPECT_EQ(screen.At(1, 0), Background);
  EXPECT_EQ(screen.At(2, 0), Rgb565(0, 255, 0));
}

// The three channels of a 16-bit pixel: red 0..31, green 0..63, blue 0..31.
TPixel Channels(unsigned r, unsigned g, unsigned b) {
  return static_cast<TPixel>((r << 11) | (g << 5) | b);
}

TEST(AddBlend, AddsEveryChannelScaledByStrengthAndSaturates) {
  struct Case {
    const char* what;
    TPixel screen, source;
    int strength;
    TPixel expected;
  };
  const Case cases[] = {
      {"full strength is a plain addition", Channels(1, 2, 3), Channels(4, 5, 6), 255,
       Channels(5, 7, 9)},
      {"each channel saturates on its own", Channels(30, 60, 0), Channels(10, 10, 10), 255,
       Channels(31, 63, 10)},
      {"half strength adds about half", Channels(0, 0, 0), Channels(20, 40, 20), 128,
       Channels(10, 20, 10)},
      {"strength above 255 counts as 255", Channels(1, 1, 1), Channels(2, 2, 2), 1000,
       Channels(3, 3, 3)},
      {"strength 0 adds nothing", Channels(1, 1, 1), Channels(31, 63, 31), 0, Channels(1, 1, 1)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    PictureSurface sheet(1, 1);
    sheet.At(0, 0) = c.source;
    PictureSurface screen(1, 1);
    screen.At(0, 0) = c.screen;
    screen.AddBlend(0, 0, sheet, {0, 0, 1, 1}, c.strength);
    EXPECT_EQ(screen.At(0, 0), c.expected);
  }
}

TEST(AddBlend, LeavesKeyPixelsOutAndClipsLikeTheCopy) {
  PictureSurface sheet(3, 1);
  sheet.At(0, 0) = Channels(1, 1, 1);
  sheet.At(1, 0) = Rgb565(255, 0, 255);
  sheet.At(2, 0) = Channels(2, 2, 2);
  sheet.SetTransparentColour(255, 0, 255);
  PictureSurface screen(2, 1);
  screen.Fill(Channels(4, 4, 4));
  screen.AddBlend(-1, 0, sheet, {0, 0, 3, 1}, 255);
  EXPECT_EQ(screen.At(0, 0), Channels(4, 4, 4));  // the magenta pixel
  EXPECT_EQ(screen.At(1, 0), Channels(6, 6, 6));
}

// Writes bytes to a file in the temporary folder, removed again by the destructor.
class TempFile {
 public:
  TempFile(const std::string& name, const std::vector<uint8_t>& bytes)
      : path_(std::filesystem::temp_directory_path() / name) {
    std::ofstream out(path_, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
  }
  ~TempFile() { std::filesystem::remove(path_); }
  std::string Path() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

// A 2 x 2 bitmap of 24 bits: red, green on top; blue, white below. Rows are stored bottom up,
// blue green red, each padded to 4 bytes.
std::vector<uint8_t> TinyBitmap() {
  // clang-format off
  return {
      'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,                          // file header
      40, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0,           // info header
      16, 0, 0, 0, 0x13, 0x0B, 0, 0, 0x13, 0x0B, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
      255, 0, 0, 255, 255, 255, 0, 0,                                          // bottom: blue, white
      0, 0, 255, 0, 255, 0, 0, 0,                                              // top: red, green
  };
  // clang-format on
}

TEST(LoadFromFile, ReadsABitmapIntoSixteenBitPixels) {
  const TempFile file("tarvolin-surface-tiny.bmp", TinyBitmap());
  PictureSurface sheet;
  sheet.LoadFromFile(file.Path());
  ASSERT_EQ(sheet.Width(), 2);
  ASSERT_EQ(sheet.Height(), 2);
  EXPECT_EQ(sheet.At(0, 0), Rgb565(255, 0, 0));
  EXPECT_EQ(sheet.At(1, 0), Rgb565(0, 255, 0));
  EXPECT_EQ(sheet.At(0, 1), Rgb565(0, 0, 255));
  EXPECT_EQ(sheet.At(1, 1), Rgb565(255, 255, 255));
}

std::vector<uint8_t> CutShort(std::vector<uint8_t> bytes, size_t dropped) {
  bytes.resize(bytes.size() - dropped);
  return bytes;
}

TEST(LoadFromFile, NamesTheFileThatCannotBeUsed) {
  const TempFile garbage("tarvolin-surface-garbage.bmp", {'B', 'M', 1, 2, 3, 'x', 'y'});
  // a bitmap whose last pixel row is missing would otherwise load with black pixels
  const TempFile cut("tarvolin-surface-cut.bmp", CutShort(TinyBitmap(), 3));
  const std::string missing =
      (std::filesystem::temp_directory_path() / "tarvolin-surface-missing.bmp").string();
  for (const std::string& path : {garbage.Path(), cut.Path(), missing}) {
    SCOPED_TRACE(path);
    PictureSurface sheet;
    try {
      sheet.LoadFromFile(path);
      ADD_FAILURE() << "no error";
    } catch (const BitmapError& error) {
      EXPECT_NE(std::string(error.what()).find(path), std::string::npos) << error.what();
    }
  }
}

}  // namespace
