#pragma once
// The plot view: shows one curve kind of one test record and lets the operator drag the baseline
// range and step a cursor along the curve (PickPoint).

#include <QWidget>

#include "plot/core/view_model.h"

namespace velk {

class CVelkDoc;

class CVelkView : public QWidget {
  Q_OBJECT
 public:
  explicit CVelkView(CVelkDoc& doc, QWidget* parent = nullptr);
  ~CVelkView() override;

  ViewModel& model() { return m_model; }
  CVelkDoc& doc() { return m_model.doc(); }

  // Framework hook run once when the view's frame is first shown for a test.
  void OnInitialUpdate();
  // Keyboard point pick; 1 accepted (the record's picked point is set), 2 cancelled.
  int PickPoint();

 signals:
  // The frame caption follows the curve kind.
  void captionChanged(const QString& caption);
  // Text for the status bar's coordinate pane; empty restores "coordinate".
  void coordinateText(const QString& text);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  ViewModel m_model;
};

}  // namespace velk
