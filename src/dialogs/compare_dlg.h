#pragma once
// "对比": the stress–strain curves of repeat tests overlaid, with their mean and a ±1 standard
// deviation band, the mean exported as CSV and the picture as PNG, SVG or PDF. Tests come from
// result files and from the open tests; the dialog keeps no test of its own once closed.

#include <QDialog>
#include <functional>
#include <vector>

#include "plot/render/comparison_plot.h"
#include "tools/comparison_set.h"

class QLabel;
class QListWidget;
class QRadioButton;

namespace velk {

class Interaction;

// The plot area of the dialog: draws what it is given.
class CComparisonView : public QWidget {
  Q_OBJECT
 public:
  explicit CComparisonView(QWidget* parent = nullptr);
  void SetPicture(ComparisonPicture pic);
  const ComparisonPicture& picture() const { return m_pic; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  ComparisonPicture m_pic;
};

class CCompareDlg : public QDialog {
  Q_OBJECT
 public:
  // openTests gives the computed open tests when the operator asks for them (may be empty).
  CCompareDlg(Interaction& ui, std::function<std::vector<ComparedTest>()> openTests,
              QWidget* parent = nullptr);

  const ComparisonSet& set() const { return m_set; }
  const CComparisonView& view() const { return *m_view; }

  void AddTest(ComparedTest t);
  // A result file; a file that cannot be read is named in a message and nothing is added.
  bool AddFile(const std::string& path);
  // The open tests not yet in the list.
  void AddOpenTests();
  void RemoveSelected();
  void SetTrueCurves(bool on);
  // Asks for a file name and writes; a failure is shown.
  void ExportMean();
  void ExportPicture();

 private:
  void Refresh();

  Interaction& m_ui;
  std::function<std::vector<ComparedTest>()> m_openTests;
  ComparisonSet m_set;
  MeanCurveResult m_mean;
  QListWidget* m_list;
  QRadioButton *m_engineering, *m_true;
  CComparisonView* m_view;
  QLabel* m_status;
};

}  // namespace velk
