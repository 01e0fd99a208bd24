#include "app/record_document.h"

#include <QDialog>
#include <QMdiArea>

#include "app/child_frame.h"
#include "dialogs/curve_select_dlg.h"
#include "dialogs/smooth_dlg.h"
#include "dialogs/test_setup_dlg.h"
#include "plot/core/view_model.h"
#include "plot/view/velk_view.h"

namespace velk {

RecordDocument::RecordDocument(Workspace& ws)
    : m_doc(ws), m_history(std::make_unique<RecordHistory>(m_doc)) {
  // Both windows are top-level (no parent) and stay hidden until the operator asks for them.
  m_setup = std::make_unique<CTestSetupDlg>(m_doc, nullptr);
  m_setup->hide();
  m_setup->ShowFields();
  m_history->WatchSetupDialog(m_setup.get());
  // The chooser places itself 350 px below the setup dialog's place as it is built.
  m_chooser = std::make_unique<CCurveSelectDlg>(m_doc, nullptr);
  m_chooser->hide();
  // A fresh record offers only the recorded waves; the chooser shows that.
  m_doc.m_chooser = ChooserState{};
  m_chooser->SyncWithRecord();

  DocObserver& obs = m_doc.m_observer;
  if (!obs.setupFieldsLoaded) {
    obs.setupFieldsLoaded = [s = m_setup.get()] { s->ShowFields(); };
  }
  if (!obs.chooserChanged) {
    obs.chooserChanged = [c = m_chooser.get()] { c->SyncWithRecord(); };
  }
  m_doc.m_shownWaves = 1;
}

RecordDocument::~RecordDocument() {
  // Windows closing below must not record steps of a record being taken apart.
  m_history.reset();
  // The frame and its view go first: the view reads the record's arrays.
  delete m_frame.data();
  m_doc.m_observer = DocObserver{};
  m_chooser.reset();
  if (QDialog* smooth = m_smooth.data()) {
    smooth->reject();
    delete smooth;
  }
  m_doc.m_rawInc.clear();
  m_doc.m_rawTr.clear();
  m_doc.m_workInc.clear();
  m_doc.m_workTr.clear();
  m_doc.m_smoothInc.clear();
  m_doc.m_smoothTr.clear();
  for (auto& c : m_doc.m_computed) c.clear();
  for (auto& c : m_doc.m_smoothed) c.clear();
  m_setup.reset();
}

void RecordDocument::SetSmoothDialog(QDialog* dialog) {
  m_smooth = dialog;
  if (auto* smooth = qobject_cast<CSmoothDlg*>(dialog)) m_history->WatchSmoothDialog(smooth);
}

void RecordDocument::CreateFrame(QMdiArea& area) {
  auto* view = new CVelkView(m_doc);
  auto* frame = new CChildFrame(view);
  m_view = view;
  m_frame = frame;
  m_history->WatchView(view);
  area.addSubWindow(frame);
  view->OnInitialUpdate();
  frame->ActivateFrame();
}

void RecordDocument::LoadParametersIntoSetup() {
  // The record tells its observer, which shows the fields in the setup dialog.
  m_doc.LoadParametersIntoSetup();
}

void RecordDocument::RetranslateWindows() {
  const bool setupShown = m_setup->isVisible();
  const bool chooserShown = m_chooser->isVisible();
  const QPoint setupAt = m_setup->pos();
  const QPoint chooserAt = m_chooser->pos();
  m_chooser.reset();
  m_setup.reset();
  m_setup = std::make_unique<CTestSetupDlg>(m_doc, nullptr);
  m_setup->move(setupAt);
  m_history->WatchSetupDialog(m_setup.get());
  m_chooser = std::make_unique<CCurveSelectDlg>(m_doc, nullptr);
  m_chooser->move(chooserAt);
  m_chooser->SetSmoothDialog(qobject_cast<CSmoothDlg*>(m_smooth.data()));
  m_setup->setVisible(setupShown);
  m_chooser->setVisible(chooserShown);
}

void RecordDocument::ShowRecordedWaves() {
  if (m_view) m_view->model().SelectCurve(kOriginalWave, 1, 0);
}

}  // namespace velk
