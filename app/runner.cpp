// The headless runner: runs a script line by line as each line is reached, so the lines before a
// bad one have run and nothing after it does.
#include "app/runner.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "app/runner_bot.h"
#include "app/runner_frame.h"
#include "app/runner_game.h"
#include "app/runner_state.h"
#include "engine/shell/assets.h"

namespace {

constexpr int ExitBadLine = 2;
constexpr int ExitCannotStart = 1;

// ---------------------------------------------------------------------------------------------
// READING A LINE
// A line is words separated by spaces; # starts a comment. No command takes more than two
// words after its name, so a fourth word is always one too many.

constexpr int MaxWords = 3;

struct TWords {
  std::array<std::string_view, MaxWords> Word{};
  int Count = 0;
  bool TooMany = false;
};

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r';
}

TWords SplitWords(std::string_view line) {
  line = line.substr(0, line.find('#'));
  TWords words;
  size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && IsSpace(line[i])) ++i;
    const size_t start = i;
    while (i < line.size() && !IsSpace(line[i])) ++i;
    if (i == start) break;
    if (words.Count == MaxWords) {
      words.TooMany = true;
      break;
    }
    words.Word[words.Count++] = line.substr(start, i - start);
  }
  return words;
}

// ---------------------------------------------------------------------------------------------
// COMMANDS

enum class TCommandKind { Seed, Move, Press, Release, Click, Tick, RunTo, State, Frame, Bot };

struct TCommand {
  TCommandKind Kind = TCommandKind::Tick;
  int64_t First = 0;   // the number, or x of a position
  int64_t Second = 0;  // y of a position
  TMouseButton Button = TMouseButton::Left;
  bool Ctrl = false;
  std::string File;
};

// A command read from a line, or what is wrong with the line.
struct TParsed {
  std::optional<TCommand> Command;  // empty for a blank or comment line, or a bad one
  std::string Problem;              // empty unless the line is bad
};

struct TSyntax {
  std::string_view Name;
  TCommandKind Kind;
  int MinArguments;
  int MaxArguments;
  std::string_view Usage;
};

constexpr std::array<TSyntax, 10> Commands = {{
    {"seed", TCommandKind::Seed, 1, 1, "seed N"},
    {"move", TCommandKind::Move, 2, 2, "move X Y"},
    {"press", TCommandKind::Press, 1, 2, "press left|right|middle [ctrl]"},
    {"release", TCommandKind::Release, 1, 1, "release left|right|middle"},
    {"click", TCommandKind::Click, 2, 2, "click X Y"},
    {"tick", TCommandKind::Tick, 0, 1, "tick [N]"},
    {"run-to", TCommandKind::RunTo, 1, 1, "run-to T"},
    {"state", TCommandKind::State, 1, 1, "state FILE"},
    {"frame", TCommandKind::Frame, 1, 1, "frame FILE"},
    {"bot", TCommandKind::Bot, 1, 1, "bot N"},
}};

constexpr int64_t Int32Min = std::numeric_limits<int32_t>::min();
constexpr int64_t Int32Max = std::numeric_limits<int32_t>::max();
constexpr int64_t Int64Max = std::numeric_limits<int64_t>::max();

std::string Quoted(std::string_view word) {
  std::string quoted = "\"";
  quoted += word;
  quoted += '"';
  return quoted;
}

// A decimal integer within min..max; a sign other than a leading minus is not a decimal integer.
std::optional<int64_t> ParseNumber(std::string_view word, int64_t min, int64_t max,
                                   std::string& problem) {
  int64_t value = 0;
  const char* end = word.data() + word.size();
  const auto [ptr, error] = std::from_chars(word.data(), end, value);
  if (error == std::errc::result_out_of_range ||
      (error == std::errc() && ptr == end && (value < min || value > max))) {
    problem = "number " + Quoted(word) + " is out of range " + std::to_string(min) + ".." +
              std::to_string(max);
    return std::nullopt;
  }
  if (error != std::errc() || ptr != end) {
    problem = Quoted(word) + " is not a decimal integer";
    return std::nullopt;
  }
  return value;
}

std::optional<TMouseButton> ParseButton(std::string_view word, std::string& problem) {
  if (word == "left") return TMouseButton::Left;
  if (word == "right") return TMouseButton::Right;
  if (word == "middle") return TMouseButton::Middle;
  problem = "unknown mouse button " + Quoted(word) + " (left, right or middle)";
  return std::nullopt;
}

// Reads the arguments of a command whose name and argument count are already known to fit.
bool ParseArguments(const TWords& words, TCommand& command, std::string& problem) {
  const auto number = [&](int word, int64_t min, int64_t max, int64_t& into) {
    const std::optional<int64_t> value = ParseNumber(words.Word[word], min, max, problem);
    if (value) into = *value;
    return value.has_value();
  };
  switch (command.Kind) {
    case TCommandKind::Seed:
      return number(1, 0, Int64Max, command.First);
    case TCommandKind::Move:
    case TCommandKind::Click:
      return number(1, Int32Min, Int32Max, command.First) &&
             number(2, Int32Min, Int32Max, command.Second);
    case TCommandKind::Press:
    case TCommandKind::Release: {
      const std::optional<TMouseButton> button = ParseButton(words.Word[1], problem);
      if (!button) return false;
      command.Button = *button;
      if (words.Count == 3) {
        if (words.Word[2] != "ctrl") {
          problem = "expected \"ctrl\" after the button, not " + Quoted(words.Word[2]);
          return false;
        }
        command.Ctrl = true;
      }
      return true;
    }
    case TCommandKind::Tick:
      command.First = 1;
      return words.Count == 1 || number(1, 0, Int32Max, command.First);
    case TCommandKind::RunTo:
    case TCommandKind::Bot:
      return number(1, 0, Int32Max, command.First);
    case TCommandKind::State:
    case TCommandKind::Frame:
      command.File = std::string(words.Word[1]);
      return true;
  }
  return false;
}

TParsed ParseLine(std::string_view line) {
  TParsed parsed;
  const TWords words = SplitWords(line);
  if (words.Count == 0) return parsed;
  const TSyntax* syntax = nullptr;
  for (const TSyntax& candidate : Commands) {
    if (candidate.Name == words.Word[0]) syntax = &candidate;
  }
  if (syntax == nullptr) {
    parsed.Problem = "unknown command " + Quoted(words.Word[0]);
    return parsed;
  }
  const int arguments = words.Count - 1;
  if (words.TooMany || arguments > syntax->MaxArguments) {
    parsed.Problem = "too many arguments; expected " + std::string(syntax->Usage);
    return parsed;
  }
  if (arguments < syntax->MinArguments) {
    parsed.Problem = "missing argument; expected " + std::string(syntax->Usage);
    return parsed;
  }
  TCommand command;
  command.Kind = syntax->Kind;
  if (ParseArguments(words, command, parsed.Problem)) parsed.Command = std::move(command);
  return parsed;
}

// ---------------------------------------------------------------------------------------------
// RUNNING A COMMAND

class TRunner {
 public:
  // Runs one command; returns what is wrong with it when it cannot run in the present state.
  // BitmapError and the like from the load tick pass through.
  std::string Run(const TCommand& command);

 private:
  void RunTicks(int64_t count) {
    for (int64_t i = 0; i < count && !game_.Ended(); ++i) game_.Tick();
  }

  TRunnerGame game_;
  TBot bot_;
};

std::string TRunner::Run(const TCommand& command) {
  const auto x = static_cast<int>(command.First);
  const auto y = static_cast<int>(command.Second);
  switch (command.Kind) {
    case TCommandKind::Seed:
      if (TickCount > LoadTick) return "seed comes after the load tick has run";
      FixedSeedGiven = true;
      FixedSeed = static_cast<uint64_t>(command.First);
      bot_.Seed(FixedSeed);
      return {};
    case TCommandKind::Move:
      game_.Move(x, y);
      return {};
    case TCommandKind::Press:
      game_.Press(command.Button, command.Ctrl);
      return {};
    case TCommandKind::Release:
      game_.Release(command.Button);
      return {};
    case TCommandKind::Click:
      game_.Click(x, y);
      return {};
    case TCommandKind::Tick:
      RunTicks(command.First);
      return {};
    case TCommandKind::RunTo:
      if (command.First < TickCount) {
        return "run-to " + std::to_string(command.First) + " is below the current TickCount " +
               std::to_string(TickCount);
      }
      // once the game has ended (JA) no tick runs and TickCount stands still
      while (TickCount < command.First && !game_.Ended()) game_.Tick();
      return {};
    case TCommandKind::State:
      if (!WriteStateJson(command.File, game_.Backend)) return "cannot write " + command.File;
      return {};
    case TCommandKind::Frame:
      if (!WriteFramePng(command.File, game_.Backend.LastFrame())) {
        return "cannot write " + command.File;
      }
      return {};
    case TCommandKind::Bot:
      bot_.Play(game_, command.First);
      return {};
  }
  return {};
}

// The running executable's own path, so the art beside it is found also when the runner was
// started through PATH; argv[0] when the system does not tell.
std::string ExecutablePath(const char* argv0) {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string(argv0) : self.string();
}

// Runs the script to its end or to its first bad line.
int RunScript(std::istream& script, std::string_view scriptName) {
  TRunner runner;
  std::string line;
  for (int lineNumber = 1; std::getline(script, line); ++lineNumber) {
    const TParsed parsed = ParseLine(line);
    std::string problem = parsed.Problem;
    if (problem.empty() && parsed.Command) problem = runner.Run(*parsed.Command);
    if (!problem.empty()) {
      std::cerr << "tarvolin-headless: " << scriptName << ": line " << lineNumber << ": " << problem
                << '\n';
      return ExitBadLine;
    }
  }
  return 0;
}

}  // namespace

int RunnerMain(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: tarvolin-headless SCRIPT   (a file, or - for standard input)\n";
    return ExitBadLine;
  }
  SetExecutablePath(ExecutablePath(argv[0]));
  const std::string_view scriptName = argv[1];
  std::ifstream file;
  if (scriptName != "-") {
    file.open(argv[1]);
    if (!file) {
      std::cerr << "tarvolin-headless: cannot read the script " << scriptName << '\n';
      return ExitBadLine;
    }
  }
  try {
    return RunScript(scriptName == "-" ? std::cin : file, scriptName);
  } catch (const std::exception& error) {
    // the game's own words when it cannot start, such as a missing picture
    std::cerr << "tarvolin: " << error.what() << '\n';
    return ExitCannotStart;
  }
}
