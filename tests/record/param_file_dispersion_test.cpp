// The dispersion correction in the parameter file: a key of the fourth line, written only when on.

#include <gtest/gtest.h>

#include "record/param_file.h"
#include "record/velk_doc.h"

namespace velk {
namespace {

TEST(ParamFileDispersion, TheFlagTravelsInTheFourthLineOnlyWhenOn) {
  Workspace ws;
  CVelkDoc doc(ws);
  doc.m_setup.barMaterialIndex = 0;
  doc.m_setup.barDiameterIndex = 2;
  doc.SetBarProperties();
  const std::string plain = FormatParameterFile(ws);
  ws.params.dispersionCorrection = true;
  const std::string on = FormatParameterFile(ws);
  // Built-in bars and no distances: the correction alone brings the fourth line.
  ASSERT_EQ(on.substr(0, plain.size()), plain);
  EXPECT_EQ(on.substr(plain.size()),
            "bar_nu=0.290000 bar_d=16.000000 tr=0 gauge_inc=0.000000 gauge_tr=0.000000 "
            "dispersion=1 \n");

  Workspace back;
  back.params.dispersionCorrection = false;
  ParseParameterFile(on, back, "d.PAT");
  EXPECT_TRUE(back.params.dispersionCorrection);
  const std::string again = FormatParameterFile(back);
  EXPECT_EQ(again.substr(again.rfind("bar_nu")), on.substr(plain.size()));
  // A file without the key, or without the line, turns the correction off.
  ParseParameterFile(plain, back, "d.PAT");
  EXPECT_FALSE(back.params.dispersionCorrection);
  ws.params.incGaugeDistanceMm = 900;
  ws.params.dispersionCorrection = false;
  const std::string distancesOnly = FormatParameterFile(ws);
  EXPECT_EQ(distancesOnly.find("dispersion"), std::string::npos);
  back.params.dispersionCorrection = true;
  ParseParameterFile(distancesOnly, back, "d.PAT");
  EXPECT_FALSE(back.params.dispersionCorrection);
  EXPECT_EQ(back.params.incGaugeDistanceMm, 900.0f);
}

}  // namespace
}  // namespace velk
