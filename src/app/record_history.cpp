#include "app/record_history.h"

#include <QEvent>
#include <QWidget>
#include <new>

#include "dialogs/smooth_dlg.h"
#include "plot/view/velk_view.h"
#include "record/interaction.h"
#include "record/reader_common.h"

namespace velk {

void RecordHistory::Begin(const char* label) {
  if (m_depth++ > 0) return;
  m_setupOpen = false;
  try {
    m_history.Begin(m_doc, label);
  } catch (const std::bad_alloc&) {
    // No room for a checkpoint: the change goes ahead, and the older steps, which could no longer
    // lead back to this record, go.
    m_history.Clear();
  }
}

void RecordHistory::End() {
  if (m_depth == 0 || --m_depth > 0) return;
  m_history.End(m_doc);
}

bool RecordHistory::Step(Interaction& ia, bool undo) {
  if (m_depth > 0) return false;
  m_setupOpen = false;
  try {
    return undo ? m_history.Undo(m_doc) : m_history.Redo(m_doc);
  } catch (const std::bad_alloc&) {
    m_history.Clear();
    ia.ShowMessage(kAllocFault);
    return false;
  }
}

bool RecordHistory::Undo(Interaction& ia) { return Step(ia, true); }

bool RecordHistory::Redo(Interaction& ia) { return Step(ia, false); }

void RecordHistory::WatchSetupDialog(QWidget* dialog) { dialog->installEventFilter(this); }

void RecordHistory::WatchSmoothDialog(CSmoothDlg* dialog) {
  connect(dialog, &CSmoothDlg::smoothingStarting, this,
          [this] { Begin(QT_TRANSLATE_NOOP("velk", "光滑")); });
  connect(dialog, &CSmoothDlg::smoothingFinished, this, &RecordHistory::End);
}

void RecordHistory::WatchView(CVelkView* view) {
  connect(view, &CVelkView::baselineDragStarting, this,
          [this] { Begin(QT_TRANSLATE_NOOP("velk", "基线")); });
  connect(view, &CVelkView::baselineDragFinished, this, &RecordHistory::End);
}

bool RecordHistory::eventFilter(QObject* watched, QEvent* event) {
  // The setup dialog writes the record as the operator types; whatever changed between its
  // activation and its deactivation is one step. Inside a command (a modal sheet over it) the
  // command's own step holds the change.
  if (m_depth == 0) {
    const QEvent::Type t = event->type();
    if (t == QEvent::WindowActivate && !m_history.isOpen()) {
      try {
        m_history.Begin(m_doc, kSetupEditLabel);
        m_setupOpen = true;
      } catch (const std::bad_alloc&) {
        m_history.Clear();
      }
    } else if ((t == QEvent::WindowDeactivate || t == QEvent::Hide) && m_setupOpen) {
      m_setupOpen = false;
      m_history.End(m_doc);
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace velk
