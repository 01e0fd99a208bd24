#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <numeric>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "record/reader.h"
#include "record/reader_common.h"
#include "record/scripted_interaction.h"
#include "record/velk_doc.h"
#include "test_files.h"

namespace velk {
namespace {

// A Tektronix text file: record length, three header numbers, then the samples.
std::string TekText(int declared, const std::vector<double>& samples, const char* eol = "\n") {
  std::ostringstream s;
  s.precision(17);
  s << declared << eol << "0" << eol << "0" << eol << "0" << eol;
  for (double v : samples) s << v << eol;
  return s.str();
}

std::vector<double> Ramp(int n, double from, double step = 1.0) {
  std::vector<double> v(n);
  for (int i = 0; i < n; ++i) v[i] = from + step * i;
  return v;
}

double Mean(const std::vector<double>& v, int first, int last) {
  return std::accumulate(v.begin() + first, v.begin() + last + 1, 0.0) / (last - first + 1);
}

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
  // Every array has the length its point count promises.
  void ExpectArraysSized() const {
    const std::size_t n = static_cast<std::size_t>(doc.m_pointCount);
    EXPECT_EQ(doc.m_rawInc.size(), n);
    EXPECT_EQ(doc.m_rawTr.size(), n);
    EXPECT_EQ(doc.m_workInc.size(), n);
    EXPECT_EQ(doc.m_workTr.size(), n);
    EXPECT_EQ(doc.m_smoothInc.size(), n + 1);
    EXPECT_EQ(doc.m_smoothTr.size(), n + 1);
  }
  // A failed read leaves the record exactly as the constructor made it.
  void ExpectUntouched() const {
    EXPECT_EQ(doc.m_pointCount, 1024);
    EXPECT_TRUE(doc.m_rawInc.empty() && doc.m_rawTr.empty() && doc.m_smoothInc.empty());
    EXPECT_EQ(ws.flags, 0u);
  }
};

TEST(TektronixReader, ReadsDeclaredSamplesAndDropsStartPoints) {
  Fixture f;
  const auto inc = Ramp(4096, 0.5, 0.25);
  const auto tr = Ramp(4096, -3.0, 0.125);
  ASSERT_EQ(f.Tek(TekText(4096, inc), TekText(4096, tr)), kReadOk);
  EXPECT_EQ(f.doc.m_pointCount, 4096);
  f.ExpectArraysSized();
  EXPECT_EQ(f.doc.m_rawInc, inc);
  EXPECT_EQ(f.doc.m_rawTr, tr);
  EXPECT_EQ(f.ws.flags, static_cast<std::uint32_t>(kTektronixSource | kWavesLoaded));
  EXPECT_DOUBLE_EQ(f.doc.m_incBaseMean, Mean(inc, 0, 199));
  EXPECT_DOUBLE_EQ(f.doc.m_trBaseMean, Mean(tr, 0, 199));
  EXPECT_TRUE(f.ui.messages.empty());

  Fixture g;
  ASSERT_EQ(g.Tek(TekText(4096, inc), TekText(4096, tr), 100, 100), kReadOk);
  EXPECT_EQ(g.doc.m_pointCount, 3996);
  g.ExpectArraysSized();
  EXPECT_EQ(g.doc.m_rawInc.front(), inc[100]);
  EXPECT_EQ(g.doc.m_rawTr.back(), tr[4095]);
  EXPECT_DOUBLE_EQ(g.doc.m_incBaseMean, Mean(inc, 100, 299));
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
}

TEST(TektronixReader, ShortFilesRepeatTheLastSampleAndBadTokensEndTheData) {
  Fixture f;
  // 250 of 300 declared samples; a token that is not a number ends the data at 3 samples.
  ASSERT_EQ(f.Tek(TekText(300, Ramp(250, 1.0)), "300 0 0 0 5 6 7 x 8 9"), kReadOk);
  EXPECT_EQ(f.doc.m_pointCount, 300);
  f.ExpectArraysSized();
  EXPECT_EQ(f.doc.m_rawInc[249], 250.0);
  EXPECT_EQ(f.doc.m_rawInc[250], 250.0);
  EXPECT_EQ(f.doc.m_rawInc[299], 250.0);
  EXPECT_EQ(f.doc.m_rawTr[2], 7.0);
  EXPECT_EQ(f.doc.m_rawTr[3], 7.0);
  EXPECT_EQ(f.doc.m_rawTr[299], 7.0);

  // Header numbers never become samples: a file that stops after its header holds zeros.
  Fixture g;
  ASSERT_EQ(g.Tek("5 1.5 2.5 3.5", "5 0 0 0 1 2 3 4 5"), kReadOk);
  EXPECT_EQ(g.doc.m_rawInc, std::vector<double>(5, 0.0));
}

TEST(TektronixReader, RecordLengthCarriesFromTheIncidentFile) {
  // The transmitted file's length cannot be read as an integer (".5" is no "%d"), so the
  // incident file's length holds for it, and ".5" becomes its first header number.
  Fixture f;
  ASSERT_EQ(f.Tek(TekText(4, {1, 2, 3, 4}), ".5 0 0 10 20 30 40 50 60"), kReadOk);
  EXPECT_EQ(f.doc.m_pointCount, 4);
  EXPECT_EQ(f.doc.m_rawTr, (std::vector<double>{10, 20, 30, 40}));

  // Files with no number at all: the default length 1024, all zeros.
  Fixture g;
  ASSERT_EQ(g.Tek("no numbers here\n", ""), kReadOk);
  EXPECT_EQ(g.doc.m_pointCount, 1024);
  g.ExpectArraysSized();
  EXPECT_EQ(g.doc.m_rawInc, std::vector<double>(1024, 0.0));
  EXPECT_EQ(g.doc.m_incBaseMean, 0.0);
}

TEST(TektronixReader, UnequalChannelsAreCutOrZeroPaddedToThePointCount) {
  // Longer transmitted record: the incident channel is padded with zeros, never read past.
  Fixture f;
  ASSERT_EQ(f.Tek(TekText(300, Ramp(300, 1.0)), TekText(400, Ramp(400, -1.0, -1.0))), kReadOk);
  EXPECT_EQ(f.doc.m_pointCount, 400);
  f.ExpectArraysSized();
  EXPECT_EQ(f.doc.m_rawInc[299], 300.0);
  EXPECT_EQ(f.doc.m_rawInc[300], 0.0);
  EXPECT_EQ(f.doc.m_rawInc[399], 0.0);
  EXPECT_EQ(f.doc.m_rawTr[399], -400.0);

  // Shorter transmitted record: the incident channel is cut.
  Fixture g;
  ASSERT_EQ(g.Tek(TekText(400, Ramp(400, 1.0)), TekText(300, Ramp(300, 1.0))), kReadOk);
  EXPECT_EQ(g.doc.m_pointCount, 300);
  g.ExpectArraysSized();

  // Unequal start points: the point count is the transmitted length less the incident start.
  Fixture h;
  ASSERT_EQ(h.Tek(TekText(300, Ramp(300, 1.0)), TekText(300, Ramp(300, 1.0)), 0, 50), kReadOk);
  EXPECT_EQ(h.doc.m_pointCount, 300);
  h.ExpectArraysSized();
  EXPECT_EQ(h.doc.m_rawTr[0], 51.0);
  EXPECT_EQ(h.doc.m_rawTr[249], 300.0);
  EXPECT_EQ(h.doc.m_rawTr[250], 0.0);

  Fixture k;
  ASSERT_EQ(k.Tek(TekText(300, Ramp(300, 1.0)), TekText(300, Ramp(300, 1.0)), 50, 0), kReadOk);
  EXPECT_EQ(k.doc.m_pointCount, 250);
  k.ExpectArraysSized();
  EXPECT_EQ(k.doc.m_rawInc[0], 51.0);
  EXPECT_EQ(k.doc.m_rawTr[249], 250.0);
}

TEST(TektronixReader, RefusesBadStartPointsAndEmptyRecords) {
  const std::string file = TekText(300, Ramp(300, 1.0));
  Fixture f;
  EXPECT_EQ(f.Tek(file, file, 301, 0), kReadFailed);
  EXPECT_EQ(f.ui.messages, std::vector<std::string>{"Alloc memory fault"});
  f.ExpectUntouched();

  Fixture g;
  EXPECT_EQ(g.Tek(file, file, 0, 301), kReadFailed);
  EXPECT_EQ(g.ui.messages, std::vector<std::string>{"Alloc memory fault"});
  g.ExpectUntouched();

  Fixture h;
  EXPECT_EQ(h.Tek(file, file, 300, 0), kReadFailed);
  ASSERT_EQ(h.ui.messages.size(), 1u);
  EXPECT_EQ(h.ui.messages[0], "文件 " + h.ws.waveOpen.transmittedPath + " 中没有数据。");
  h.ExpectUntouched();

  Fixture k;
  EXPECT_EQ(k.Tek(file, file, -1, 0), kReadFailed);
  EXPECT_EQ(k.ui.messages, std::vector<std::string>{"开始点不能为负数。"});
  k.ExpectUntouched();

  // A negative declared length is a start point beyond the record.
  Fixture m;
  EXPECT_EQ(m.Tek("-5 0 0 0 1 2", file), kReadFailed);
  EXPECT_EQ(m.ui.messages, std::vector<std::string>{"Alloc memory fault"});

  Fixture n;
  n.ws.waveOpen = {n.dir.Write("inc.txt", file), (n.dir.path() / "missing.txt").string(), 0, 0};
  EXPECT_FALSE(WaveFilesOpenable(n.ws.waveOpen, n.ui));
  EXPECT_EQ(n.ui.messages.at(0), "Open file " + n.ws.waveOpen.transmittedPath + " fault!");
  EXPECT_EQ(ReadTektronixWaves(n.doc, n.ui), kReadFailed);
  EXPECT_EQ(n.ui.messages.at(1), n.ui.messages.at(0));
  n.ExpectUntouched();
  n.ws.waveOpen.transmittedPath.clear();
  EXPECT_FALSE(WaveFilesOpenable(n.ws.waveOpen, n.ui));
  EXPECT_EQ(n.ui.messages.size(), 2u);
}

TEST(TektronixReader, DamagedHeadersCannotForceHugeAllocations) {
  // A header claiming two billion samples over 500 real ones: the channel holds the 500.
  Fixture f;
  ASSERT_EQ(f.Tek(TekText(2000000000, Ramp(500, 1.0)), TekText(2000000000, Ramp(500, 2.0))),
            kReadOk);
  EXPECT_EQ(f.doc.m_pointCount, 500);
  f.ExpectArraysSized();
  EXPECT_EQ(f.doc.m_rawTr[499], 501.0);

  // A moderate shortfall is still a truncated export: repeated up to the declared length.
  Fixture g;
  ASSERT_EQ(g.Tek(TekText(100500, Ramp(500, 1.0)), TekText(100500, Ramp(500, 1.0))), kReadOk);
  EXPECT_EQ(g.doc.m_pointCount, 100500);
  EXPECT_EQ(g.doc.m_rawInc[100499], 500.0);

  // An integer too large for an int is clamped and then treated the same way.
  Fixture h;
  ASSERT_EQ(h.Tek("99999999999999 0 0 0 1 2 3", "99999999999999 0 0 0 4 5 6"), kReadOk);
  EXPECT_EQ(h.doc.m_pointCount, 3);
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
  for (const Pair& p : pairs) {
    Workspace ws;
    CVelkDoc doc(ws);
    ScriptedInteraction ui;
    const std::string base = std::string(VELK_TEST_DATA) + "/realdata/" + p.name;
    ws.waveOpen = {base + "_inc.txt", base + "_tr.txt", 0, 0};
    ASSERT_TRUE(WaveFilesOpenable(ws.waveOpen, ui)) << p.name;
    ASSERT_EQ(ReadTektronixWaves(doc, ui), kReadOk) << p.name;
    EXPECT_EQ(doc.m_pointCount, p.points) << p.name;
    EXPECT_EQ(doc.m_rawInc.front(), static_cast<double>(static_cast<float>(p.inc0))) << p.name;
    EXPECT_EQ(doc.m_rawTr.front(), static_cast<double>(static_cast<float>(p.tr0))) << p.name;
    EXPECT_EQ(doc.m_rawInc.back(), static_cast<double>(static_cast<float>(p.incLast))) << p.name;
    EXPECT_EQ(doc.m_rawTr.back(), static_cast<double>(static_cast<float>(p.trLast))) << p.name;
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
  ASSERT_EQ(f.Cs(text(4096, 1.0), text(4096, -5000.0)), kReadOk);
  EXPECT_EQ(f.doc.m_pointCount, 4096);
  f.ExpectArraysSized();
  EXPECT_EQ(f.doc.m_rawInc, Ramp(4096, 1.0));
  EXPECT_EQ(f.doc.m_rawTr, Ramp(4096, -5000.0));
  EXPECT_EQ(f.ws.flags, static_cast<std::uint32_t>(kCs20000Source | kWavesLoaded));

  Fixture g;
  ASSERT_EQ(g.Cs(text(4096, 1.0), text(4096, 1.0), 100, 100), kReadOk);
  EXPECT_EQ(g.doc.m_pointCount, 3996);
  g.ExpectArraysSized();
  EXPECT_EQ(g.doc.m_rawInc.front(), 101.0);
  EXPECT_EQ(g.doc.m_rawInc.back(), 4096.0);

  // 1500 samples: capacity 2048, the positions without a sample are zero.
  Fixture h;
  ASSERT_EQ(h.Cs(text(1500, 1.0), text(1500, 1.0)), kReadOk);
  EXPECT_EQ(h.doc.m_pointCount, 2048);
  h.ExpectArraysSized();
  EXPECT_EQ(h.doc.m_rawInc[1499], 1500.0);
  EXPECT_EQ(h.doc.m_rawInc[1500], 0.0);
  EXPECT_EQ(h.doc.m_rawTr[2047], 0.0);

  // An empty incident file beside a 2048-sample transmitted file: both waves 2048 long.
  Fixture k;
  ASSERT_EQ(k.Cs("", text(2048, 1.0)), kReadOk);
  EXPECT_EQ(k.doc.m_pointCount, 2048);
  k.ExpectArraysSized();
  EXPECT_EQ(k.doc.m_rawInc, std::vector<double>(2048, 0.0));

  // A token that is not a number ends the file; a point count below 200 clamps the baselines.
  Fixture m;
  ASSERT_EQ(m.Cs("1 2 3 junk 4 5", "7 8 9"), kReadOk);
  EXPECT_EQ(m.doc.m_pointCount, 1024);
  EXPECT_EQ(m.doc.m_rawInc[3], 0.0);
  Fixture n;
  ASSERT_EQ(n.Cs("1 2 3", "4 5 6", 1000, 0), kReadOk);
  EXPECT_EQ(n.doc.m_pointCount, 24);
  EXPECT_EQ(n.doc.m_incBaseEnd, 23);
  EXPECT_EQ(n.doc.m_rawTr[0], 4.0);
}

TEST(Cs20000Reader, RefusesStartPointsBeyondTheCapacity) {
  Fixture f;
  EXPECT_EQ(f.Cs("1 2 3", "4 5 6", 1025, 0), kReadFailed);
  EXPECT_EQ(f.ui.messages, std::vector<std::string>{"Alloc memory fault"});
  f.ExpectUntouched();
  Fixture g;
  EXPECT_EQ(g.Cs("1 2 3", "4 5 6", 1024, 0), kReadFailed);
  EXPECT_EQ(g.ui.messages.size(), 1u);
  g.ExpectUntouched();
  Fixture h;
  EXPECT_EQ(h.Cs("1 2 3", "4 5 6", 0, -3), kReadFailed);
  EXPECT_EQ(h.ui.messages, std::vector<std::string>{"开始点不能为负数。"});
}

std::string Lines(const std::vector<std::string>& lines, const char* eol) {
  std::string s;
  for (const auto& l : lines) s += l + eol;
  return s;
}

TEST(RecordFileReader, SplitsTheReadingsInHalvesLess512) {
  std::vector<std::string> lines(500, "612");
  lines.resize(1000, "412");
  for (const char* eol : {"\n", "\r\n", "\r"}) {
    Fixture f;
    ASSERT_EQ(f.Record(Lines(lines, eol)), kReadOk) << eol;
    EXPECT_EQ(f.doc.m_pointCount, 500);
    f.ExpectArraysSized();
    EXPECT_EQ(f.doc.m_rawInc, std::vector<double>(500, 100.0));
    EXPECT_EQ(f.doc.m_rawTr, std::vector<double>(500, -100.0));
    EXPECT_EQ(f.doc.m_incBaseMean, 100.0);
    EXPECT_EQ(f.doc.m_trBaseMean, -100.0);
    EXPECT_EQ(f.ws.flags, static_cast<std::uint32_t>(kRecordFileSource | kWavesLoaded));
  }

  Fixture g;
  ASSERT_EQ(g.Record(Lines(std::vector<std::string>(2048, "512"), "\n")), kReadOk);
  EXPECT_EQ(g.doc.m_pointCount, 1024);
  EXPECT_EQ(g.doc.m_rawTr, std::vector<double>(1024, 0.0));
}

TEST(RecordFileReader, EmptyLineEndsTheDataAndOddCountsPadWithZero) {
  std::vector<std::string> lines(400, "520");
  lines.push_back("");
  lines.resize(800, "999");
  Fixture f;
  ASSERT_EQ(f.Record(Lines(lines, "\r\n")), kReadOk);
  EXPECT_EQ(f.doc.m_pointCount, 200);
  EXPECT_EQ(f.doc.m_rawTr.back(), 8.0);

  std::vector<std::string> odd;
  for (int i = 1; i <= 1001; ++i) odd.push_back(std::to_string(512 + i));
  Fixture g;
  ASSERT_EQ(g.Record(Lines(odd, "\n")), kReadOk);
  EXPECT_EQ(g.doc.m_pointCount, 501);
  g.ExpectArraysSized();
  EXPECT_EQ(g.doc.m_rawInc.back(), 501.0);
  EXPECT_EQ(g.doc.m_rawTr.front(), 502.0);
  EXPECT_EQ(g.doc.m_rawTr[499], 1001.0);
  EXPECT_EQ(g.doc.m_rawTr[500], 0.0);

  // atof per line: exponent, trailing text, letters only, leading blanks; no final line end.
  Fixture h;
  ASSERT_EQ(h.Record("1.5e2\n  600abc\nletters\n1,5e3"), kReadOk);
  EXPECT_EQ(h.doc.m_pointCount, 2);
  EXPECT_EQ(h.doc.m_rawInc, (std::vector<double>{-362.0, 88.0}));
  EXPECT_EQ(h.doc.m_rawTr, (std::vector<double>{-512.0, -511.0}));
  EXPECT_EQ(h.doc.m_incBaseEnd, 1);
}

TEST(RecordFileReader, RefusesFilesWithoutReadings) {
  for (const char* text : {"", "\n612\n", "\r\n612"}) {
    Fixture f;
    EXPECT_EQ(f.Record(text), kReadFailed);
    ASSERT_EQ(f.ui.messages.size(), 1u);
    EXPECT_NE(f.ui.messages[0].find("中没有数据"), std::string::npos);
    f.ExpectUntouched();
  }
  Fixture g;
  EXPECT_EQ(RecordFileReader((g.dir.path() / "none.DAT").string()).Read(g.doc, g.ui), kReadFailed);
  EXPECT_EQ(g.ui.messages, std::vector<std::string>{"打开文档失败。"});
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
    if (t.Tek(junk(), junk(), sInc, sTr) == kReadOk) {
      t.ExpectArraysSized();
    } else {
      t.ExpectUntouched();
    }
    if (c.Cs(junk(), junk(), sInc, sTr) == kReadOk) {
      c.ExpectArraysSized();
    } else {
      c.ExpectUntouched();
    }
    if (r.Record(junk()) == kReadOk) {
      r.ExpectArraysSized();
    } else {
      r.ExpectUntouched();
    }
    for (const Fixture* f : {&t, &c, &r}) {
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
