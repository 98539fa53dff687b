// The runner's state file: a small JSON writer and the list of what the state holds, in the
// order a reader of a bug report looks for it.
#include "app/runner_state.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string_view>
#include <vector>

#include "engine/globals.h"
#include "engine/rules/game.h"
#include "engine/rules/popups.h"
#include "engine/rules/settling.h"
#include "engine/rules/store.h"
#include "engine/shell/drawing.h"
#include "engine/shell/form.h"
#include "engine/shell/lighting.h"
#include "engine/ui/text.h"
#include "engine/ui/winner_entry.h"
#include "engine/world/pool.h"

namespace {

// Unicode code points of Windows-1252 bytes 0x80..0x9F; the five bytes the code page leaves
// open keep their C1 control code point.
constexpr std::array<char16_t, 32> W1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, unsigned code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// A JSON text written front to back; commas are placed by the writer, not by its callers.
class TJsonWriter {
 public:
  void BeginObject() { Open('{'); }
  void EndObject() { Close('}'); }
  void BeginArray() { Open('['); }
  void EndArray() { Close(']'); }
  // Top-level keys start a new line, so the file reads one value per line.
  void Key(std::string_view name) {
    Separate();
    if (first_.size() == 1) text_ += '\n';
    text_ += '"';
    text_ += name;
    text_ += "\":";
    afterKey_ = true;
  }
  void Number(int64_t value) {
    Separate();
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    text_.append(digits, result.ptr);
  }
  // JSON has no NaN or infinity; such a value is written as null.
  void Number(double value) {
    Separate();
    if (!std::isfinite(value)) {
      text_ += "null";
      return;
    }
    char digits[32];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    text_.append(digits, result.ptr);
  }
  // A game string: Windows-1252 bytes, written as UTF-8 with JSON escapes.
  void String(std::string_view bytes) {
    Separate();
    text_ += '"';
    for (const char c : bytes) AppendEscaped(static_cast<unsigned char>(c));
    text_ += '"';
  }
  template <typename T>
  void Field(std::string_view name, T value) {
    Key(name);
    Number(static_cast<int64_t>(value));
  }
  // An array the game indexes first..last, written from first.
  template <typename Table>
  void Numbers(const Table& table, int first, int last) {
    BeginArray();
    for (int i = first; i <= last; ++i) Number(static_cast<int64_t>(table[i]));
    EndArray();
  }
  template <typename Table>
  void NumberArray(std::string_view name, const Table& table, int first, int last) {
    Key(name);
    Numbers(table, first, last);
  }
  const std::string& Text() const { return text_; }

 private:
  void Open(char bracket) {
    Separate();
    text_ += bracket;
    first_.push_back(true);
  }
  void Close(char bracket) {
    first_.pop_back();
    if (first_.empty()) text_ += '\n';
    text_ += bracket;
  }
  // A value after a key follows it directly; any other value after a sibling needs a comma.
  void Separate() {
    if (afterKey_) {
      afterKey_ = false;
      return;
    }
    if (first_.empty()) return;
    if (!first_.back()) text_ += ',';
    first_.back() = false;
  }
  void AppendEscaped(unsigned byte) {
    switch (byte) {
      case '"':
        text_ += "\\\"";
        return;
      case '\\':
        text_ += "\\\\";
        return;
      case '\n':
        text_ += "\\n";
        return;
      case '\r':
        text_ += "\\r";
        return;
      case '\t':
        text_ += "\\t";
        return;
      default:
        break;
    }
    if (byte < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", byte);
      text_ += escape;
    } else if (byte >= 0x80 && byte < 0xA0) {
      AppendUtf8(text_, W1252High[byte - 0x80]);
    } else {
      AppendUtf8(text_, byte);  // ASCII and 0xA0..0xFF are Latin-1, the same code points
    }
  }

  std::string text_;
  std::vector<bool> first_;  // per open bracket: no value written in it yet
  bool afterKey_ = false;
};

void WriteScalars(TJsonWriter& json) {
  json.Field("TickCount", TickCount);
  json.Field("Screen", Screen);
  json.Field("GameMode", GameMode);
  json.Field("GameRunning", GameRunning);
  json.Field("GameEnded", GameEnded);
  json.Field("Score", Score);
  json.Field("Kills", Kills);
  json.Field("StonesPlaced", StonesPlaced);
  json.Field("NewPlace", NewPlace);
  json.Field("WinnerInserted", WinnerInserted);
  json.Key("PlayerName");
  json.String(PlayerName.View());
  json.Field("NameLength", NameLength);
  json.Field("SoundOn", SoundOn);
  json.Field("SoundLevel", SoundLevel);
  json.Field("LightLevel", LightLevel);
  json.Field("DialogOpen", DialogOpen);
  json.Field("QuitRequested", QuitRequested);
  json.Field("MouseX", MouseX);
  json.Field("MouseY", MouseY);
  json.Field("LeftButton", LeftButton);
  json.Field("RightButton", RightButton);
  json.Field("Clicked", Clicked);
  json.Field("CurrentRow", CurrentRow);
  json.Field("CountdownStart", CountdownStart);
  json.Field("CountdownStartTimer", CountdownStartTimer);
  json.Field("StaticCount", StaticCount);
  json.Field("ShakeAmount", ShakeAmount);
  json.Field("FloorTileCount", FloorTileCount);
  json.Field("TextCount", TextCount);
  json.Field("LightCount", LightCount);
  json.Field("ScreenWidth", ScreenWidth);
  json.Field("ScreenHeight", ScreenHeight);
  json.Field("GroupCount", GroupCount);
}

void WriteStore(TJsonWriter& json) {
  json.NumberArray("RowCountdown", RowCountdown, 1, StoreRowCount);
  json.Key("StoreStones");
  json.BeginArray();
  for (int row = 1; row <= StoreRowCount; ++row) json.Numbers(StoreStones[row], 1, 3);
  json.EndArray();
  json.NumberArray("CarriedStones", CarriedStones, 1, 3);
  json.NumberArray("FillBonusGiven", FillBonusGiven, 1,
                   static_cast<int>(FillBonusGiven.size()) - 1);
}

void WriteWinners(TJsonWriter& json) {
  json.Key("WinnerNames");
  json.BeginArray();
  for (int mode = 1; mode <= GameTypeCount; ++mode) {
    json.BeginArray();
    for (int place = 1; place <= WinnerPlaces; ++place)
      json.String(WinnerNames[mode][place].View());
    json.EndArray();
  }
  json.EndArray();
  json.Key("WinnerScores");
  json.BeginArray();
  for (int mode = 1; mode <= GameTypeCount; ++mode) {
    json.Numbers(WinnerScores[mode], 1, WinnerPlaces);
  }
  json.EndArray();
}

void WriteFloor(TJsonWriter& json) {
  const int tiles = std::clamp(FloorTileCount, 0, FloorTileCapacity);
  json.NumberArray("TileBrightness", TileBrightness, 1, tiles);
  json.NumberArray("TilePattern", TilePattern, 1, tiles);
}

void WriteObjects(TJsonWriter& json) {
  json.Key("Objects");
  json.BeginArray();
  for (int id = 1; id <= PoolCapacity; ++id) {
    if (Pool.Active[id] < 1) continue;
    json.BeginObject();
    json.Field("Id", id);
    json.Field("Kind", Pool.Kind[id]);
    json.Field("SubKind", Pool.SubKind[id]);
    json.Field("Picture", Pool.Picture[id]);
    json.Field("X", Pool.X[id]);
    json.Field("Y", Pool.Y[id]);
    json.Field("Layer", Pool.Layer[id]);
    json.Field("Frame", Pool.Frame[id]);
    json.Field("Width", Pool.Width[id]);
    json.Field("Height", Pool.Height[id]);
    json.Field("Tag", Pool.Tag[id]);
    json.Field("FieldStone", Pool.FieldStone[id]);
    json.Field("RestColour", Pool.RestColour[id]);
    json.Field("ExplodeMark", Pool.ExplodeMark[id]);
    json.NumberArray("Neighbour", Pool.Neighbour[id], DirBelow, DirBelowRight);
    json.EndObject();
  }
  json.EndArray();
}

void WriteTextQueue(TJsonWriter& json) {
  json.Key("TextQueue");
  json.BeginArray();
  const int count = std::clamp(TextCount, 0, TextQueueCapacity);
  for (int i = 1; i <= count; ++i) {
    json.BeginObject();
    json.Field("Glyph", TextQueue.Glyph[i]);
    json.Field("X", TextQueue.GlyphX[i]);
    json.Field("Y", TextQueue.GlyphY[i]);
    json.Field("Font", TextQueue.Font[i]);
    json.Field("AddStrength", TextQueue.AddStrength[i]);
    json.EndObject();
  }
  json.EndArray();
}

void WriteLights(TJsonWriter& json) {
  json.Key("Lights");
  json.BeginArray();
  const int count = std::clamp(LightCount, 0, LightCapacity);
  for (int i = 1; i <= count; ++i) {
    json.BeginObject();
    json.Field("X", LightX[i]);
    json.Field("Y", LightY[i]);
    json.Key("Power");
    json.Number(LightPower[i]);
    json.EndObject();
  }
  json.EndArray();
}

void WriteSounds(TJsonWriter& json, const HeadlessBackend& backend) {
  json.Key("Sounds");
  json.BeginArray();
  for (const HeadlessBackend::TPlay& play : backend.Plays()) {
    json.BeginObject();
    json.Key("Name");
    json.String(play.Name);
    json.Field("Volume", play.Volume);
    json.Field("Pan", play.Pan);
    json.EndObject();
  }
  json.EndArray();
}

void WritePopups(TJsonWriter& json) {
  json.Key("Popups");
  json.BeginArray();
  for (int slot = 1; slot <= PopupCapacity; ++slot) {
    if (PopupLife[slot] <= 0) continue;
    json.BeginObject();
    json.Field("Slot", slot);
    json.Field("X", PopupX[slot]);
    json.Field("Y", PopupY[slot]);
    json.Field("Font", PopupFont[slot]);
    json.Key("Text");
    json.String(PopupText[slot].View());
    json.Field("Life", PopupLife[slot]);
    json.EndObject();
  }
  json.EndArray();
}

}  // namespace

bool WriteStateJson(const std::string& path, const HeadlessBackend& backend) {
  TJsonWriter json;
  json.BeginObject();
  WriteScalars(json);
  WriteStore(json);
  WriteWinners(json);
  WriteFloor(json);
  WriteObjects(json);
  WriteTextQueue(json);
  WriteLights(json);
  WriteSounds(json, backend);
  WritePopups(json);
  json.EndObject();

  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const std::string& text = json.Text();
  const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size() &&
                       std::fputc('\n', file) != EOF;
  return std::fclose(file) == 0 && written;
}
