#include "plot/view/velk_view.h"

#include <QPainter>

#include "record/interaction.h"
#include "record/velk_doc.h"

namespace velk {

CVelkView::CVelkView(CVelkDoc& doc, QWidget* parent) : QWidget(parent), m_model(doc) {
  doc.m_view = &m_model;
  m_model.onCaption = [this](const std::string& c) {
    emit captionChanged(QString::fromStdString(c));
  };
  m_model.onRedraw = [this] { update(); };
}

CVelkView::~CVelkView() {
  if (m_model.doc().m_view == &m_model) m_model.doc().m_view = nullptr;
}

void CVelkView::OnInitialUpdate() { m_model.InitialUpdate(); }

int CVelkView::PickPoint() { return kCancelled; }

void CVelkView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().window());
}

}  // namespace velk
