// Tests of the winners file: its byte layout, the round trip, damaged and missing files, and a
// save that cannot write.
#include "engine/ui/winners_file.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "engine/globals.h"
#include "tests/test_support.h"

namespace {

using TBytes = std::vector<unsigned char>;

TBytes ReadBytes(const char* name) {
  std::ifstream file(name, std::ios::binary);
  return TBytes(std::istreambuf_iterator<char>(file), {});
}

void WriteBytes(const char* name, const TBytes& bytes) {
  std::ofstream file(name, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

std::string NameOf(int type, int place) {
  return std::string(WinnerNames[type][place].View());
}

// Every entry gets something to lose: loading must set all of them.
void FillTables(std::string_view name, int32_t score) {
  for (int type = 1; type <= GameTypeCount; ++type) {
    for (int place = 1; place <= WinnerPlaces; ++place) {
      WinnerNames[type][place].Assign(name);
      WinnerScores[type][place] = score;
    }
  }
}

void ExpectEmptyFrom(int firstType, int firstPlace) {
  for (int type = firstType; type <= GameTypeCount; ++type) {
    for (int place = type == firstType ? firstPlace : 1; place <= WinnerPlaces; ++place) {
      EXPECT_EQ(NameOf(type, place), "") << "type " << type << " place " << place;
      EXPECT_EQ(WinnerScores[type][place], 0) << "type " << type << " place " << place;
    }
  }
}

// A distinct entry for every place: names of every length 0..8, a byte outside ASCII, scores
// of both signs and the extremes.
std::string SampleName(int type, int place) {
  std::string name =
      std::string("ABCDEFGH").substr(0, static_cast<std::size_t>(type + place - 2) % 9);
  if (type == 3 && place == 2) name = "\xC4RGER";  // ÄRGER
  return name;
}
int32_t SampleScore(int type, int place) {
  if (type == 8 && place == 5) return INT32_MIN;
  if (type == 8 && place == 4) return INT32_MAX;
  return (place % 2 == 0 ? -1 : 1) * (type * 1000 + place);
}

class WinnersFileTest : public ::testing::Test {
 protected:
  TempWorkingDirectory directory_{"tarvolin-winners-file"};
};

TEST_F(WinnersFileTest, SavePutsEachRecordAtItsByte) {
  FillTables("", 0);
  WinnerNames[2][1].Assign("ABCD");
  WinnerScores[2][1] = 1500;
  SaveWinners();

  const TBytes bytes = ReadBytes(WinnersFileName);
  ASSERT_EQ(bytes.size(), 976u);
  EXPECT_EQ(bytes[128], 4);
  EXPECT_EQ(std::string(bytes.begin() + 129, bytes.begin() + 133), "ABCD");
  EXPECT_EQ(TBytes(bytes.begin() + 140, bytes.begin() + 144), (TBytes{0xDC, 0x05, 0x00, 0x00}));
  EXPECT_FALSE(std::filesystem::exists(WinnersTempFileName));
}

TEST_F(WinnersFileTest, SaveRewritesTheWholeFileAndLeavesUnusedRecordsEmpty) {
  WriteBytes(WinnersFileName, TBytes(2000, 0xFF));
  FillTables("OLD", 7);
  SaveWinners();

  const TBytes bytes = ReadBytes(WinnersFileName);
  ASSERT_EQ(bytes.size(), 976u);
  // records 5..7 of the first group and the padding of record 0
  for (std::size_t i = 5 * 16; i < 8 * 16; ++i) EXPECT_EQ(bytes[i], 0) << "byte " << i;
  for (std::size_t i = 9; i < 12; ++i) EXPECT_EQ(bytes[i], 0) << "byte " << i;
}

TEST_F(WinnersFileTest, LoadRestoresEverySavedEntry) {
  for (int type = 1; type <= GameTypeCount; ++type) {
    for (int place = 1; place <= WinnerPlaces; ++place) {
      WinnerNames[type][place].Assign(SampleName(type, place));
      WinnerScores[type][place] = SampleScore(type, place);
    }
  }
  SaveWinners();
  FillTables("LOST", 99);
  LoadWinners();

  for (int type = 1; type <= GameTypeCount; ++type) {
    for (int place = 1; place <= WinnerPlaces; ++place) {
      EXPECT_EQ(NameOf(type, place), SampleName(type, place)) << type << "/" << place;
      EXPECT_EQ(WinnerScores[type][place], SampleScore(type, place)) << type << "/" << place;
    }
  }
}

TEST_F(WinnersFileTest, MissingFileGivesEmptyTables) {
  FillTables("LOST", 99);
  LoadWinners();
  ExpectEmptyFrom(1, 1);
}

TEST_F(WinnersFileTest, UnreadableFileGivesEmptyTables) {
  std::filesystem::create_directory(WinnersFileName);
  FillTables("LOST", 99);
  LoadWinners();
  ExpectEmptyFrom(1, 1);
}

// A saved file with type 1 place 1 = "ANNA" 900, and type 2 place 1 (record 8) = "BEN" 800.
TBytes TwoWinnersFile() {
  FillTables("", 0);
  WinnerNames[1][1].Assign("ANNA");
  WinnerScores[1][1] = 900;
  WinnerNames[2][1].Assign("BEN");
  WinnerScores[2][1] = 800;
  SaveWinners();
  return ReadBytes(WinnersFileName);
}

TEST_F(WinnersFileTest, ShortFileKeepsItsCompleteRecords) {
  struct TCase {
    std::size_t Size;
    bool SecondKept;  // record 8 (type 2 place 1) lies wholly inside the file
  };
  for (const TCase& c : {TCase{144, true}, TCase{143, false}, TCase{100, false}}) {
    TBytes bytes = TwoWinnersFile();
    bytes.resize(c.Size);
    WriteBytes(WinnersFileName, bytes);
    FillTables("LOST", 99);
    LoadWinners();

    EXPECT_EQ(NameOf(1, 1), "ANNA") << c.Size;
    EXPECT_EQ(WinnerScores[1][1], 900) << c.Size;
    EXPECT_EQ(NameOf(2, 1), c.SecondKept ? "BEN" : "") << c.Size;
    EXPECT_EQ(WinnerScores[2][1], c.SecondKept ? 800 : 0) << c.Size;
    ExpectEmptyFrom(2, 2);
  }
}

TEST_F(WinnersFileTest, DamagedNameLengthsStayInsideTheField) {
  struct TCase {
    unsigned char LengthByte;
    std::string Name;
  };
  // the saved record holds zero bytes after the name
  const std::string wholeField("ANNA\0\0\0\0", 8);
  for (const TCase& c : {TCase{0, ""}, TCase{2, "AN"}, TCase{8, wholeField}, TCase{9, wholeField},
                         TCase{255, wholeField}}) {
    TBytes bytes = TwoWinnersFile();
    bytes[0] = c.LengthByte;
    WriteBytes(WinnersFileName, bytes);
    LoadWinners();

    EXPECT_EQ(NameOf(1, 1), c.Name) << int{c.LengthByte};
    EXPECT_EQ(WinnerScores[1][1], 900) << int{c.LengthByte};
    EXPECT_EQ(NameOf(2, 1), "BEN") << int{c.LengthByte};
  }
}

TEST_F(WinnersFileTest, FailedSaveKeepsTheOldFileAndTheGameGoesOn) {
  const TBytes old = TwoWinnersFile();
  // a directory where the temporary file belongs: the save cannot even begin
  std::filesystem::create_directory(WinnersTempFileName);
  WinnerNames[1][1].Assign("NEW");
  SaveWinners();
  EXPECT_EQ(ReadBytes(WinnersFileName), old);

  // once the way is clear again, the next save goes through
  std::filesystem::remove(WinnersTempFileName);
  SaveWinners();
  LoadWinners();
  EXPECT_EQ(NameOf(1, 1), "NEW");
}

TEST_F(WinnersFileTest, SaveOverAnUnwritablePlaceLeavesNoTemporaryFile) {
  // the rename fails: a directory with something in it holds the file's name
  std::filesystem::create_directories(std::filesystem::path(WinnersFileName) / "inside");
  SaveWinners();
  EXPECT_TRUE(std::filesystem::is_directory(WinnersFileName));
  EXPECT_FALSE(std::filesystem::exists(WinnersTempFileName));
}

}  // namespace
