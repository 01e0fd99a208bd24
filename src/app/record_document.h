#pragma once
// The test-record document of the desktop program: the CVelkDoc with the windows that live and die
// with it. Built in this order: the record (which resets the test parameters), the setup dialog
// and the curve chooser, both hidden top-level windows; destroyed the other way round: chooser
// and smoothing dialog first, then the arrays, then the setup dialog.

#include <QDialog>
#include <QPointer>
#include <QString>
#include <memory>

#include "app/child_frame.h"
#include "app/record_history.h"
#include "plot/view/velk_view.h"
#include "record/velk_doc.h"

class QMdiArea;

namespace velk {

class CCurveSelectDlg;
class CTestSetupDlg;

class RecordDocument {
 public:
  explicit RecordDocument(Workspace& ws);
  ~RecordDocument();
  RecordDocument(const RecordDocument&) = delete;
  RecordDocument& operator=(const RecordDocument&) = delete;

  CVelkDoc& doc() { return m_doc; }
  CTestSetupDlg* setupDialog() { return m_setup.get(); }
  CCurveSelectDlg* curveChooser() { return m_chooser.get(); }
  // The modeless smoothing dialog, created by the first smoothing command; the record owns it.
  QDialog* smoothDialog() const { return m_smooth.data(); }
  void SetSmoothDialog(QDialog* dialog);
  // Undo and redo of the changes to this test.
  RecordHistory& history() { return *m_history; }

  CChildFrame* frame() const { return m_frame.data(); }
  CVelkView* view() const { return m_view.data(); }
  // Creates the child frame with the plot view in area, runs the view's initial update and shows
  // the frame maximized.
  void CreateFrame(QMdiArea& area);

  // Copies the test parameters into the setup dialog's fields and shows them.
  void LoadParametersIntoSetup();
  // Shows the recorded waves (curve kind 3, unsmoothed) in the plot view.
  void ShowRecordedWaves();
  // After a language switch: builds the setup dialog and the curve chooser again (their state
  // lives in the record), where they were and as shown as they were.
  void RetranslateWindows();

  // The file the record was read from; empty for a test read from waveform files.
  QString pathName;

 private:
  CVelkDoc m_doc;
  std::unique_ptr<RecordHistory> m_history;
  std::unique_ptr<CTestSetupDlg> m_setup;
  std::unique_ptr<CCurveSelectDlg> m_chooser;
  QPointer<QDialog> m_smooth;
  QPointer<CChildFrame> m_frame;
  QPointer<CVelkView> m_view;
};

}  // namespace velk
