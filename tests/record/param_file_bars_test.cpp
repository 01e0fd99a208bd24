// The parameter file with the bar library: rows chosen by the values the file holds, session rows
// for a bar on neither list, and the optional fourth line.

#include <gtest/gtest.h>

#include <cmath>

#include "record/param_file.h"
#include "record/velk_doc.h"
#include "test_files.h"

namespace velk {
namespace {

TEST(ParamFileBars, BuiltInBarsWriteTodaysBytesAndSelectTodaysRows) {
  for (int m = 0; m < 2; ++m) {
    for (int d = 0; d < 3; ++d) {
      Workspace ws;
      CVelkDoc doc(ws);
      ws.params.barMaterialIndex = m;
      ws.params.barDiameterIndex = d;
      ws.params.windowIndices = {1, 2, 3, 4, 5, 6};
      TestParameters old = ws.params;
      const std::string text = FormatParameterFile(ws);
      EXPECT_EQ(text, FormatParameterFile(old));

      Workspace back;
      back.params.barMaterialIndex = 1 - m;
      ParseParameterFile(text, back, "a1.PAT");
      EXPECT_EQ(back.params.barMaterialIndex, m);
      EXPECT_EQ(back.params.barDiameterIndex, d);  // 201.061926 is the 16 mm row as a file holds it
      EXPECT_EQ(back.bars.Materials().size(), 2u);
      EXPECT_EQ(back.bars.Diameters().size(), 3u);
      EXPECT_FALSE(back.params.trBarDiffers);
    }
  }
}

TEST(ParamFileBars, AFileBarOnNoListBecomesASessionRowNamedAfterTheFile) {
  Workspace ws;
  ASSERT_TRUE(ws.bars.AddMaterial({"S20", 5188.0, 210000.0, 0.3, 7800.0}));
  ASSERT_TRUE(ws.bars.AddDiameter({"20", 20.0}));
  const std::string line23 = "8 4 0 0 0.2 3 0 \n1 2 3 4 5 6 \n";
  // A lab row matches at the file's precision.
  ParseParameterFile("5188.000000 210000.000000 314.159260 476.19 476.19 \n" + line23, ws, "x.PAT");
  EXPECT_EQ(ws.params.barMaterialIndex, 2);
  EXPECT_EQ(ws.params.barDiameterIndex, 3);
  EXPECT_EQ(ws.bars.Materials().size(), 3u);
  // A bar on no list: kept as the file gives it, not replaced by aluminium.
  ParseParameterFile("4975.000000 109300.000000 70.435600 476.19 476.19 \n" + line23, ws,
                     "epoxy01.PAT");
  ASSERT_EQ(ws.bars.Materials().size(), 4u);
  ASSERT_EQ(ws.bars.Diameters().size(), 5u);
  EXPECT_EQ(ws.params.barMaterialIndex, 3);
  EXPECT_EQ(ws.params.barDiameterIndex, 4);
  const BarMaterialRow& m = ws.bars.Materials()[3];
  EXPECT_EQ(m.name, "epoxy01.PAT");
  EXPECT_EQ(m.origin, BarRowOrigin::Session);
  EXPECT_EQ(static_cast<float>(m.modulusMpa), 109300.0f);
  EXPECT_NEAR(ws.bars.Diameters()[4].diameterMm, 9.47, 1e-4);  // sqrt(4A/pi)
  // The computation takes the session rows' values.
  CVelkDoc doc(ws);
  doc.LoadParametersIntoSetup();
  doc.SetBarProperties();
  EXPECT_EQ(ws.params.barWaveSpeedMs, 4975.0f);
  EXPECT_EQ(static_cast<float>(ws.params.barAreaMm2), 70.4356f);
  // Loading the same file again finds its session rows.
  ParseParameterFile("4975.000000 109300.000000 70.435600 476.19 476.19 \n" + line23, ws,
                     "epoxy01.PAT");
  EXPECT_EQ(ws.bars.Materials().size(), 4u);
  // Values that make no bar fall back to the old choice; so does an area the file's layout would
  // write back as 0.000000, else the saved file would choose another bar.
  for (const char* line1 : {"0 0 0 \n", "5000 99323 1.5E-07 \n"}) {
    ParseParameterFile(line1 + line23, ws, "z.PAT");
    EXPECT_EQ(ws.params.barMaterialIndex, 1) << line1;
    EXPECT_EQ(ws.bars.Materials().size(), 4u) << line1;
  }
}

TEST(ParamFileBars, FourthLineCarriesTheTransmissionBarAndGaugeDistances) {
  Workspace ws;
  CVelkDoc doc(ws);
  ASSERT_TRUE(ws.bars.AddMaterial({"Ti-6Al-4V", 4975.0, 109300.0, 0.34, 4416.0}));
  ASSERT_TRUE(ws.bars.AddDiameter({"9.47", 9.47}));
  doc.m_setup.barMaterialIndex = 2;
  doc.m_setup.barDiameterIndex = 3;
  doc.m_setup.trBarDiffers = true;
  doc.m_setup.trBarMaterialIndex = 1;  // aluminium
  doc.m_setup.trBarDiameterIndex = 3;
  doc.SetBarProperties();
  ws.params.incGaugeDistanceMm = 500.0f;
  ws.params.trGaugeDistanceMm = 300.0f;
  const std::string text = FormatParameterFile(ws);
  const std::size_t lineEnd3 = text.find('\n', text.find('\n', text.find('\n') + 1) + 1);
  EXPECT_EQ(text.substr(lineEnd3 + 1),
            "bar_nu=0.340000 bar_d=9.470000 tr=1 tr_c=5065.000000 tr_e=71420.000000 "
            "tr_a=70.435213 tr_nu=0.330000 tr_d=9.470000 gauge_inc=500.000000 "
            "gauge_tr=300.000000 \n");
  EXPECT_EQ(text.substr(0, 12), "4975.000000 ");

  // A reader with only the built-in rows: session rows for the titanium bar, aluminium found.
  Workspace back;
  ParseParameterFile(text, back, "ti.PAT");
  const TestParameters& q = back.params;
  EXPECT_TRUE(q.trBarDiffers);
  EXPECT_EQ(q.trBarMaterialIndex, 1);
  EXPECT_EQ(q.trBarDiameterIndex, q.barDiameterIndex);  // both bars share the session diameter
  EXPECT_EQ(back.bars.Materials()[q.barMaterialIndex].name, "ti.PAT");
  EXPECT_FLOAT_EQ(q.barPoisson, 0.34f);
  EXPECT_EQ(q.trBarWaveSpeedMs, 5065.0f);
  EXPECT_EQ(q.incGaugeDistanceMm, 500.0f);
  EXPECT_EQ(q.trGaugeDistanceMm, 300.0f);
  // Values come back at single precision; from then on the file stays as it is.
  const std::string again = FormatParameterFile(back);
  EXPECT_NE(again.find("tr=1 tr_c=5065.000000 tr_e=71420.000000 tr_a=70.435211 "),
            std::string::npos);
  Workspace third;
  ParseParameterFile(again, third, "ti.PAT");
  EXPECT_EQ(FormatParameterFile(third), again);

  // An older reader takes the first three lines alone.
  TestParameters old;
  ParseParameterFile(text, old);
  EXPECT_EQ(old.barWaveSpeedMs, 4975.0f);
  EXPECT_EQ(old.barMaterialIndex, 1);
  EXPECT_EQ(old.windowIndices, ws.params.windowIndices);

  // Unknown keys and damaged pairs are passed over; a file without the line has twin bars.
  Workspace other;
  ParseParameterFile(text.substr(0, lineEnd3 + 1) + "future=3 gauge_inc=12x tr=1 tr_c=5065 \r\n",
                     other, "f.PAT");
  EXPECT_FALSE(other.params.trBarDiffers);  // tr_e and tr_a missing
  EXPECT_EQ(other.params.incGaugeDistanceMm, 0.0f);
  ParseParameterFile(text.substr(0, lineEnd3 + 1), back, "ti.PAT");
  EXPECT_FALSE(back.params.trBarDiffers);
  EXPECT_EQ(back.params.trGaugeDistanceMm, 0.0f);
  EXPECT_EQ(back.params.trBarWaveSpeedMs, 4975.0f);
}

}  // namespace
}  // namespace velk
