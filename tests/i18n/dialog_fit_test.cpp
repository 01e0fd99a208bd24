// English texts are longer than the Chinese ones they replace: every dialog, built offscreen with
// the English catalogue at the default font, must show each label, check box and button whole.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QTabWidget>
#include <QTranslator>
#include <functional>
#include <memory>
#include <string>

#include "analysis/result_uncertainty.h"
#include "app/about_dlg.h"
#include "app/open_recording_dlg.h"
#include "app/open_wave_dlg.h"
#include "dialogs/bar_library_dlg.h"
#include "dialogs/compare_dlg.h"
#include "dialogs/curve_select_dlg.h"
#include "dialogs/method_dlg.h"
#include "dialogs/property_pages.h"
#include "dialogs/recap_dlg.h"
#include "dialogs/smooth_dlg.h"
#include "dialogs/test_setup_dlg.h"
#include "dialogs/uncertainty_dlg.h"
#include "i18n/language.h"
#include "record/scripted_interaction.h"
#include "record/velk_doc.h"
#include "record/workspace.h"

namespace velk {
namespace {

QApplication& App() {
  static int argc = 1;
  static char name[] = "i18n_tests";
  static char* argv[] = {name, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

// Texts cut short in w and the widgets under it, one line each.
std::string Clipped(QWidget& w, const std::string& where) {
  std::string out;
  for (QWidget* c : w.findChildren<QWidget*>()) {
    if (!c->isVisibleTo(&w)) continue;
    QString text;
    if (auto* l = qobject_cast<QLabel*>(c)) {
      if (l->wordWrap()) continue;  // wraps to fit, by design
      text = l->text();
    } else if (auto* b = qobject_cast<QAbstractButton*>(c)) {
      text = b->text();
    } else {
      continue;
    }
    if (text.isEmpty()) continue;
    const QSize hint = c->sizeHint();
    if (hint.width() > c->width() || hint.height() > c->height()) {
      out += where + ": \"" + text.toStdString() + "\" needs " + std::to_string(hint.width()) +
             "x" + std::to_string(hint.height()) + ", has " + std::to_string(c->width()) + "x" +
             std::to_string(c->height()) + "\n";
    }
  }
  return out;
}

std::string Check(QWidget& w, const std::string& where) {
  w.show();
  QApplication::processEvents();
  const std::string out = Clipped(w, where);
  w.hide();
  return out;
}

TEST(DialogFit, EveryDialogShowsItsEnglishTextsWhole) {
  App();
  QTranslator english;
  ASSERT_TRUE(i18n::LoadCatalogue(english, i18n::Language::kEnglish));
  QCoreApplication::installTranslator(&english);

  Workspace ws;
  CVelkDoc doc(ws);
  ScriptedInteraction ui;
  std::string clipped;
  {
    CTestSetupDlg d(doc);
    EXPECT_NE(d.windowTitle(), QStringLiteral("数采/压杆/试样参数"));  // the catalogue is in use
    clipped += Check(d, "setup dialog");
  }
  {
    CCurveSelectDlg d(doc);
    clipped += Check(d, "curve chooser");
  }
  {
    CSmoothDlg d(doc, ui);
    clipped += Check(d, "smoothing dialog");
  }
  {
    CMethodDlg d;
    clipped += Check(d, "method dialog");
  }
  {
    CRecapDlg d(RecapFields{});
    clipped += Check(d, "recapitulation");
  }
  {
    // With the summary values of a computed test: the longest labels, one built with its strain.
    RecapFields f;
    f.summary = {{"流动应力(MPa) 应变%1:", {"0.05"}, "%1", {"312.5"}},
                 {"表观模量(MPa, 压杆模量不可靠):", {}, "无", {}},
                 {"力平衡(|R|<0.05)起始:", {}, "从未达到", {}}};
    CRecapDlg d(f);
    clipped += Check(d, "recapitulation with summary values");
  }
  {
    CBarLibraryDlg d(ws.bars);
    clipped += Check(d, "bar library");
  }
  {
    CAboutDlg d;
    clipped += Check(d, "about box");
  }
  {
    CCompareDlg d(ui, {});
    clipped += Check(d, "compare");
  }
  {
    COpenWaveDlg d(ws.waveOpen, ui);
    clipped += Check(d, "open waveform files");
  }
  {
    // Two files read, so the channel list, the layout line and both channel choices are filled.
    RecordingOpenFields fields;
    fields.paths = {std::string(VELK_TEST_DATA) + "/realscope/tek_mdo_ch1.isf",
                    std::string(VELK_TEST_DATA) + "/realscope/picoscope_2ch.csv"};
    CRecordingOpenDlg d(fields, ui);
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Open recording file"));
    clipped += Check(d, "open recording file");
  }
  {
    UncertaintySheet sheet;
    CUncertaintyDlg d(sheet);
    clipped += Check(d, "uncertainty");
  }
  // Every property sheet the commands build, with each of its tabs shown in turn.
  Sheet sheets[] = {
      {"calculate",
       {{"三波起终点", WavePosPage{}, false}, {"calibrate", CalibrationPage{}, false}}},
      {"parameter",
       {{"入射波应变参数设定", ParameterPage{}, false},
        {"透射波应变参数设定", ParameterPage{}, false}}},
      {"南京参数", {{"incident wave", NjParameterPage{}, false}}},
      {"CS20000 parameter", {{"incident wave", CsParameterPage{}, false}}},
      {"graph", {{"coordinate", ScalePage{}, false}}},
  };
  for (const Sheet& s : sheets) {
    std::unique_ptr<PropertySheet> built(BuildPropertySheet(nullptr, s));
    ASSERT_TRUE(built);
    built->show();
    QApplication::processEvents();
    for (QTabWidget* tabs : built->findChildren<QTabWidget*>()) {
      for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        QApplication::processEvents();
        clipped += Clipped(*tabs->widget(i), "sheet " + s.caption + " tab " + std::to_string(i));
      }
    }
    clipped += Clipped(*built, "sheet " + s.caption);
    built->hide();
  }
  QCoreApplication::removeTranslator(&english);
  EXPECT_EQ(clipped, "") << clipped;
}

}  // namespace
}  // namespace velk
