// Letterboxing: the picture's place in windows of several shapes and the mouse mapping back.
#include "platform/letterbox.h"

#include <gtest/gtest.h>

namespace {

constexpr int PictureWidth = 800;
constexpr int PictureHeight = 600;

struct FitCase {
  int OutputWidth, OutputHeight;
  TLetterbox Expected;
};

TEST(Letterbox, FitsPictureKeepingItsShape) {
  const FitCase cases[] = {
      {800, 600, {0, 0, 800, 600}},        // same size: no bars
      {1024, 768, {0, 0, 1024, 768}},      // same shape, larger
      {1920, 1080, {240, 0, 1440, 1080}},  // wide screen: bars left and right
      {1280, 1024, {0, 32, 1280, 960}},    // tall screen: bars above and below
      {1366, 768, {171, 0, 1024, 768}},    // odd bar width: one pixel more on the right
      {0, 0, {0, 0, 0, 0}},                // minimised
  };
  for (const FitCase& c : cases) {
    const TLetterbox box = FitPicture(c.OutputWidth, c.OutputHeight, PictureWidth, PictureHeight);
    SCOPED_TRACE(testing::Message() << c.OutputWidth << " x " << c.OutputHeight);
    EXPECT_EQ(box.Left, c.Expected.Left);
    EXPECT_EQ(box.Top, c.Expected.Top);
    EXPECT_EQ(box.Width, c.Expected.Width);
    EXPECT_EQ(box.Height, c.Expected.Height);
  }
}

struct MapCase {
  int WindowX, WindowY;
  int PictureX, PictureY;
};

TEST(Letterbox, MapsWindowPositionsOntoThePictureWithoutClamping) {
  // 1920 x 1080: the picture is 1440 x 1080 from x 240, 1.8 window pixels per picture pixel
  const TLetterbox box = FitPicture(1920, 1080, PictureWidth, PictureHeight);
  const MapCase cases[] = {
      {240, 0, 0, 0},          // top-left pixel of the picture
      {1679, 1079, 799, 599},  // bottom-right pixel
      {960, 540, 400, 300},    // centre
      {239, 540, -1, 300},     // just left of the picture: outside, not column 0
      {0, 540, -134, 300},     // far left on the bar
      {1680, 540, 800, 300},   // just right of the picture
      {1919, 540, 932, 300},   // far right on the bar
      {-5, -5, -137, -3},      // outside the window altogether
  };
  for (const MapCase& c : cases) {
    const TPicturePoint p = WindowToPicture(box, PictureWidth, PictureHeight, c.WindowX, c.WindowY);
    SCOPED_TRACE(testing::Message() << c.WindowX << ", " << c.WindowY);
    EXPECT_EQ(p.X, c.PictureX);
    EXPECT_EQ(p.Y, c.PictureY);
  }
}

TEST(Letterbox, EmptyBoxLeavesPositionsAsTheyAre) {
  const TPicturePoint p = WindowToPicture(TLetterbox{}, PictureWidth, PictureHeight, 17, -3);
  EXPECT_EQ(p.X, 17);
  EXPECT_EQ(p.Y, -3);
}

}  // namespace
