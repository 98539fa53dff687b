// Bitmap font text: glyph tables and the text queue.
#include "engine/ui/text.h"

void QueueText(int, int, int, int, std::string_view) {}
int16_t SmallFontGlyph(unsigned char) { return 0; }
int16_t LargeFontGlyph(unsigned char) { return 0; }
int FontCellSize(int) { return 0; }
int FontAdvance(int) { return 0; }
void ResetTextQueue() {
  TextCount = 0;
  TextQueue.Glyph.fill(-1);
}
