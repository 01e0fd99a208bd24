// The comparison window driven without an operator: result files and open tests in, the mean
// and its exports out, and a file that is not a result file named in a message.

#include "dialogs/compare_dlg.h"

#include <gtest/gtest.h>

#include <QImage>

#include "../record/test_files.h"
#include "dialog_test_support.h"
#include "record/scripted_interaction.h"

namespace velk {
namespace {

ComparedTest Linear(const std::string& name, double modulus, double maxStrain) {
  StressStrainCurve c{
      name, {0, maxStrain / 2, maxStrain}, {0, modulus * maxStrain / 2, modulus * maxStrain}};
  return {name, c, std::nullopt};
}

TEST(CompareDlg, ShowsTheMeanOfItsTestsAndExportsItAndThePicture) {
  testing::App();
  TempDir dir;
  ScriptedInteraction ui;
  CCompareDlg dlg(ui, [] { return std::vector<ComparedTest>{Linear("open", 1100, 0.2)}; });
  EXPECT_FALSE(dlg.view().picture().mean.has_value());

  EXPECT_TRUE(dlg.AddFile(dir.Write("r1.DT2", "0.00000 0.00000\n0.10000 100.00000\n")));
  EXPECT_FALSE(dlg.AddFile(dir.Write("bad.DT2", "0.0 0.0\nstress\n")));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(ui.messages[0].find("bad.DT2"), std::string::npos) << ui.messages[0];
  dlg.AddTest(Linear("r2", 900, 0.15));
  dlg.AddOpenTests();
  dlg.AddOpenTests();  // an open test already listed is not listed twice
  ASSERT_EQ(dlg.set().tests().size(), 3u);
  const ComparisonPicture& pic = dlg.view().picture();
  ASSERT_TRUE(pic.mean.has_value());
  EXPECT_EQ(pic.curves.size(), 3u);
  EXPECT_EQ(pic.mean->n, 3);
  EXPECT_EQ(pic.mean->strain.back(), 0.1);
  EXPECT_NEAR(pic.mean->mean.back(), 100.0, 1e-9);  // 100, 90 and 110 at strain 0.1
  EXPECT_NEAR(pic.mean->sd.back(), 10.0, 1e-9);

  const std::string csv = (dir.path() / "mean.csv").string();
  const std::string png = (dir.path() / "cmp.png").string();
  const std::string svg = (dir.path() / "cmp.svg").string();
  const std::string pdf = (dir.path() / "cmp.pdf").string();
  ui.saveAnswers = {csv, png, svg, pdf};
  dlg.ExportMean();
  for (int k = 0; k < 3; ++k) dlg.ExportPicture();
  EXPECT_NE(ReadBytes(svg).find("<svg"), std::string::npos);
  EXPECT_EQ(ReadBytes(pdf).rfind("%PDF", 0), 0u);
  // The last of three grid points: strain, mean, sd (10 within rounding), mean - sd, n.
  const std::string text = ReadBytes(csv);
  const std::string last = text.substr(text.rfind('\n', text.size() - 2) + 1);
  EXPECT_EQ(last.rfind("0.10000000000000001,100,9.99999999999999", 0), 0u) << text;
  EXPECT_NE(last.find(",90,110,3\n"), std::string::npos) << text;
  EXPECT_FALSE(QImage(QString::fromStdString(png)).isNull());
  ui.saveAnswers = {(dir.path() / "cmp.bmp").string()};
  dlg.ExportPicture();
  EXPECT_EQ(ui.messages.size(), 2u) << "a picture kind that cannot be written is named";

  // The true curves: none of these tests has one, so there is no mean to export.
  dlg.SetTrueCurves(true);
  EXPECT_TRUE(dlg.view().picture().curves.empty());
  EXPECT_FALSE(dlg.view().picture().mean.has_value());
  dlg.ExportMean();
  EXPECT_EQ(ui.messages.back(), "对比至少需要两条曲线。");
}

}  // namespace
}  // namespace velk
