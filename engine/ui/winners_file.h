// The winners file ruzev.dat: records of 16 bytes, read once at start, rewritten after each
// confirmed entry.
#pragma once

#include <cstddef>

// The file's layout: record (type - 1) * 8 + (place - 1), each 16 bytes: a length byte, eight
// name bytes, three padding bytes and the score as a 32-bit little-endian number at byte 12.
inline constexpr const char* WinnersFileName = "ruzev.dat";
inline constexpr const char* WinnersTempFileName = "ruzev.dat.tmp";
inline constexpr std::size_t WinnerRecordSize = 16;
inline constexpr std::size_t WinnerRecordsPerType = 8;
inline constexpr std::size_t WinnerScoreOffset = 12;
inline constexpr std::size_t WinnersFileRecords = 61;  // up to the last record of type 8
inline constexpr std::size_t WinnersFileSize = WinnersFileRecords * WinnerRecordSize;

// Called once at start. Fills all 40 entries from the file in the working directory. Never
// fails: a missing or unreadable file gives empty tables (names "", scores 0), a short file
// gives the complete records it holds and empty entries for the rest, and a length byte above 8
// keeps the eight name bytes the record has room for.
void LoadWinners();
// Called after a confirmed winner entry. Writes all 40 entries to a temporary file beside the
// winners file and renames it over the old one, so a failed write leaves the old file whole. A
// save that fails prints one line on stderr and the game goes on.
void SaveWinners();
