#include "dialogs/smooth_dlg.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <limits>

#include "record/interaction.h"
#include "record/velk_doc.h"
#include "reduction/smoothing.h"
#include "tools/session_commands.h"

namespace velk {

int LeadingDigitsValue(const QString& text) {
  int i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  long long v = 0;
  bool any = false;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    any = true;
    v = v * 10 + (text[i].unicode() - '0');
    if (v > std::numeric_limits<int>::max()) return 0;
  }
  return any ? static_cast<int>(v) : 0;
}

CSmoothDlg::CSmoothDlg(CVelkDoc& doc, Interaction& ia, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_ia(ia) {
  setWindowTitle(tr("曲线光滑"));
  setModal(false);
  m_totalPoints = new QLineEdit(QString::number(doc.pointCount()));
  m_totalPoints->setObjectName("1048");
  m_points = new QLineEdit(QStringLiteral("3"));
  m_points->setObjectName("1046");
  m_points->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_points));
  auto* form = new QFormLayout;
  form->addRow(tr("波形总点数"), m_totalPoints);
  form->addRow(tr("光滑点数 (>=3) ...3,4,5,10..."), m_points);
  auto* smooth = new QPushButton(tr("光滑"));
  smooth->setObjectName("1");
  smooth->setDefault(true);
  auto* close = new QPushButton(tr("关闭"));
  close->setObjectName("2");
  close->setAutoDefault(false);
  connect(smooth, &QPushButton::clicked, this, &CSmoothDlg::OnSmooth);
  connect(close, &QPushButton::clicked, this, &CSmoothDlg::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(smooth);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addLayout(buttons);
}

void CSmoothDlg::OnSmooth() {
  const int points = LeadingDigitsValue(m_points->text());
  const int lastIndex = LeadingDigitsValue(m_totalPoints->text());
  emit smoothingStarting();
  JournaledSmoothing(m_doc, points, lastIndex, m_ia);
  emit smoothingFinished();
}

void CSmoothDlg::reject() {
  hide();
  deleteLater();
}

void CSmoothDlg::closeEvent(QCloseEvent* event) {
  event->accept();
  reject();
}

}  // namespace velk
