#include "app/child_frame.h"

#include <QCloseEvent>
#include <QMdiArea>

#include "plot/view/velk_view.h"

namespace velk {

CChildFrame::CChildFrame(CVelkView* view, QWidget* parent) : QMdiSubWindow(parent), m_view(view) {
  setWidget(view);
  setWindowIcon(QIcon(QStringLiteral(":/icons/velk.svg")));
  connect(view, &CVelkView::captionChanged, this, &QWidget::setWindowTitle);
}

void CChildFrame::ActivateFrame() {
  showMaximized();
  if (QMdiArea* area = mdiArea()) area->setActiveSubWindow(this);
}

void CChildFrame::closeEvent(QCloseEvent* event) {
  // The record owns this frame: let it go through the record, outside this event.
  event->ignore();
  if (onCloseRequested) onCloseRequested();
}

}  // namespace velk
