#pragma once
// The parameter document: it has no data of its own, it only moves the test parameters to and
// from a parameter file. The commands create one for a single load or save; a parameter file
// opened from the command line or dropped on the main frame also gets a frame with an (empty)
// edit view, as every document of the program has a window.

#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPointer>
#include <QString>

class QMdiArea;

namespace velk {

class CParaDoc {
 public:
  CParaDoc() = default;
  ~CParaDoc();
  CParaDoc(const CParaDoc&) = delete;
  CParaDoc& operator=(const CParaDoc&) = delete;

  void CreateFrame(QMdiArea& area);
  QMdiSubWindow* frame() const { return m_frame.data(); }
  QPlainTextEdit* editView() const { return m_edit.data(); }

  QString pathName;

 private:
  QPointer<QMdiSubWindow> m_frame;
  QPointer<QPlainTextEdit> m_edit;
};

}  // namespace velk
