#include "record/doc_history.h"

#include <gtest/gtest.h>

#include <random>

#include "../reduction/synthetic.h"
#include "reduction/calculate.h"
#include "reduction/smoothing.h"
#include "tools/curve_tools.h"

namespace velk {
namespace {

using testing::TestRecord;
using testing::ThreeWaveRecord;

// One operator action on a test, with the answers it gets; applying it twice to equal records
// gives equal records.
struct Op {
  int kind = 0;
  int a = 0;
  int b = 0;
};
constexpr int kOpKinds = 9;

void Apply(const Op& op, TestRecord& r) {
  CVelkDoc& d = r.doc;
  r.ia.methodAnswers.clear();
  r.ia.pickAnswers.clear();
  r.ia.sheetAnswers.clear();
  constexpr int kKinds[] = {kOriginalWave, kProcessedWave, kEngStressCurve, kEngStressStrain,
                            kTrueStressStrain};
  switch (op.kind) {
    case 0:  // the three window methods, each followed by the computation
      r.ia.methodAnswers = {5};
      OnCalculate(d, r.ia);
      break;
    case 1:
      r.ia.methodAnswers = {6};
      r.ia.sheetAnswers.push_back([op](Sheet& s) {
        std::get<WavePosPage>(s.pages[0].data) =
            WavePosPage{780 + op.a % 40, 300, 1800, 1300, 1350 - op.b % 60, 900 + op.a % 9};
        return true;
      });
      OnCalculate(d, r.ia);
      break;
    case 2:
      r.ia.methodAnswers = {4};
      r.ia.pickAnswers = {620 + op.a % 80, 1650, 1100 + op.b % 100};
      OnCalculate(d, r.ia);
      break;
    case 3:
      OnRecalculate(d, r.ia);
      break;
    case 4:  // smoothing of what is shown; p = 0 is refused
      r.view->SelectCurve(kKinds[op.a % 5], 1, op.b % 2);
      ApplySmoothing(d, op.b % 6, 2200, r.ia);
      break;
    case 5:  // a cut beyond the curve or on the waves is refused
      r.view->SelectCurve(op.b % 4 == 0 ? kOriginalWave : kEngStressStrain, 1, 0);
      r.ia.pickAnswers = {op.a % std::max(1, d.m_lastResultIndex + 20)};
      OnCutCurve(d, r.ia);
      break;
    case 6:
      r.view->SelectCurve(kEngStressStrain, 1, 0);
      r.ia.pickAnswers = {op.a % std::max(1, d.m_lastResultIndex + 1)};
      OnStraightenCurve(d, r.ia);
      break;
    case 7:  // a setup-dialog edit
      d.m_setup.specimenDiameterMm = d.params().specimenDiameterMm = 4.0f + op.a % 8;
      d.m_setup.computeModel = op.b % 4;
      break;
    default:  // a baseline drag
      d.m_shownWaves = 1 + op.b % 2;
      (d.m_shownWaves == 1 ? d.m_incBaseStart : d.m_trBaseStart) = op.a % 100;
      (d.m_shownWaves == 1 ? d.m_incBaseEnd : d.m_trBaseEnd) = 100 + op.b % 100;
      d.ComputeBaselineMeans();
      break;
  }
}

// Where the record differs from the record the operations make on a freshly opened test.
std::string DifferenceFromReplay(const TestRecord& r, const std::vector<Op>& ops) {
  auto fresh = ThreeWaveRecord();
  for (const Op& op : ops) Apply(op, *fresh);
  const char* diff = FirstDifference(CaptureDocState(fresh->doc), r.doc);
  return diff ? diff : "";
}

TEST(DocHistory, AnySequenceOfChangesUndosAndRedosEqualsTheRemainingChangesFromScratch) {
  for (unsigned seed : {1u, 2u, 3u}) {
    std::mt19937 rng(seed);
    auto r = ThreeWaveRecord();
    DocHistory h;
    std::vector<Op> done, undone;  // the changes kept, and those undone (last undone last)
    for (int step = 0; step < 120; ++step) {
      const int roll = static_cast<int>(rng() % 10);
      std::string what;
      if (roll < 6) {
        const Op op{static_cast<int>(rng() % kOpKinds), static_cast<int>(rng() % 1000),
                    static_cast<int>(rng() % 1000)};
        h.Begin(r->doc, "op");
        Apply(op, *r);
        if (h.End(r->doc)) {
          done.push_back(op);
          undone.clear();
        }
        what = "op " + std::to_string(op.kind);
      } else if (roll < 9) {
        ASSERT_EQ(h.Undo(r->doc), !done.empty());
        if (!done.empty()) {
          undone.push_back(done.back());
          done.pop_back();
        }
        what = "undo";
      } else {
        ASSERT_EQ(h.Redo(r->doc), !undone.empty());
        if (!undone.empty()) {
          done.push_back(undone.back());
          undone.pop_back();
        }
        what = "redo";
      }
      ASSERT_EQ(DifferenceFromReplay(*r, done), "")
          << "seed " << seed << " step " << step << " " << what;
      ASSERT_EQ(h.undoDepth(), done.size());
      ASSERT_EQ(h.redoDepth(), undone.size());
    }
  }
}

TEST(DocHistory, FailedChangesLeaveNoStepAndUndoSkipsThem) {
  auto r = ThreeWaveRecord();
  DocHistory h;
  const Op compute{0, 0, 0}, cutAt100{5, 100, 1};
  for (const Op& op : {compute, cutAt100}) {
    h.Begin(r->doc, op.kind == 0 ? "计算" : "切除曲线");
    Apply(op, *r);
    ASSERT_TRUE(h.End(r->doc));
  }
  ASSERT_EQ(r->doc.m_lastResultIndex, 100);
  // Refused with a message each, on the curve the cut left shown: a smoothing of zero points, a
  // cut beyond the curve's end, a straightening too near its end.
  const std::size_t messages = r->ia.messages.size();
  auto refuse = [&](auto&& change) {
    h.Begin(r->doc, "failed");
    change();
    EXPECT_FALSE(h.End(r->doc));
  };
  refuse([&] { ApplySmoothing(r->doc, 0, 2200, r->ia); });
  refuse([&] {
    r->ia.pickAnswers = {105};
    OnCutCurve(r->doc, r->ia);
  });
  refuse([&] {
    r->ia.pickAnswers = {95};
    OnStraightenCurve(r->doc, r->ia);
  });
  // Three refusals and the straightening's prompt for its centre.
  EXPECT_EQ(r->ia.messages.size(), messages + 4);
  EXPECT_EQ(h.undoDepth(), 2u);
  EXPECT_EQ(h.UndoLabel(), "切除曲线");
  ASSERT_TRUE(h.Undo(r->doc));
  EXPECT_EQ(DifferenceFromReplay(*r, {compute}), "");
  EXPECT_EQ(h.RedoLabel(), "切除曲线");
  ASSERT_TRUE(h.Redo(r->doc));
  EXPECT_EQ(DifferenceFromReplay(*r, {compute, cutAt100}), "");
}

TEST(DocHistory, SharesUnchangedArraysAndDropsTheOldestStepsBeyondItsLimits) {
  auto r = ThreeWaveRecord();
  std::vector<Op> ops;
  auto change = [&](DocHistory& h, const Op& op) {
    h.Begin(r->doc, "change");
    Apply(op, *r);
    ops.push_back(op);
    return h.End(r->doc);
  };
  // The waves are held once, however many steps: parameter edits cost no samples.
  DocHistory shared;
  for (int k = 0; k < 10; ++k) ASSERT_TRUE(change(shared, {7, k, k}));
  EXPECT_EQ(shared.undoDepth(), 10u);
  const std::size_t recordBytes = SampleBytes(CaptureDocState(r->doc));
  EXPECT_EQ(shared.bytes(), recordBytes);
  EXPECT_GE(recordBytes, 6 * 2200 * sizeof(double));

  // A wave smoothing changes both smoothed waves (2 x 2201 samples); the budget holds the record
  // once and three more pairs, so four steps.
  const std::size_t stepBytes = 2 * 2201 * sizeof(double);
  DocHistory h({recordBytes + 3 * stepBytes, 100});
  for (int p : {2, 3, 4, 5, 2, 3}) {
    ASSERT_TRUE(change(h, {4, 0, p})) << p;  // the original waves, p points
    EXPECT_LE(h.bytes(), recordBytes + 3 * stepBytes);
  }
  EXPECT_EQ(h.undoDepth(), 4u);
  // What is left undoes the newest steps, in order.
  while (h.Undo(r->doc)) ops.pop_back();
  EXPECT_EQ(ops.size(), 12u);
  EXPECT_EQ(DifferenceFromReplay(*r, ops), "");

  DocHistory deep({std::size_t{1} << 30, 2});
  for (int k = 0; k < 5; ++k) ASSERT_TRUE(change(deep, {8, k, k}));
  EXPECT_EQ(deep.undoDepth(), 2u);
}

}  // namespace
}  // namespace velk
