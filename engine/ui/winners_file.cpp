// The winners file: read once when the game starts, rewritten completely after each confirmed
// winner entry. The whole file passes through one fixed buffer, so nothing is allocated.
#include "engine/ui/winners_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "engine/globals.h"

namespace {

using TWinnersImage = std::array<unsigned char, WinnersFileSize>;

// Only Load or Save runs at any moment, so one image serves both.
TWinnersImage WinnersImage;

std::size_t RecordOffset(int type, int place) {
  const auto index = static_cast<std::size_t>(type - 1) * WinnerRecordsPerType +
                     static_cast<std::size_t>(place - 1);
  return index * WinnerRecordSize;
}

// Records: one entry of the tables as the 16 bytes of the file.

void WriteRecord(unsigned char* record, const TWinnerName& name, int32_t score) {
  std::fill_n(record, WinnerRecordSize, 0);
  record[0] = name.Length;  // a TWinnerName never holds more than the eight bytes of the field
  std::copy_n(name.Chars, name.Length, record + 1);
  const auto bits = static_cast<uint32_t>(score);
  for (std::size_t i = 0; i < 4; ++i) {
    record[WinnerScoreOffset + i] = static_cast<unsigned char>(bits >> (8 * i));
  }
}

void ReadRecord(const unsigned char* record, TWinnerName& name, int32_t& score) {
  // a length beyond the field is a damaged byte: the eight name bytes are still the name
  const std::size_t length = std::min<std::size_t>(record[0], WinnerNameCapacity);
  name.Assign({reinterpret_cast<const char*>(record + 1), length});
  uint32_t bits = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    bits |= static_cast<uint32_t>(record[WinnerScoreOffset + i]) << (8 * i);
  }
  score = static_cast<int32_t>(bits);
}

void ClearWinners() {
  for (int type = 1; type <= GameTypeCount; ++type) {
    for (int place = 1; place <= WinnerPlaces; ++place) {
      WinnerNames[type][place].Clear();
      WinnerScores[type][place] = 0;
    }
  }
}

// File access: plain system calls on the fixed image.

// Reads up to the size of the image; returns the number of bytes read (0 for a missing file).
std::size_t ReadWinnersFile() {
  const int file = open(WinnersFileName, O_RDONLY);
  if (file < 0) {
    // a missing file is the first start; anything else deserves a word
    if (errno != ENOENT) std::fprintf(stderr, "%s: %s\n", WinnersFileName, std::strerror(errno));
    return 0;
  }
  std::size_t filled = 0;
  while (filled < WinnersImage.size()) {
    const ssize_t count = read(file, WinnersImage.data() + filled, WinnersImage.size() - filled);
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) break;
    filled += static_cast<std::size_t>(count);
  }
  close(file);
  return filled;
}

bool WriteAll(int file, const unsigned char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t count = write(file, data, size);
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) return false;
    data += count;
    size -= static_cast<std::size_t>(count);
  }
  return true;
}

// Writes the image to the temporary file and renames it over the winners file. False when any
// step fails; the temporary file is then removed and the old winners file is untouched.
bool ReplaceWinnersFile() {
  const int file = open(WinnersTempFileName, O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (file < 0) return false;
  bool written = WriteAll(file, WinnersImage.data(), WinnersImage.size());
  written = fsync(file) == 0 && written;
  written = close(file) == 0 && written;
  if (written && std::rename(WinnersTempFileName, WinnersFileName) == 0) return true;
  const int failure = errno;
  unlink(WinnersTempFileName);
  errno = failure;
  return false;
}

}  // namespace

void LoadWinners() {
  ClearWinners();
  const std::size_t filled = ReadWinnersFile();
  for (int type = 1; type <= GameTypeCount; ++type) {
    for (int place = 1; place <= WinnerPlaces; ++place) {
      const std::size_t offset = RecordOffset(type, place);
      if (offset + WinnerRecordSize > filled) continue;  // cut off: the entry stays empty
      ReadRecord(WinnersImage.data() + offset, WinnerNames[type][place], WinnerScores[type][place]);
    }
  }
}

void SaveWinners() {
  // the three unused records of every group of eight stay zero
  WinnersImage.fill(0);
  for (int type = 1; type <= GameTypeCount; ++type) {
    for (int place = 1; place <= WinnerPlaces; ++place) {
      WriteRecord(WinnersImage.data() + RecordOffset(type, place), WinnerNames[type][place],
                  WinnerScores[type][place]);
    }
  }
  if (!ReplaceWinnersFile()) {
    std::fprintf(stderr, "%s could not be saved: %s\n", WinnersFileName, std::strerror(errno));
  }
}
