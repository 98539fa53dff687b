// artgen: draws every picture of the game and writes them as BMP files under OUTDIR/res, or
// lays them all out on one enlarged PNG contact sheet for looking at them.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "tools/artgen/preview.h"
#include "tools/artgen/sheets.h"

namespace {

int WriteAllSheets(const std::filesystem::path& outDir) {
  for (const TSheet& sheet : Sheets) {
    const std::filesystem::path path = outDir / sheet.Path;
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    if (!WriteBmp(sheet.Paint(), path.string())) {
      std::fprintf(stderr, "artgen: cannot write %s\n", path.string().c_str());
      return 1;
    }
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--preview") == 0) return WritePreview(argv[2]) ? 0 : 1;
  if (argc != 2) {
    std::fprintf(stderr, "usage: artgen OUTDIR | artgen --preview FILE.png\n");
    return 2;
  }
  return WriteAllSheets(argv[1]);
}
