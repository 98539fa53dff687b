// Game texts: Windows-1252 byte strings, written in the source as UTF-8 and converted when
// compiled.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

// A text literal converted from UTF-8 to Windows-1252 at compile time. Only the characters the
// game uses outside ASCII are known (Ä Ö Ü ä ö ü ß and the euro sign); any other is a compile
// error.
template <std::size_t N>
struct Text1252 {
  char Bytes[N]{};
  std::size_t Length = 0;

  consteval Text1252(const char (&utf8)[N]) {  // NOLINT: implicit on purpose, for literals
    std::size_t i = 0;
    while (i + 1 < N) {
      const auto lead = static_cast<unsigned char>(utf8[i]);
      if (lead < 0x80) {
        Bytes[Length++] = utf8[i++];
        continue;
      }
      unsigned code = 0;
      if ((lead & 0xE0u) == 0xC0u) {
        code = ((lead & 0x1Fu) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu);
        i += 2;
      } else {
        code = ((lead & 0x0Fu) << 12) | ((static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu) << 6) |
               (static_cast<unsigned char>(utf8[i + 2]) & 0x3Fu);
        i += 3;
      }
      Bytes[Length++] = static_cast<char>(ToByte(code));
    }
  }

  constexpr std::string_view View() const { return {Bytes, Length}; }
  constexpr operator std::string_view() const { return View(); }  // NOLINT

 private:
  static consteval unsigned ToByte(unsigned code) {
    switch (code) {
      case 0xC4:
      case 0xD6:
      case 0xDC:
      case 0xE4:
      case 0xF6:
      case 0xFC:
      case 0xDF:
        return code;
      case 0x20AC:
        return 0x80;
      default:
        throw "character not in the game's Windows-1252 set";
    }
  }
};

// Converts a UTF-8 literal to Windows-1252 bytes at compile time: W1252<"DRÜCKEN">() .
template <Text1252 Text>
consteval std::string_view W1252() {
  return Text.View();
}

// A string of at most Capacity bytes in a fixed array: the game allocates nothing while it runs.
// Appending beyond the capacity cuts the text.
template <std::size_t Capacity>
struct TShortString {
  char Chars[Capacity]{};
  std::uint8_t Length = 0;

  constexpr std::string_view View() const { return {Chars, Length}; }
  constexpr void Clear() { Length = 0; }
  constexpr void Assign(std::string_view text) {
    Length = static_cast<std::uint8_t>(std::min(text.size(), Capacity));
    std::copy_n(text.data(), Length, Chars);
  }
  constexpr void Append(std::string_view text) {
    const std::size_t room = Capacity - Length;
    const std::size_t count = std::min(text.size(), room);
    std::copy_n(text.data(), count, Chars + Length);
    Length = static_cast<std::uint8_t>(Length + count);
  }
  constexpr void Append(char c) { Append(std::string_view(&c, 1)); }
  // Appends a decimal number.
  constexpr void AppendNumber(std::int64_t value) {
    char digits[24]{};
    int count = 0;
    const bool negative = value < 0;
    std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    do {
      digits[count++] = static_cast<char>('0' + magnitude % 10);
      magnitude /= 10;
    } while (magnitude != 0);
    if (negative) Append('-');
    while (count > 0) Append(digits[--count]);
  }
};
