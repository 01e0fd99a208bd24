#include "dialogs/uncertainty_dlg.h"

#include <gtest/gtest.h>

#include <QDoubleSpinBox>
#include <QSpinBox>
#include <QTableWidget>
#include <nlohmann/json.hpp>

#include "analysis/result_uncertainty.h"
#include "dialog_test_support.h"

namespace velk {
namespace {

TEST(UncertaintyDlg, FieldsMapToTheirInputsAndRunShowsTheDominantOne) {
  testing::App();
  UncertaintySheet sheet;
  // Each field a different value, so that a field read into another input shows.
  const nlohmann::json typed = {{"gauge_factor_percent", 1.5},   {"conversion_factor_percent", 2.5},
                                {"bar_modulus_percent", 3.5},    {"bar_wave_speed_percent", 4.5},
                                {"bar_diameter_mm", 0.05},       {"specimen_diameter_mm", 0.06},
                                {"specimen_thickness_mm", 0.07}, {"sampling_frequency_ppm", 80},
                                {"window_start_samples", 3}};
  sheet.inputs = typed.get<UncertaintyInputs>();
  ResultUncertainty fake;
  fake.result.scalars.resize(4);
  fake.result.scalars[1].varianceShare[kInSpecimenThickness] = 0.7;
  fake.result.scalars[1].varianceShare[kInBarModulus] = 0.3;
  fake.result.scalars[1].value = 321.0;
  UncertaintyInputs ran;
  sheet.run = [&](UncertaintySheet& s) {
    ran = s.inputs;
    s.shown = &fake;
    return true;
  };
  CUncertaintyDlg dlg(sheet);
  for (std::size_t k = 0; k < UncertaintyFields().size(); ++k) {
    EXPECT_EQ(dlg.field(static_cast<int>(k))->objectName().toStdString(),
              UncertaintyFields()[k].key);
  }
  EXPECT_EQ(nlohmann::json(dlg.ReadInputs()), typed);
  dlg.Run();
  EXPECT_EQ(nlohmann::json(ran), typed);
  QTableWidget* t = dlg.summaryTable();
  EXPECT_EQ(t->item(1, 0)->text(), "321");
  EXPECT_EQ(t->item(1, 4)->text(), "试样厚度");
  EXPECT_EQ(dlg.sensitivityTable()->item(kInSpecimenThickness, 1)->text(), "70.0");

  dlg.SetDefaults();
  EXPECT_EQ(nlohmann::json(dlg.ReadInputs()), nlohmann::json(UncertaintyInputs{}));
}

}  // namespace
}  // namespace velk
