#pragma once
// The undo history of one test record in the desktop program: the record's DocHistory and what
// feeds it besides the command table, namely the smoothing dialog's passes, the view's baseline
// drags and the edits typed into the setup dialog.

#include <QObject>
#include <QPointer>

#include "record/doc_history.h"

namespace velk {

class CSmoothDlg;
class CVelkDoc;
class CVelkView;
class Interaction;

// Label of the step the setup dialog's edits make.
inline constexpr const char* kSetupEditLabel = QT_TRANSLATE_NOOP("velk", "参数修改");

class RecordHistory : public QObject {
  Q_OBJECT
 public:
  explicit RecordHistory(CVelkDoc& doc) : m_doc(doc) {}

  const DocHistory& steps() const { return m_history; }

  // One change of the record named label (a source text); changes begun inside it are part of it.
  void Begin(const char* label);
  void End();
  // Ctrl+Z and Ctrl+Y; "Alloc memory fault" when memory runs out. Return whether the record moved.
  bool Undo(Interaction& ia);
  bool Redo(Interaction& ia);

  // What the setup dialog's fields change while it is the active window is one step.
  void WatchSetupDialog(QWidget* dialog);
  void WatchSmoothDialog(CSmoothDlg* dialog);
  void WatchView(CVelkView* view);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool Step(Interaction& ia, bool undo);

  CVelkDoc& m_doc;
  DocHistory m_history;
  int m_depth = 0;           // changes begun and not ended
  bool m_setupOpen = false;  // the open change is the setup dialog's
};

}  // namespace velk
