#include "app/para_doc.h"

#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>

namespace velk {

CParaDoc::~CParaDoc() { delete m_frame.data(); }

void CParaDoc::CreateFrame(QMdiArea& area) {
  auto* edit = new QPlainTextEdit;
  auto* frame = new QMdiSubWindow;
  frame->setWidget(edit);
  frame->setWindowTitle(QFileInfo(pathName).fileName());
  // Closing the frame leaves a document without a window, which holds nothing anyway.
  frame->setAttribute(Qt::WA_DeleteOnClose, true);
  area.addSubWindow(frame);
  m_frame = frame;
  m_edit = edit;
  frame->show();
  area.setActiveSubWindow(frame);
}

}  // namespace velk
