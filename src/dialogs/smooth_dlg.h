#pragma once
// "曲线光滑": the modeless smoothing dialog. It smooths what the plot view shows, the recorded
// waves or the six result curves, through their smoothed copies; the record owns at most one.

#include <QDialog>
#include <QLineEdit>

class QPushButton;

namespace velk {

class CVelkDoc;
class Interaction;

class CSmoothDlg : public QDialog {
  Q_OBJECT
 public:
  // Fills the total points with the record's point count and the smoothing points with 3.
  CSmoothDlg(CVelkDoc& doc, Interaction& ia, QWidget* parent = nullptr);

  // Read-only while a result curve kind is shown: the smoothing then runs over the curves' own
  // length whatever the field says.
  void LockTotalPoints(bool locked) { m_totalPoints->setReadOnly(locked); }

  QLineEdit* totalPoints() const { return m_totalPoints; }
  QLineEdit* smoothingPoints() const { return m_points; }

  // "光滑": one smoothing pass with the two fields; the dialog stays open.
  void OnSmooth();

  // "关闭", Esc and the close box destroy the dialog; the record forgets it.
  void reject() override;

 signals:
  // Around each pass, so that the record's history keeps it as one step.
  void smoothingStarting();
  void smoothingFinished();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  CVelkDoc& m_doc;
  Interaction& m_ia;
  QLineEdit* m_totalPoints;
  QLineEdit* m_points;
};

// The fields' text as a count: the leading decimal digits after any blanks; text without them,
// and counts beyond int, give 0.
int LeadingDigitsValue(const QString& text);

}  // namespace velk
