// The two-bar computation: its formulas against hand-worked numbers, and the promise that a
// transmission bar equal to the incident bar leaves every result bit for bit as it was.

#include "reduction/bar_stages.h"

#include <gtest/gtest.h>

#include <random>

#include "record/param_file.h"
#include "record/reader.h"
#include "reduction/calculate.h"
#include "reduction/stress_strain.h"
#include "synthetic.h"

namespace velk {
namespace {

TEST(BarStages, FaceForcesVelocitiesAndSpecimenHistoriesMatchAHandCalculation) {
  // Incident bar: Z = 200000 MPa x 100 mm2 = 20 N per microstrain, c = 5000 m/s.
  // Transmission bar: Z = 50000 x 200 = 10 N per microstrain, c = 2500 m/s.
  // Gauges: incident 1000, reflected -600, transmitted 300 microstrain; dt 0.2 us, h 4 mm.
  const BarValues inc{5000, 200000, 100}, tr{2500, 50000, 200};
  struct Case {
    int model;
    double forceN;      // specimen force
    double closingMs;   // front minus back face velocity
    double unusedWave;  // the pulse the model fills from force balance
  };
  // Model 0: er = (10/20)*300 - 1000 = -850; v1 = 5000*(1000+850)e-6 = 9.25; v2 = 0.75.
  // Model 1: et = 20*(1000-600)/10 = 800; v1 = 8, v2 = 2500*800e-6 = 2.
  // Model 2: ei = 10*300/20 + 600 = 750; v1 = 5000*(750+600)e-6 = 6.75.
  // Model 3: F = (20*400 + 10*300)/2 = 5500; v1 = 8, v2 = 0.75.
  const Case cases[] = {{kModelIncidentTransmitted, 3000, 8.5, -850},
                        {kModelIncidentReflected, 8000, 6.0, 800},
                        {kModelReflectedTransmitted, 3000, 6.0, 750},
                        {kModelThreeWave, 5500, 7.25, 0}};
  for (const Case& c : cases) {
    BarPulses p{{1000, 1000, 1000}, {-600, -600, -600}, {300, 300, 300}};
    if (c.model == kModelIncidentTransmitted) p.reflected.assign(3, 0.0);
    if (c.model == kModelIncidentReflected) p.transmitted.assign(3, 0.0);
    if (c.model == kModelReflectedTransmitted) p.incident.assign(3, 0.0);
    const FaceHistories f = FaceForcesAndVelocities(p, inc, tr, c.model);
    if (c.model == kModelIncidentTransmitted) {
      EXPECT_NEAR(f.frontForceN[0], f.backForceN[0], 1e-9);
      EXPECT_NEAR(f.frontVelocityMs[0], 5000 * (1000 - c.unusedWave) * 1e-6, 1e-12);
    }
    if (c.model == kModelIncidentReflected) {
      EXPECT_NEAR(f.backVelocityMs[0], 2.0, 1e-12);
    }
    if (c.model == kModelReflectedTransmitted) {
      EXPECT_NEAR(f.frontForceN[0], 3000, 1e-9);
    }
    const SpecimenHistories s = SpecimenFromFaces(f, c.model, 0.2, 4.0);
    for (int i = 0; i < 3; ++i) {
      EXPECT_NEAR(s.forceN[i], c.forceN, 1e-9) << c.model;
      EXPECT_NEAR(s.strainRatePerS[i], c.closingMs * 1e3 / 4.0, 1e-9) << c.model;
      EXPECT_NEAR(s.deformationMm[i], (i + 1) * c.closingMs * 0.2e-3, 1e-15) << c.model;
    }
  }
}

TEST(BarStages, GaugePulsesReadOnlyTheModelsWindowsAndTheFaceStagePassesThem) {
  const std::vector<double> wi = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
  const std::vector<double> wt = {10, 11, 12, 13, 14, 15, 16, 17, 18, 19};
  PulseWindows w{kModelIncidentTransmitted, 1, 5, 4, -1, 2};
  BarPulses p = PulsesAtGauges(wi, wt, 2.0, 3.0, w);
  EXPECT_EQ(p.incident, (std::vector<double>{2, 4, 6}));
  EXPECT_EQ(p.reflected, (std::vector<double>{0, 0, 0}));
  // (14 + 0) and (15 + 10), (16 + 11) averaged, times 3.
  EXPECT_EQ(p.transmitted, (std::vector<double>{21, 37.5, 40.5}));
  w.model = kModelThreeWave;
  p = PulsesAtGauges(wi, wt, 2.0, 3.0, w);
  EXPECT_EQ(p.reflected, (std::vector<double>{10, 12, 14}));
  EXPECT_EQ(p.transmitted, (std::vector<double>{0, 30, 33}));
  const BarPulses faces = PulsesAtSpecimenFaces(p, 500, 300);
  EXPECT_EQ(faces.transmitted, p.transmitted);
}

// Every curve of every model, computed with the transmission bar off, on with an identical bar,
// and on with a bar that differs by one part in ten million in modulus.
void CheckIdentity(const std::function<std::unique_ptr<testing::TestRecord>()>& make) {
  for (int model = 0; model <= 4; ++model) {
    auto off = make(), same = make(), near = make();
    for (auto* r : {off.get(), same.get(), near.get()}) r->doc.m_setup.computeModel = model;
    same->doc.m_setup.trBarDiffers = true;
    same->doc.m_setup.trBarMaterialIndex = same->doc.m_setup.barMaterialIndex;
    same->doc.m_setup.trBarDiameterIndex = same->doc.m_setup.barDiameterIndex;
    BarMaterialRow twin = near->ws.bars.Materials()[near->doc.m_setup.barMaterialIndex];
    twin.name = "twin";
    twin.modulusMpa =
        static_cast<double>(std::nextafter(static_cast<float>(twin.modulusMpa), 1e9f));
    ASSERT_TRUE(near->ws.bars.AddMaterial(twin));
    near->doc.m_setup.trBarDiffers = true;
    near->doc.m_setup.trBarMaterialIndex = static_cast<int>(near->ws.bars.Materials().size()) - 1;
    near->doc.m_setup.trBarDiameterIndex = near->doc.m_setup.barDiameterIndex;
    ASSERT_TRUE(ComputeStressStrain(off->doc, off->ia));
    ASSERT_TRUE(ComputeStressStrain(same->doc, same->ia));
    ASSERT_TRUE(ComputeStressStrain(near->doc, near->ia)) << model;
    for (int c = 0; c < kResultCurveCount; ++c) {
      const auto& a = off->doc.m_computed[c];
      EXPECT_EQ(a, same->doc.m_computed[c]) << "model " << model << " curve " << c;
      const auto& b = near->doc.m_computed[c];
      ASSERT_EQ(a.size(), b.size());
      double scale = 0;
      for (double v : a) scale = std::max(scale, std::fabs(v));
      for (std::size_t i = 0; i < a.size(); ++i) {
        ASSERT_NEAR(a[i], b[i], 1e-5 * scale + 1e-12) << "model " << model << " curve " << c;
      }
    }
  }
}

TEST(BarStages, AnIdenticalTransmissionBarChangesNoBitOnRandomTests) {
  std::mt19937 rng(11);
  for (int trial = 0; trial < 5; ++trial) {
    std::uniform_real_distribution<double> u(-1.0, 1.0);
    std::vector<double> inc(3000), tr(3000);
    for (double& v : inc) v = u(rng);
    for (double& v : tr) v = 0.3 * u(rng);
    const int bar = trial % 2, dia = trial % 3;
    CheckIdentity([&] {
      auto r = std::make_unique<testing::TestRecord>(inc, tr, false);
      r->doc.m_workInc = r->doc.m_rawInc;
      r->doc.m_workTr = r->doc.m_rawTr;
      r->doc.m_windows = {100, 600, 1200, 1700, 700, 1300 + 300 * trial};
      r->doc.m_setup.barMaterialIndex = bar;
      r->doc.m_setup.barDiameterIndex = dia;
      r->doc.m_setup.matrixWaveSpeedMs = 300.0f;
      r->ws.params.matrixWaveSpeedMs = 300.0f;
      return r;
    });
  }
}

TEST(BarStages, AnIdenticalTransmissionBarChangesNoBitOnTheBundledSample) {
  const std::string dir = std::string(VELK_SOURCE_DIR) + "/samples/tek/";
  if (!std::ifstream(dir + "T1.PAT")) GTEST_SKIP() << "bundled sample not available";
  CheckIdentity([&] {
    auto r =
        std::make_unique<testing::TestRecord>(std::vector<double>{}, std::vector<double>{}, false);
    TektronixReader reader(WaveOpenInputs{dir + "T1_inc.txt", dir + "T1_tr.txt", 0, 0});
    EXPECT_EQ(reader.Read(r->doc, r->ia), kReadOk);
    EXPECT_TRUE(LoadParameterFile(dir + "T1.PAT", r->ws.params));
    r->doc.LoadParametersIntoSetup();
    r->doc.MakeWaveCopies();
    r->doc.m_workInc = r->doc.m_rawInc;
    r->doc.m_workTr = r->doc.m_rawTr;
    for (int k = 0; k < 6; ++k) r->doc.m_windows[k] = r->ws.params.windowIndices[k];
    return r;
  });
}

}  // namespace
}  // namespace velk
