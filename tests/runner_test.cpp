// The headless runner, run as its own program on scripts in a scratch folder: exit codes and
// messages, the state file read back as JSON, the frames read back as PNG, and the bot.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/stb.h"

namespace {

namespace fs = std::filesystem;

const fs::path RunnerPath = TARVOLIN_BUILD_DIR "/tarvolin-headless";

// ---------------------------------------------------------------------------------------------
// A small JSON reader: enough to read the state file back and to reject a malformed one.

struct TJson {
  enum class TType { Null, Number, String, Array, Object };
  TType Type = TType::Null;
  double Number = 0;
  std::string Text;  // UTF-8
  std::vector<TJson> Items;
  std::vector<std::pair<std::string, TJson>> Fields;  // in file order

  bool Has(std::string_view key) const {
    for (const auto& field : Fields) {
      if (field.first == key) return true;
    }
    return false;
  }
  const TJson& operator[](std::string_view key) const {
    for (const auto& field : Fields) {
      if (field.first == key) return field.second;
    }
    throw std::runtime_error("no key " + std::string(key));
  }
  const TJson& operator[](size_t index) const { return Items.at(index); }
  int Int() const { return static_cast<int>(Number); }
};

class TJsonReader {
 public:
  explicit TJsonReader(std::string text) : text_(std::move(text)) {}

  TJson Read() {
    TJson value = Value();
    SkipSpace();
    if (at_ != text_.size()) Fail("text after the value");
    return value;
  }

 private:
  [[noreturn]] void Fail(const std::string& what) const {
    throw std::runtime_error("JSON: " + what + " at byte " + std::to_string(at_));
  }
  void SkipSpace() {
    while (at_ < text_.size() &&
           std::string_view(" \t\r\n").find(text_[at_]) != std::string_view::npos) {
      ++at_;
    }
  }
  char Peek() {
    SkipSpace();
    if (at_ == text_.size()) Fail("unexpected end");
    return text_[at_];
  }
  void Expect(char c) {
    if (Peek() != c) Fail(std::string("expected ") + c);
    ++at_;
  }
  TJson Value() {
    const char c = Peek();
    TJson value;
    if (c == '{') {
      value.Type = TJson::TType::Object;
      ++at_;
      while (Peek() != '}') {
        if (!value.Fields.empty()) Expect(',');
        std::string key = String();
        Expect(':');
        value.Fields.emplace_back(std::move(key), Value());
      }
      ++at_;
    } else if (c == '[') {
      value.Type = TJson::TType::Array;
      ++at_;
      while (Peek() != ']') {
        if (!value.Items.empty()) Expect(',');
        value.Items.push_back(Value());
      }
      ++at_;
    } else if (c == '"') {
      value.Type = TJson::TType::String;
      value.Text = String();
    } else if (text_.compare(at_, 4, "null") == 0) {
      at_ += 4;
    } else {
      value.Type = TJson::TType::Number;
      const char* start = text_.c_str() + at_;
      char* end = nullptr;
      value.Number = std::strtod(start, &end);
      if (end == start) Fail("expected a value");
      at_ += static_cast<size_t>(end - start);
    }
    return value;
  }
  std::string String() {
    Expect('"');
    std::string out;
    while (true) {
      if (at_ >= text_.size()) Fail("unterminated string");
      const auto c = static_cast<unsigned char>(text_[at_++]);
      if (c == '"') return out;
      if (c < 0x20) Fail("raw control character in a string");
      if (c != '\\') {
        out += static_cast<char>(c);
        continue;
      }
      const char escape = text_.at(at_++);
      switch (escape) {
        case '"':
        case '\\':
        case '/':
          out += escape;
          break;
        case 'n':
          out += '\n';
          break;
        case 't':
          out += '\t';
          break;
        case 'r':
          out += '\r';
          break;
        case 'b':
          out += '\b';
          break;
        case 'f':
          out += '\f';
          break;
        case 'u': {
          const unsigned code =
              static_cast<unsigned>(std::stoul(text_.substr(at_, 4), nullptr, 16));
          at_ += 4;
          if (code >= 0x80) Fail("the runner escapes only control characters");
          out += static_cast<char>(code);
          break;
        }
        default:
          Fail("bad escape");
      }
    }
  }

  std::string text_;
  size_t at_ = 0;
};

// ---------------------------------------------------------------------------------------------
// Running the runner in a scratch folder of its own.

struct TRun {
  int Exit = -1;
  std::string Errors;
};

int ExitStatus(int status) {
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string ReadFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

class RunnerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    dir_ = fs::temp_directory_path() / ("tarvolin-runner-" + std::to_string(getpid()) + "-" + name +
                                        "-" + std::to_string(++runs_));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  fs::path Path(const std::string& name) const { return dir_ / name; }
  void Write(const std::string& name, std::string_view bytes) const {
    std::ofstream(Path(name), std::ios::binary) << bytes;
  }

  // Runs the script with the scratch folder as the working directory.
  TRun Run(std::string_view script, const fs::path& runner = RunnerPath) const {
    Write("script.txt", script);
    const std::string command = "cd '" + dir_.string() + "' && '" + runner.string() +
                                "' script.txt >/dev/null 2>errors.txt";
    TRun run;
    run.Exit = ExitStatus(std::system(command.c_str()));
    run.Errors = ReadFile(Path("errors.txt"));
    return run;
  }

  TJson State(const std::string& name) const { return TJsonReader(ReadFile(Path(name))).Read(); }

  fs::path dir_;
  static inline int runs_ = 0;
};

// A PNG read back: width, height, channels in the file, and its RGB bytes.
struct TPicture {
  int Width = 0;
  int Height = 0;
  int Channels = 0;
  std::vector<unsigned char> Rgb;

  bool AllBlack() const {
    for (const unsigned char byte : Rgb) {
      if (byte != 0) return false;
    }
    return true;
  }
};

TPicture ReadPng(const fs::path& path) {
  TPicture picture;
  unsigned char* pixels =
      stbi_load(path.c_str(), &picture.Width, &picture.Height, &picture.Channels, 3);
  if (pixels == nullptr) return picture;
  picture.Rgb.assign(pixels, pixels + static_cast<size_t>(picture.Width) * picture.Height * 3);
  stbi_image_free(pixels);
  return picture;
}

// ---------------------------------------------------------------------------------------------
// A good script

TEST_F(RunnerTest, GoodScriptWritesTheFirstFramesAndTheState) {
  const TRun run =
      Run("# the first full frame\n"
          "seed 1\n"
          "\n"
          "run-to 6\n"
          "frame a.png   # still warming up\n"
          "\trun-to  11\n"
          "state s.json\n"
          "frame b.png\n");
  ASSERT_EQ(run.Exit, 0) << run.Errors;
  EXPECT_EQ(run.Errors, "");

  const TPicture warmUp = ReadPng(Path("a.png"));
  EXPECT_EQ(warmUp.Width, 800);
  EXPECT_EQ(warmUp.Height, 600);
  EXPECT_EQ(warmUp.Channels, 3);
  EXPECT_TRUE(warmUp.AllBlack());

  const TPicture first = ReadPng(Path("b.png"));
  EXPECT_EQ(first.Width, 800);
  EXPECT_EQ(first.Height, 600);
  EXPECT_EQ(first.Channels, 3);
  EXPECT_FALSE(first.AllBlack());

  const TJson state = State("s.json");
  EXPECT_EQ(state["TickCount"].Int(), 11);
  EXPECT_EQ(state["Screen"].Int(), 1);
  EXPECT_EQ(state["GameMode"].Int(), 3);
}

TEST_F(RunnerTest, StateHoldsEveryFieldInItsShape) {
  ASSERT_EQ(Run("seed 1\nrun-to 11\nstate s.json\n").Exit, 0);
  const TJson state = State("s.json");

  for (const char* scalar :
       {"TickCount",   "Screen",         "GameMode",       "GameRunning",
        "GameEnded",   "Score",          "Kills",          "StonesPlaced",
        "NewPlace",    "WinnerInserted", "NameLength",     "SoundOn",
        "SoundLevel",  "LightLevel",     "DialogOpen",     "QuitRequested",
        "MouseX",      "MouseY",         "LeftButton",     "RightButton",
        "Clicked",     "CurrentRow",     "CountdownStart", "CountdownStartTimer",
        "StaticCount", "ShakeAmount",    "FloorTileCount", "TextCount",
        "LightCount"}) {
    ASSERT_TRUE(state.Has(scalar)) << scalar;
    EXPECT_EQ(state[scalar].Type, TJson::TType::Number) << scalar;
  }
  EXPECT_EQ(state["PlayerName"].Type, TJson::TType::String);

  // arrays the game indexes from 1, written from their first index
  EXPECT_EQ(state["RowCountdown"].Items.size(), 14u);
  EXPECT_EQ(state["RowCountdown"][0].Int(), 130);
  ASSERT_EQ(state["StoreStones"].Items.size(), 14u);
  for (const TJson& row : state["StoreStones"].Items) EXPECT_EQ(row.Items.size(), 3u);
  EXPECT_EQ(state["CarriedStones"].Items.size(), 3u);
  EXPECT_EQ(state["FillBonusGiven"].Items.size(), 13u);
  ASSERT_EQ(state["WinnerNames"].Items.size(), 8u);
  ASSERT_EQ(state["WinnerScores"].Items.size(), 8u);
  for (int mode = 0; mode < 8; ++mode) {
    ASSERT_EQ(state["WinnerNames"][mode].Items.size(), 5u);
    EXPECT_EQ(state["WinnerNames"][mode][0].Type, TJson::TType::String);
    EXPECT_EQ(state["WinnerScores"][mode].Items.size(), 5u);
  }
  const size_t tiles = static_cast<size_t>(state["FloorTileCount"].Int());
  EXPECT_GT(tiles, 0u);
  EXPECT_EQ(state["TileBrightness"].Items.size(), tiles);
  EXPECT_EQ(state["TilePattern"].Items.size(), tiles);
  EXPECT_EQ(state["TextQueue"].Items.size(), static_cast<size_t>(state["TextCount"].Int()));
  EXPECT_EQ(state["TextQueue"][0].Fields.size(), 5u);
  ASSERT_EQ(state["Lights"].Items.size(), static_cast<size_t>(state["LightCount"].Int()));
  EXPECT_EQ(state["Lights"][0]["Power"].Type, TJson::TType::Number);
  EXPECT_EQ(state["Sounds"].Type, TJson::TType::Array);
  EXPECT_EQ(state["Popups"].Type, TJson::TType::Array);

  // game type 3 with no dialog: slots 1..14 and 21..StaticCount are live, in ascending order
  const std::vector<TJson>& objects = state["Objects"].Items;
  ASSERT_EQ(objects.size(), 14u + static_cast<size_t>(state["StaticCount"].Int() - 20));
  int previous = 0;
  for (const TJson& object : objects) {
    EXPECT_GT(object["Id"].Int(), previous);
    previous = object["Id"].Int();
    EXPECT_EQ(object.Fields.size(), 15u);
    EXPECT_EQ(object["Neighbour"].Items.size(), 6u);
  }
  EXPECT_EQ(objects.back()["Id"].Int(), state["StaticCount"].Int());
}

// Neighbour direction 1 is the field below: the first element of the array, 24 px further down.
TEST_F(RunnerTest, NeighbourLinksAreWrittenFromDirectionOne) {
  ASSERT_EQ(Run("seed 1\nrun-to 11\nstate s.json\n").Exit, 0);
  const TJson state = State("s.json");
  std::vector<const TJson*> byId(1000, nullptr);
  for (const TJson& object : state["Objects"].Items) byId.at(object["Id"].Int()) = &object;
  int linksBelow = 0;
  for (const TJson& object : state["Objects"].Items) {
    const int below = object["Neighbour"][0].Int();
    if (below == 0) continue;
    ASSERT_NE(byId.at(below), nullptr);
    EXPECT_EQ((*byId[below])["X"].Int(), object["X"].Int());
    EXPECT_EQ((*byId[below])["Y"].Int(), object["Y"].Int() + 24);
    ++linksBelow;
  }
  EXPECT_GT(linksBelow, 0);
}

// Game strings are Windows-1252: the winners file's bytes come out as UTF-8 with JSON escapes.
TEST_F(RunnerTest, StringsAreConvertedToUtf8AndEscaped) {
  std::string winners(976, '\0');
  const std::string name = "J\xD6\"\\\x80\t";  // J, Ö, quote, backslash, euro sign, tab
  winners[0] = static_cast<char>(name.size());
  winners.replace(1, name.size(), name);
  winners[12] = 42;
  Write("ruzev.dat", winners);

  ASSERT_EQ(Run("run-to 11\nstate s.json\n").Exit, 0);
  const TJson state = State("s.json");
  EXPECT_EQ(state["WinnerNames"][0][0].Text, "J\xC3\x96\"\\\xE2\x82\xAC\t");
  EXPECT_EQ(state["WinnerScores"][0][0].Int(), 42);
}

// ---------------------------------------------------------------------------------------------
// Mouse events reach the handlers between ticks, in script order

struct TMouseCase {
  const char* Events;
  int MouseX, MouseY, LeftButton, RightButton, Clicked, SoundOn;
};

TEST_F(RunnerTest, MouseEventsReachTheHandlers) {
  const TMouseCase cases[] = {
      {"", 400, 300, 0, 0, 0, 1},
      {"move 100 -20", 100, -20, 0, 0, 0, 1},
      {"press left", 400, 300, 1, 0, 0, 1},
      {"press left\nrelease left", 400, 300, 0, 0, 1, 1},
      {"release left", 400, 300, 0, 0, 0, 1},  // no press before it: no click
      {"press left\nrelease left\nrelease left", 400, 300, 0, 0, 1, 1},
      {"press right\nrelease right", 400, 300, 0, 0, 0, 1},
      {"press right", 400, 300, 0, 1, 0, 1},
      {"press middle\nrelease middle", 400, 300, 0, 0, 0, 1},
      {"press left ctrl", 400, 300, 0, 0, 0, 0},
      {"press left ctrl\nrelease left", 400, 300, 0, 0, 1, 0},
      {"press left ctrl\npress left ctrl", 400, 300, 0, 0, 0, 1},
      {"click 30 40", 30, 40, 0, 0, 1, 1},
      {"press left\ntick", 400, 300, 1, 0, 0, 1},
      {"click 30 40\ntick", 30, 40, 0, 0, 0, 1},  // the tick has seen the click and cleared it
  };
  for (const TMouseCase& c : cases) {
    SCOPED_TRACE(c.Events);
    const TRun run = Run("seed 1\nrun-to 11\n" + std::string(c.Events) + "\nstate s.json\n");
    ASSERT_EQ(run.Exit, 0) << run.Errors;
    const TJson state = State("s.json");
    EXPECT_EQ(state["MouseX"].Int(), c.MouseX);
    EXPECT_EQ(state["MouseY"].Int(), c.MouseY);
    EXPECT_EQ(state["LeftButton"].Int(), c.LeftButton);
    EXPECT_EQ(state["RightButton"].Int(), c.RightButton);
    EXPECT_EQ(state["Clicked"].Int(), c.Clicked);
    EXPECT_EQ(state["SoundOn"].Int(), c.SoundOn);
  }
}

// Pressing START and waiting: the first store row fills in the 131st frame of the game, and the
// state of that tick lists its sound; the next tick's state lists none.
TEST_F(RunnerTest, SoundsAreThoseOfTheLastTick) {
  const TRun run =
      Run("seed 1\nrun-to 11\n"
          "move 51 200\npress left\ntick\nrelease left\n"
          "tick 130\nstate before.json\n"
          "tick\nstate filled.json\n"
          "tick\nstate after.json\n");
  ASSERT_EQ(run.Exit, 0) << run.Errors;

  EXPECT_TRUE(State("before.json")["Sounds"].Items.empty());
  const TJson filled = State("filled.json");
  ASSERT_EQ(filled["Sounds"].Items.size(), 1u);
  EXPECT_EQ(filled["Sounds"][0]["Name"].Text, "ploing2.WAV");
  EXPECT_EQ(filled["Sounds"][0]["Volume"].Type, TJson::TType::Number);
  EXPECT_EQ(filled["Sounds"][0]["Pan"].Type, TJson::TType::Number);
  EXPECT_TRUE(State("after.json")["Sounds"].Items.empty());

  // row 4 is the fourth element; its stones are live objects standing at the row's x
  const TJson& row4 = filled["StoreStones"][3];
  for (int slot = 0; slot < 3; ++slot) {
    const int id = row4[slot].Int();
    ASSERT_GT(id, 0);
    bool found = false;
    for (const TJson& object : filled["Objects"].Items) {
      if (object["Id"].Int() != id) continue;
      found = true;
      EXPECT_EQ(object["SubKind"].Int(), 3);
      EXPECT_EQ(object["X"].Int(), 240);
    }
    EXPECT_TRUE(found) << id;
  }
  EXPECT_EQ(filled["StoreStones"][4][0].Int(), 0);
}

// ---------------------------------------------------------------------------------------------
// Seeds

TEST_F(RunnerTest, SeedIsTakenUntilTheLoadTickHasRun) {
  ASSERT_EQ(Run("run-to 10\nseed 7\nrun-to 11\nstate late.json\n").Exit, 0);
  ASSERT_EQ(Run("seed 7\nrun-to 11\nstate early.json\n").Exit, 0);
  ASSERT_EQ(Run("seed 8\nrun-to 11\nstate other.json\n").Exit, 0);
  // the floor's pattern is drawn from Random on the load tick
  const TJson early = State("early.json");
  EXPECT_EQ(State("late.json")["TilePattern"].Items.size(), early["TilePattern"].Items.size());
  EXPECT_EQ(ReadFile(Path("late.json")), ReadFile(Path("early.json")));
  EXPECT_NE(ReadFile(Path("other.json")), ReadFile(Path("early.json")));
}

// ---------------------------------------------------------------------------------------------
// Bad lines: exit 2, the message names the line, the lines before it ran and nothing after it.

struct TBadLineCase {
  const char* Before;  // lines that run first
  const char* Line;
  const char* Message;  // part of the message
};

int LineCount(std::string_view text) {
  int count = 0;
  for (const char c : text) count += c == '\n' ? 1 : 0;
  return count;
}

TEST_F(RunnerTest, BadLineStopsTheScriptAndIsNamed) {
  const char* ready = "seed 1\nrun-to 11\nstate before.json\n";
  const TBadLineCase cases[] = {
      {ready, "jump 3", "unknown command"},
      {ready, "Tick", "unknown command"},
      {ready, "seed 2", "seed"},
      {"run-to 11\nstate before.json\n", "seed 1", "seed"},
      {ready, "run-to 5", "below"},
      {ready, "tick x", "not a decimal integer"},
      {ready, "tick 1x", "not a decimal integer"},
      {ready, "tick +1", "not a decimal integer"},
      {ready, "tick -1", "out of range"},
      {ready, "tick 99999999999999999999", "out of range"},
      {ready, "click 1 2.5", "not a decimal integer"},
      {ready, "tick 1 2", "too many"},
      {ready, "press left ctrl now", "too many"},
      {ready, "move 5", "missing"},
      {ready, "state", "missing"},
      {ready, "press top", "unknown mouse button"},
      {ready, "press left shift", "ctrl"},
      {ready, "release", "missing"},
      {ready, "bot", "missing"},
      {ready, "state no/such/folder/s.json", "cannot write"},
      {"state before.json\n", "seed -1", "out of range"},
  };
  for (const TBadLineCase& c : cases) {
    SCOPED_TRACE(c.Line);
    fs::remove(Path("before.json"));
    fs::remove(Path("after.json"));
    const TRun run = Run(std::string(c.Before) + c.Line + "\nstate after.json\n");
    EXPECT_EQ(run.Exit, 2);
    EXPECT_NE(run.Errors.find("line " + std::to_string(LineCount(c.Before) + 1) + ":"),
              std::string::npos)
        << run.Errors;
    EXPECT_NE(run.Errors.find(c.Message), std::string::npos) << run.Errors;
    EXPECT_TRUE(fs::exists(Path("before.json")));
    EXPECT_FALSE(fs::exists(Path("after.json")));
  }
}

TEST_F(RunnerTest, BadFirstLineRunsNothing) {
  const TRun run = Run("frobnicate\nstate s.json\n");
  EXPECT_EQ(run.Exit, 2);
  EXPECT_NE(run.Errors.find("line 1:"), std::string::npos) << run.Errors;
  EXPECT_FALSE(fs::exists(Path("s.json")));
}

TEST_F(RunnerTest, ScriptIsReadFromStandardInput) {
  const std::string command = "cd '" + dir_.string() + "' && '" + RunnerPath.string() + "' -";
  FILE* runner = popen(command.c_str(), "w");
  ASSERT_NE(runner, nullptr);
  std::fputs("seed 1\nrun-to 12\nstate s.json\n", runner);
  EXPECT_EQ(ExitStatus(pclose(runner)), 0);
  EXPECT_EQ(State("s.json")["TickCount"].Int(), 12);
}

// A copy of the runner in an empty folder finds no art: the game's message, exit 1.
TEST_F(RunnerTest, MissingPictureStopsTheStartWithTheGamesMessage) {
  const fs::path lonely = Path("tarvolin-headless");
  fs::copy_file(RunnerPath, lonely);
  const TRun run = Run("run-to 10\nstate warm.json\ntick\nstate s.json\n", lonely);
  EXPECT_EQ(run.Exit, 1);
  EXPECT_EQ(run.Errors.rfind("tarvolin: ", 0), 0u) << run.Errors;
  EXPECT_NE(run.Errors.find("res/schriftz/font1gruen.bmp"), std::string::npos) << run.Errors;
  EXPECT_TRUE(fs::exists(Path("warm.json")));
  EXPECT_FALSE(fs::exists(Path("s.json")));
}

// JA in the exit dialog ends the game: later ticks run nothing and run-to does not wait forever.
TEST_F(RunnerTest, NoTickRunsAfterTheGameHasQuit) {
  const TRun run =
      Run("seed 1\nrun-to 11\n"
          "move 54 52\npress left\ntick\nrelease left\n"    // EXIT opens the dialog
          "move 323 348\npress left\ntick\nrelease left\n"  // JA
          "run-to 100\nstate s.json\n");
  ASSERT_EQ(run.Exit, 0) << run.Errors;
  const TJson state = State("s.json");
  EXPECT_EQ(state["QuitRequested"].Int(), 1);
  EXPECT_EQ(state["TickCount"].Int(), 13);
}

// ---------------------------------------------------------------------------------------------
// The bot

TEST_F(RunnerTest, BotScoresAndPlaysTheSameWayForTheSameSeed) {
  const char* script = "seed 3\nrun-to 11\nbot 2000\nstate s.json\n";
  ASSERT_EQ(Run(script).Exit, 0);
  const std::string first = ReadFile(Path("s.json"));
  ASSERT_EQ(Run(script).Exit, 0);
  EXPECT_EQ(ReadFile(Path("s.json")), first);

  const TJson state = State("s.json");
  EXPECT_EQ(state["TickCount"].Int(), 2011);
  EXPECT_EQ(state["GameRunning"].Int(), 1);
  EXPECT_GT(state["StonesPlaced"].Int(), 0);
  EXPECT_GT(state["Kills"].Int(), 0);
  EXPECT_GT(state["Score"].Int(), 0);
}

// After ENDE the score beats the empty table: the bot types its name and confirms it.
TEST_F(RunnerTest, BotEntersItsNameAfterAWinningGame) {
  const TRun run =
      Run("seed 2\nrun-to 11\nbot 600\n"
          "release left\nmove 54 546\npress left\ntick\nrelease left\n"  // ENDE
          "bot 60\nstate s.json\n");
  ASSERT_EQ(run.Exit, 0) << run.Errors;
  const TJson state = State("s.json");
  EXPECT_EQ(state["WinnerNames"][2][0].Text, "BOT");
  EXPECT_GT(state["WinnerScores"][2][0].Int(), 0);
  EXPECT_TRUE(fs::exists(Path("ruzev.dat")));
}

}  // namespace
