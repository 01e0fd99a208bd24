// The hostile inputs (missing files, damaged headers, start points beyond the record, words and
// binary bytes in the data) are rows of tests/bad-input/catalogue.tsv; these tests pin the values
// the readers produce.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "record/reader.h"
#include "record/reader_common.h"
#include "record/scripted_interaction.h"
#include "record/velk_doc.h"
#include "test_files.h"

namespace velk {
namespace {

struct Fixture {
  TempDir dir;
  Workspace ws;
  CVelkDoc doc{ws};
  ScriptedInteraction ui;

  int Tek(const std::string& inc, const std::string& tr, int sInc = 0, int sTr = 0) {
    ws.waveOpen = {dir.Write("inc.txt", inc), dir.Write("tr.txt", tr), sInc, sTr};
    return ReadTektronixWaves(doc, ui);
  }
  int Cs(const std::string& inc, const std::string& tr, int sInc = 0, int sTr = 0) {
    ws.waveOpen = {dir.Write("inc.cs", inc), dir.Write("tr.cs", tr), sInc, sTr};
    return ReadCs20000Waves(doc, ui);
  }
  int Record(const std::string& text) {
    return RecordFileReader(dir.Write("A1.DAT", text)).Read(doc, ui);
  }
  // Every array has the length its point count promises: the raw waves at once, the copies
  // (none after a read) once they are made.
  void ExpectArraysSized() {
    const std::size_t n = static_cast<std::size_t>(doc.m_pointCount);
    EXPECT_EQ(doc.m_rawInc.size(), n);
    EXPECT_EQ(doc.m_rawTr.size(), n);
    EXPECT_TRUE(doc.m_workInc.empty() && doc.m_workTr.empty() && doc.m_smoothInc.empty() &&
                doc.m_smoothTr.empty());
    doc.MakeWaveCopies();
    EXPECT_EQ(doc.m_workInc.size(), n);
    EXPECT_EQ(doc.m_workTr.size(), n);
    ASSERT_EQ(doc.m_smoothInc.size(), n + 1);
    ASSERT_EQ(doc.m_smoothTr.size(), n + 1);
    EXPECT_TRUE(std::equal(doc.m_rawTr.begin(), doc.m_rawTr.end(), doc.m_smoothTr.begin()));
    EXPECT_EQ(doc.m_smoothInc[n], doc.m_rawInc[n - 1]);
  }
  // A failed read leaves the record exactly as the constructor made it.
  void ExpectUntouched() const {
    EXPECT_EQ(doc.m_pointCount, 1024);
    EXPECT_TRUE(doc.m_rawInc.empty() && doc.m_rawTr.empty() && doc.m_smoothInc.empty());
    EXPECT_EQ(ws.flags, 0u);
  }
};

TEST(TektronixReader, ReadsDeclaredSamplesDropsStartPointsAndRepeatsAShortTail) {
  const auto inc = Ramp(4096, 0.5, 0.25);
  const auto tr = Ramp(4096, -3.0, 0.125);
  Fixture f;
  ASSERT_EQ(f.Tek(TekText(4096, inc), TekText(4096, tr), 100, 100), kReadOk);
  EXPECT_EQ(f.doc.m_pointCount, 3996);
  f.ExpectArraysSized();
  EXPECT_EQ(f.doc.m_rawInc.front(), inc[100]);
  EXPECT_EQ(f.doc.m_rawTr.back(), tr[4095]);
  EXPECT_EQ(f.ws.flags, static_cast<std::uint32_t>(kTektronixSource | kWavesLoaded));
  EXPECT_DOUBLE_EQ(f.doc.m_incBaseMean,
                   std::accumulate(inc.begin() + 100, inc.begin() + 300, 0.0) / 200);
  EXPECT_TRUE(f.ui.messages.empty());

  // 250 of 300 declared samples: the last one repeats. Header numbers never become samples.
  Fixture g;
  ASSERT_EQ(g.Tek(TekText(300, Ramp(250, 1.0)), "300 1.5 2.5 3.5"), kReadOk);
  EXPECT_EQ(g.doc.m_rawInc[249], 250.0);
  EXPECT_EQ(g.doc.m_rawInc[299], 250.0);
  EXPECT_EQ(g.doc.m_rawTr, std::vector<double>(300, 0.0));
}

TEST(TektronixReader, SamplesConvertThroughSinglePrecisionAndIgnoreLayout) {
  Fixture f;
  // Blanks, tabs, CR LF and lone CR all separate numbers; values pass through a float.
  const std::string inc = "3\r\n0 0\t0\r0.1\r1e-3   -2.5\r\n";
  const std::string tr = "3\r0\r0\r0\r476.1904761904762\r7\r8\r9 10 11";
  ASSERT_EQ(f.Tek(inc, tr), kReadOk);
  EXPECT_EQ(f.doc.m_pointCount, 3);
  EXPECT_EQ(f.doc.m_rawInc, (std::vector<double>{0.1f, 1e-3f, -2.5f}));
  EXPECT_NE(f.doc.m_rawInc[0], 0.1);
  EXPECT_EQ(f.doc.m_rawTr, (std::vector<double>{476.1904761904762f, 7, 8}));
  // Below the default baseline range the ranges shrink to the waves.
  EXPECT_EQ(f.doc.m_incBaseEnd, 2);
  EXPECT_DOUBLE_EQ(f.doc.m_trBaseMean, (static_cast<double>(476.1904761904762f) + 15.0) / 3.0);

  // The transmitted file's length cannot be read as an integer (".5" is no "%d"), so the
  // incident file's length holds for it, and ".5" becomes its first header number.
  Fixture g;
  ASSERT_EQ(g.Tek(TekText(4, {1, 2, 3, 4}), ".5 0 0 10 20 30 40 50 60"), kReadOk);
  EXPECT_EQ(g.doc.m_rawTr, (std::vector<double>{10, 20, 30, 40}));
}

TEST(TektronixReader, UnequalChannelsAreCutOrZeroPaddedToThePointCount) {
  // {incident length, transmitted length, starts, point count, and one sample of each channel
  // whose value shows the cut, the padding or the start point}.
  struct Case {
    int nInc, nTr, sInc, sTr, points, at;
    double inc, tr;
  };
  const Case cases[] = {{300, 400, 0, 0, 400, 300, 0.0, 301.0},  // incident padded, never read past
                        {400, 300, 0, 0, 300, 299, 300.0, 300.0},  // incident cut
                        {300, 300, 0, 50, 300, 250, 251.0, 0.0},   // transmitted start: padded
                        {300, 300, 50, 0, 250, 249, 300.0, 250.0}};
  for (const Case& c : cases) {
    Fixture f;
    ASSERT_EQ(
        f.Tek(TekText(c.nInc, Ramp(c.nInc, 1.0)), TekText(c.nTr, Ramp(c.nTr, 1.0)), c.sInc, c.sTr),
        kReadOk);
    EXPECT_EQ(f.doc.m_pointCount, c.points) << c.nInc << ' ' << c.nTr << ' ' << c.sInc;
    f.ExpectArraysSized();
    EXPECT_EQ(f.doc.m_rawInc[c.at], c.inc) << c.nInc << ' ' << c.nTr << ' ' << c.sInc;
    EXPECT_EQ(f.doc.m_rawTr[c.at], c.tr) << c.nInc << ' ' << c.nTr << ' ' << c.sInc;
  }
}

TEST(TektronixReader, ReadsTheRealRecordings) {
  struct Pair {
    const char* name;
    int points;
    double inc0, tr0, incLast, trLast;
  };
  const Pair pairs[] = {{"cu273K", 5000, -0.011292, -0.003967, -0.064089, 0.096744},
                        {"epoxy01", 20000, 0, 0.015, -0.9715, 0.39},
                        {"steel945s02", 20000, -0.05, 0, 0, 0}};
  auto asFloat = [](double v) { return static_cast<double>(static_cast<float>(v)); };
  for (const Pair& p : pairs) {
    Workspace ws;
    CVelkDoc doc(ws);
    ScriptedInteraction ui;
    const std::string base = std::string(VELK_TEST_DATA) + "/realdata/" + p.name;
    ws.waveOpen = {base + "_inc.txt", base + "_tr.txt", 0, 0};
    ASSERT_TRUE(WaveFilesOpenable(ws.waveOpen, ui)) << p.name;
    ASSERT_EQ(ReadTektronixWaves(doc, ui), kReadOk) << p.name;
    EXPECT_EQ(doc.m_pointCount, p.points) << p.name;
    EXPECT_EQ(doc.m_rawInc.front(), asFloat(p.inc0)) << p.name;
    EXPECT_EQ(doc.m_rawTr.front(), asFloat(p.tr0)) << p.name;
    EXPECT_EQ(doc.m_rawInc.back(), asFloat(p.incLast)) << p.name;
    EXPECT_EQ(doc.m_rawTr.back(), asFloat(p.trLast)) << p.name;
    // The quiet lead-in is near zero volts.
    EXPECT_LT(std::fabs(doc.m_incBaseMean), 0.1) << p.name;
  }
}

TEST(Cs20000Reader, PointCountIsTheCapacityReachedLessTheIncidentStart) {
  auto text = [](int n, double from) {
    std::string s;
    for (int i = 0; i < n; ++i) s += std::to_string(from + i) + ((i % 7 == 6) ? "\r\n" : " ");
    return s;
  };
  Fixture f;
  ASSERT_EQ(f.Cs(text(4096, 1.0), text(4096, -5000.0), 100, 100), kReadOk);
  EXPECT_EQ(f.doc.m_pointCount, 3996);
  f.ExpectArraysSized();
  EXPECT_EQ(f.doc.m_rawInc.front(), 101.0);
  EXPECT_EQ(f.doc.m_rawTr.back(), -905.0);
  EXPECT_EQ(f.ws.flags, static_cast<std::uint32_t>(kCs20000Source | kWavesLoaded));

  // 1500 samples: capacity 2048, the positions without a sample are zero.
  Fixture h;
  ASSERT_EQ(h.Cs(text(1500, 1.0), text(1500, 1.0)), kReadOk);
  EXPECT_EQ(h.doc.m_pointCount, 2048);
  h.ExpectArraysSized();
  EXPECT_EQ(h.doc.m_rawInc[1499], 1500.0);
  EXPECT_EQ(h.doc.m_rawInc[1500], 0.0);
}

TEST(Readers, RefusalsLeaveTheRecordUntouched) {
  const std::string tek = TekText(300, Ramp(300, 1.0));
  struct Case {
    bool cs;
    int sInc, sTr;
    const char* message;
  };
  const Case cases[] = {{false, 0, 301, "Alloc memory fault"},
                        {false, -1, 0, "开始点不能为负数。"},
                        {true, 1025, 0, "Alloc memory fault"}};
  for (const Case& c : cases) {
    Fixture f;
    EXPECT_EQ(c.cs ? f.Cs("1 2 3", "4 5 6", c.sInc, c.sTr) : f.Tek(tek, tek, c.sInc, c.sTr),
              kReadFailed);
    EXPECT_EQ(f.ui.messages, std::vector<std::string>{c.message});
    f.ExpectUntouched();
  }
}

TEST(RecordFileReader, SplitsTheReadingsInHalvesLess512) {
  std::string text;
  for (int i = 0; i < 1000; ++i) text += i < 500 ? "612\r\n" : "412\r\n";
  Fixture f;
  ASSERT_EQ(f.Record(text), kReadOk);
  EXPECT_EQ(f.doc.m_pointCount, 500);
  f.ExpectArraysSized();
  EXPECT_EQ(f.doc.m_rawInc, std::vector<double>(500, 100.0));
  EXPECT_EQ(f.doc.m_rawTr, std::vector<double>(500, -100.0));
  EXPECT_EQ(f.doc.m_trBaseMean, -100.0);
  EXPECT_EQ(f.ws.flags, static_cast<std::uint32_t>(kRecordFileSource | kWavesLoaded));

  // An odd count pads the transmitted channel with one zero.
  std::string odd;
  for (int i = 1; i <= 1001; ++i) odd += std::to_string(512 + i) + "\n";
  Fixture g;
  ASSERT_EQ(g.Record(odd), kReadOk);
  EXPECT_EQ(g.doc.m_pointCount, 501);
  g.ExpectArraysSized();
  EXPECT_EQ(g.doc.m_rawInc.back(), 501.0);
  EXPECT_EQ(g.doc.m_rawTr.front(), 502.0);
  EXPECT_EQ(g.doc.m_rawTr[500], 0.0);
}

TEST(Readers, RandomFilesKeepEveryArrayAsLongAsThePointCount) {
  std::mt19937 rng(42);
  const std::string alphabet = "0123456789 \n\r\t.-+eEx,ainf";
  auto junk = [&] {
    std::string s = std::to_string(static_cast<int>(rng() % 3000) - 100) + " ";
    const int len = static_cast<int>(rng() % 4000);
    for (int i = 0; i < len; ++i) s += alphabet[rng() % alphabet.size()];
    return s;
  };
  for (int n = 0; n < 150; ++n) {
    const int sInc = static_cast<int>(rng() % 300), sTr = static_cast<int>(rng() % 300);
    Fixture t, c, r;
    const int results[] = {t.Tek(junk(), junk(), sInc, sTr), c.Cs(junk(), junk(), sInc, sTr),
                           r.Record(junk())};
    int i = 0;
    for (Fixture* f : {&t, &c, &r}) {
      if (results[i++] == kReadOk) {
        f->ExpectArraysSized();
      } else {
        f->ExpectUntouched();
      }
      EXPECT_LE(f->doc.m_incBaseEnd, std::max(f->doc.m_pointCount - 1, 0));
      EXPECT_LE(f->doc.m_trBaseEnd, std::max(f->doc.m_pointCount - 1, 0));
    }
  }
}

TEST(InstallChannels, PointCountsNoArrayCanHoldAreAllocFaults) {
  // The smoothed waves hold one more than the point count, which must stay an int.
  for (std::int64_t n : {std::int64_t{-1}, std::int64_t{INT_MAX}, std::int64_t{1} << 40}) {
    Fixture f;
    EXPECT_EQ(InstallChannels(f.doc, f.ui, {1.0}, {2.0}, n, kTektronixSource, "t"), kReadFailed)
        << n;
    EXPECT_EQ(f.ui.messages, std::vector<std::string>{"Alloc memory fault"});
    f.ExpectUntouched();
  }
}

}  // namespace
}  // namespace velk
