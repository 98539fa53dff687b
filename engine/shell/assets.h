// Pictures: the 13 bitmaps read once on the load tick, the table through which a pool object
// finds its sheet, and the frame grid that cuts a sheet into pictures.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/surface.h"

inline constexpr int SheetKinds = 11;
inline constexpr int SheetSubKinds = 20;

// SheetTable[Kind][SubKind]; nullptr where no sheet belongs.
inline std::array<std::array<PictureSurface*, SheetSubKinds + 1>, SheetKinds + 1> SheetTable{};
inline PictureSurface* FloorSheet = nullptr;

// The sheet of a font number (1, 2, 3, 4, 6, 7); nullptr for any other number or before loading.
PictureSurface* FontSheet(int font);

// One file of the load list: its path under the art folder and its transparent colour.
struct TAssetFile {
  std::string_view Path;  // for example "res/steine/felderm.bmp"
  bool MagentaKey;        // magenta (255, 0, 255); otherwise black
};
inline constexpr int AssetFileCount = 13;
extern const std::array<TAssetFile, AssetFileCount> AssetFiles;

// Loads the 13 bitmaps in their order. Throws BitmapError naming the first file that is missing
// or unreadable; the files after it are not loaded.
void LoadAssets();

// Where a file of the art folder lies: the working directory first, then beside the executable,
// then the installed data directory. Returns the first candidate that exists, or relativePath.
std::string FindResource(std::string_view relativePath);
// Tells FindResource where the executable lies (the platform calls it with argv[0]).
void SetExecutablePath(std::string_view path);

// The frame grid: one edge of an object's source rectangle in its sheet (right, bottom exclusive).
int16_t FrameLeft(int16_t kind, int16_t subKind, int16_t frame, int16_t picture);
int16_t FrameRight(int16_t kind, int16_t subKind, int16_t frame, int16_t picture);
int16_t FrameTop(int16_t kind, int16_t subKind, int16_t frame, int16_t picture);
int16_t FrameBottom(int16_t kind, int16_t subKind, int16_t frame, int16_t picture);
