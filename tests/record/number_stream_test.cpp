#include "record/number_stream.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "test_files.h"

namespace velk {
namespace {

// What scanning the whole text in memory gives: the values up to the first token that fails.
std::vector<float> ScanWhole(const std::string& text, int& recordLength) {
  const char* p = text.data();
  const char* end = p + text.size();
  ScanInt(p, end, recordLength);
  std::vector<float> out;
  for (float v = 0; ScanFloat(p, end, v);) out.push_back(v);
  return out;
}

std::vector<float> ScanPieces(const std::string& path, int& recordLength,
                              std::size_t pieceBytes = VELK_NUMBER_STREAM_PIECE_BYTES) {
  NumberStream in(pieceBytes);
  EXPECT_TRUE(in.Open(path));
  in.ScanInt(recordLength);
  std::vector<float> out;
  for (float v = 0; in.ScanFloat(v);) out.push_back(v);
  EXPECT_FALSE(in.failed());
  return out;
}

bool SameBits(const std::vector<float>& a, const std::vector<float>& b) {
  return a.size() == b.size() &&
         (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(float)) == 0);
}

// Files several pieces long, with numbers of every shape the scanner knows falling across piece
// boundaries, runs of white space longer than a piece, lone CRs, and a number longer than a piece:
// reading in pieces must give bit for bit what scanning the whole text gives, and stop where it
// stops.
TEST(NumberStream, PiecesGiveWhatTheWholeTextGives) {
  TempDir dir;
  std::mt19937 rng(7);
  const char* const shapes[] = {"-0.011292", "512",     "+3.25", "1e-3",
                                "-2.5E+2",   "0x1.8p1", "inf",   "-nan",
                                "nan(12)",   ".5",      "7.",    "-0.000000001234567"};
  const char* const gaps[] = {"\n", "\r\n", "\r", " ", "\t\t", "\n\n\n", "\v\f "};
  for (int round = 0; round < 6; ++round) {
    std::string text = std::to_string(static_cast<int>(rng() % 100000)) + "\n";
    for (int token = 0; token < (round + 1) * 9000; ++token) {
      text += shapes[rng() % std::size(shapes)];
      text += gaps[rng() % std::size(gaps)];
      if (rng() % 5000 == 0) text += std::string(70000, ' ');
    }
    if (round == 3) text += std::string(150000, '7') + "\n1.5\n";  // longer than a piece
    if (round == 4) text += "2.5 1e+ 3.5\n";  // the data end at the "e" (the 1 converts)
    if (round == 2) text += "0x 4.5\n";       // and here at the "x"
    if (round == 5) text += "9.75";           // no end of line at the end
    const std::string path = dir.Write("f" + std::to_string(round) + ".txt", text);
    int lengthWhole = -1, lengthPieces = -1;
    const auto whole = ScanWhole(text, lengthWhole);
    const auto pieces = ScanPieces(path, lengthPieces);
    EXPECT_EQ(lengthPieces, lengthWhole) << round;
    EXPECT_GT(whole.size(), 1000u) << round;
    EXPECT_TRUE(SameBits(pieces, whole))
        << round << ": " << pieces.size() << " vs " << whole.size();
  }
  // Tiny pieces put a boundary at every position of every number.
  const std::string shortText = "12 -0.5 1e-3\r\n0x1.8p1 nan(7)\n\n7. .25 inf 1e+ 2";
  const std::string small = dir.Write("small.txt", shortText);
  int lengthWhole = -1;
  const auto expected = ScanWhole(shortText, lengthWhole);
  EXPECT_EQ(expected.size(), 8u);  // up to the 1 of "1e+"
  for (std::size_t piece : {1, 2, 3, 5, 8}) {
    int lengthPieces = -1;
    EXPECT_TRUE(SameBits(ScanPieces(small, lengthPieces, piece), expected)) << piece;
    EXPECT_EQ(lengthPieces, 12) << piece;
  }

  // The long number converts (to infinity), and the number after it is read.
  int length = 0;
  const auto tail = ScanPieces((dir.path() / "f3.txt").string(), length);
  ASSERT_GE(tail.size(), 2u);
  EXPECT_TRUE(std::isinf(tail[tail.size() - 2]));
  EXPECT_EQ(tail.back(), 1.5f);

  // A file without numbers, an empty file, and a folder.
  NumberStream in;
  float v = 0;
  ASSERT_TRUE(in.Open(dir.Write("blank.txt", std::string(200000, '\n'))));
  EXPECT_FALSE(in.ScanFloat(v));
  ASSERT_TRUE(in.Open(dir.Write("empty.txt", "")));
  EXPECT_FALSE(in.ScanFloat(v));
  EXPECT_FALSE(in.failed());
  EXPECT_FALSE(in.Open(dir.path().string()));
  EXPECT_FALSE(in.Open((dir.path() / "missing.txt").string()));
}

}  // namespace
}  // namespace velk
