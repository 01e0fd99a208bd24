#pragma once
// The plot view: shows one curve kind of one test record and lets the operator drag the baseline
// range and step a cursor along the curve (PickPoint).

#include <QImage>
#include <QPoint>
#include <QWidget>
#include <optional>

#include "plot/core/plot_geometry.h"
#include "plot/core/view_model.h"

class QEventLoop;
class QPrinter;
class QRubberBand;

namespace velk {

class CVelkDoc;
class Interaction;
class PickSession;

class CVelkView : public QWidget {
  Q_OBJECT
 public:
  explicit CVelkView(CVelkDoc& doc, QWidget* parent = nullptr);
  ~CVelkView() override;

  ViewModel& model() { return m_model; }
  CVelkDoc& doc() { return m_model.doc(); }

  // Framework hook run once when the view's frame is first shown for a test.
  void OnInitialUpdate();
  // Keyboard point pick; 1 accepted (the record's picked point is set), 2 cancelled. Also 2 when
  // the pick ends because the view lost the keyboard or focus, its window was deactivated,
  // hidden or closed, or the program quits: no point is stored then.
  int PickPoint();

  // Command 32786: toggles the baseline-pick mode; checked while on.
  void OnBaselineMode();
  bool isBaselineMode() const { return m_baselineMode; }
  // Command 32788: the graph settings sheet for the current curve kind.
  void OnGraphSettings(Interaction& ui);
  // Command 32804: a point pick whose result is not used; checked while picking.
  void OnCheckCurve();
  bool isPicking() const { return m_picking; }
  // Commands 57607 and 57608 (print dialog, then one page) and 57609 (print preview).
  void OnFilePrint();
  void OnFilePrintDirect() { OnFilePrint(); }
  void OnFilePrintPreview();
  // Prints the picture of this view's client area onto one page of printer, fitted to it.
  void PrintTo(QPrinter& printer);

  // Plot metrics of the current client area (those of the last drawing).
  PlotMetrics plotMetrics() const;
  // Top-left corner of the pick cursor while picking.
  std::optional<QPoint> pickCursor() const { return m_cursor; }

 signals:
  // The frame caption follows the curve kind.
  void captionChanged(const QString& caption);
  // Text for the status bar's coordinate pane; empty restores "coordinate".
  void coordinateText(const QString& text);
  // Around the change a baseline drag makes to the record, so that its history keeps it as a step.
  void baselineDragStarting();
  void baselineDragFinished();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  // A language switch renews the caption and the drawn baseline note.
  void changeEvent(QEvent* event) override;

 private:
  void InvalidatePicture();
  void FinishPick(int result);
  void HandlePickKey(int key);

  ViewModel m_model;
  QImage m_picture;  // the last drawing, reused until something changes
  bool m_pictureValid = false;

  bool m_baselineMode = false;
  QRubberBand* m_rubberBand = nullptr;
  std::optional<QPoint> m_dragOrigin;

  bool m_picking = false;
  QEventLoop* m_pickLoop = nullptr;
  int m_pickResult = 2;
  PickSession* m_session = nullptr;
  bool m_keepPicture = false;  // the next paint only moves the cursor
  std::optional<QPoint> m_cursor;
};

}  // namespace velk
