#include "tools/calibration.h"

#include <gtest/gtest.h>

#include "../reduction/synthetic.h"

namespace velk {
namespace {

using testing::Flat;
using testing::TestRecord;

TEST(CalibrationFactor, FormulasAndZeroDenominators) {
  EXPECT_EQ(NjConversionFactor(1000.0, 2.0, 2.0, 500.0), 2.0);
  EXPECT_EQ(NjConversionFactor(1000.0, 3.0, 0.0, 500.0), 3000.0);
  EXPECT_EQ(CsConversionFactor(1000.0, 2.0, 0.0), 2000.0);

  NjParameterPage nj;
  nj.staticStrain = 1000.0;
  nj.bridgeVoltage = 1.0;
  nj.gaugeFactor = 1.0;
  nj.height = 3.0;
  RecalculateFactor(nj);
  EXPECT_EQ(nj.factor, 333.333333);
  CsParameterPage cs;
  static_cast<StaticCalPage&>(cs) = nj;
  cs.bridgeVoltage = 77.0;  // takes no part
  RecalculateFactor(cs);
  EXPECT_EQ(cs.factor, 666.666667);
}

TEST(StaticCalibration, SheetStoresOpenedPagesAndMarksCalibration) {
  TestRecord r(Flat(10, 0.0), Flat(10, 0.0), false);
  auto& ch = r.ws.params.channel;
  ch[kTransmitted].factor = 1.0 / 7.0;
  r.ws.Set(kBridgeParams);
  Sheet seen;
  r.ia.sheetAnswers.push_back([&](Sheet& s) {
    seen = s;
    auto& p = std::get<NjParameterPage>(s.pages[0].data);
    p.staticStrain = 1000.0;
    p.bridgeVoltage = 1.0;
    p.gaugeFactor = 1.0;
    p.height = 3.0;
    RecalculateFactor(p);
    std::get<NjParameterPage>(s.pages[1].data).height = 9.0;  // tab never opened
    return true;
  });
  OnStaticCalibration(r.doc, r.ia);
  const auto& offered = std::get<NjParameterPage>(seen.pages[0].data);
  EXPECT_EQ(offered.bridgeVoltage, 1.0);  // the calibration bridge voltage, not the bridge one
  EXPECT_EQ(offered.staticStrain, 500.0);
  EXPECT_EQ(ch[kIncident].factor, 333.333333);
  EXPECT_EQ(ch[kIncident].gainOrStaticStrain, 1000.0);
  EXPECT_EQ(ch[kIncident].bridgeVoltage, 8.0);  // the bridge slot keeps its own voltage
  EXPECT_EQ(ch[kTransmitted].factor, 1.0 / 7.0);
  EXPECT_TRUE(r.ws.Has(kCalibration));
  EXPECT_FALSE(r.ws.Has(kBridgeParams));

  // The CS20000 calibration needs a CS20000 test, the static one needs any other: no sheet.
  const auto prompts = r.ia.prompts.size();
  OnCs20000Calibration(r.doc, r.ia);
  r.ws.Set(kCs20000Source);
  OnStaticCalibration(r.doc, r.ia);
  EXPECT_EQ(r.ia.prompts.size(), prompts);
}

TEST(Cs20000Calibration, ClearsBothModeFlags) {
  TestRecord r(Flat(10, 0.0), Flat(10, 0.0), false);
  r.ws.Set(kCs20000Source | kBridgeParams | kCalibration);
  r.ia.sheetAnswers.push_back([&](Sheet& s) {
    s.pages[1].opened = true;
    auto& p = std::get<CsParameterPage>(s.pages[1].data);
    p.staticStrain = 1000.0;
    p.gaugeFactor = 2.0;
    p.height = 500.0;
    RecalculateFactor(p);
    return true;
  });
  OnCs20000Calibration(r.doc, r.ia);
  EXPECT_EQ(r.ws.params.channel[kTransmitted].factor, 2.0);
  // OK without an edit still copies the incident page back: its values are unchanged.
  EXPECT_EQ(r.ws.params.channel[kIncident].factor, kDefaultConversionFactor);
  EXPECT_FALSE(r.ws.Has(kBridgeParams));
  EXPECT_FALSE(r.ws.Has(kCalibration));
  EXPECT_TRUE(r.ws.Has(kCs20000Source));
}

}  // namespace
}  // namespace velk
