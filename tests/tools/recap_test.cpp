#include "tools/recap.h"

#include <gtest/gtest.h>

#include "../reduction/synthetic.h"

namespace velk {
namespace {

TEST(Recapitulation, OkWritesEveryFieldBackToItsOwnParameter) {
  testing::TestRecord r(testing::Flat(10, 0.0), testing::Flat(10, 0.0), false);
  TestParameters& p = r.ws.params;
  p.barWaveSpeedMs = 5122.0f;
  p.strikeBarVelocityMs = 12.5;
  p.channel[kTransmitted].bridgeVoltage = 6.0;

  RecapFields seen;
  r.ia.recapAnswers.push_back([&](RecapFields& f) {
    seen = f;
    f.impactedDiameterMm = 9.5f;
    f.trBridgeVoltage = 4.0;
    f.incGain = 200.0;
    f.strikerVelocityMs = 7.0f;
    return true;
  });
  OnRecapitulation(r.doc, r.ia);
  EXPECT_EQ(seen.trBridgeVoltage, 6.0);
  EXPECT_EQ(p.impactedDiameterMm, 9.5f);
  EXPECT_EQ(p.channel[kTransmitted].bridgeVoltage, 4.0);
  EXPECT_EQ(p.channel[kIncident].gainOrStaticStrain, 200.0);
  EXPECT_EQ(p.channel[kIncident].bridgeVoltage, 8.0);

  // Every field maps to its own parameter: a round trip of distinct values changes nothing.
  TestParameters q = p;
  RecapToParameters(RecapFromParameters(p), q);
  EXPECT_EQ(RecapFromParameters(q).trFactor, p.channel[kTransmitted].factor);
  EXPECT_EQ(q.channel[kIncident].armsOrHeight, p.channel[kIncident].armsOrHeight);
}

}  // namespace
}  // namespace velk
