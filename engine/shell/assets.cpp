// Pictures: loading the 13 bitmaps into their sheets, finding the art folder, and the frame grid.
#include "engine/shell/assets.h"

#include <filesystem>

#include "engine/world/pool.h"

namespace {

// The sheets, owned here for the whole run: six fonts, the floor and six object sheets.
std::array<PictureSurface, AssetFileCount> Sheets;
std::string ExecutableDir;

enum : int {
  FontOne,
  FontSix,
  FontSeven,
  FontTwo,
  FontThree,
  FontFour,
  Floor,
  Layout,
  Buttons,
  Fields,
  Shadows,
  Stones,
  Explosions
};

}  // namespace

const std::array<TAssetFile, AssetFileCount> AssetFiles = {{
    {"res/schriftz/font1gruen.bmp", true},
    {"res/schriftz/font1dgruen.bmp", true},
    {"res/schriftz/font1.bmp", true},
    {"res/schriftz/font2gruen.bmp", true},
    {"res/schriftz/font3.bmp", true},
    {"res/schriftz/font5.bmp", true},
    {"res/fboden/fliesenm.bmp", false},
    {"res/layouts/layout2.bmp", false},
    {"res/layouts/knoepfe2.bmp", false},
    {"res/steine/felderm.bmp", false},
    {"res/steine/schatten.bmp", true},
    {"res/steine/steinem.bmp", false},
    {"res/effekte/expl.bmp", false},
}};

PictureSurface* FontSheet(int font) {
  if (Sheets[FontOne].Empty()) return nullptr;
  switch (font) {
    case 1:
      return &Sheets[FontOne];
    case 2:
      return &Sheets[FontTwo];
    case 3:
      return &Sheets[FontThree];
    case 4:
      return &Sheets[FontFour];
    case 6:
      return &Sheets[FontSix];
    case 7:
      return &Sheets[FontSeven];
    default:
      return nullptr;
  }
}

void LoadAssets() {
  for (int i = 0; i < AssetFileCount; ++i) {
    Sheets[i].LoadFromFile(FindResource(AssetFiles[i].Path));
    if (AssetFiles[i].MagentaKey) Sheets[i].SetTransparentColour(255, 0, 255);
  }
  FloorSheet = &Sheets[Floor];
  SheetTable[KindLayout][1] = &Sheets[Layout];
  SheetTable[KindButton][1] = &Sheets[Buttons];
  SheetTable[KindBoard][SubKindField] = &Sheets[Fields];
  SheetTable[KindBoard][SubKindShadow] = &Sheets[Shadows];
  SheetTable[KindBoard][SubKindStone] = &Sheets[Stones];
  SheetTable[KindExplosion][1] = &Sheets[Explosions];
}

void SetExecutablePath(std::string_view path) {
  ExecutableDir = std::filesystem::path(path).parent_path().string();
}

std::string FindResource(std::string_view relativePath) {
  namespace fs = std::filesystem;
  const fs::path relative(relativePath);
  std::error_code error;
  for (const fs::path& base :
       {fs::path("."), fs::path(ExecutableDir), fs::path(TARVOLIN_DATA_DIR)}) {
    if (base.empty()) continue;
    const fs::path candidate = base / relative;
    if (fs::exists(candidate, error)) return candidate.lexically_normal().string();
  }
  return std::string(relativePath);
}
