#include "app/open_wave_dlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace velk {

namespace {

QGroupBox* WaveGroup(const QString& title, QLineEdit*& path, QToolButton*& browse,
                     QLineEdit*& start, const QString& pathId, const QString& browseId,
                     const QString& startId, QWidget* parent) {
  auto* g = new QGroupBox(title, parent);
  path = new QLineEdit(g);
  path->setReadOnly(true);
  path->setMinimumWidth(320);
  path->setObjectName(pathId);
  browse = new QToolButton(g);
  browse->setIcon(QIcon(QStringLiteral(":/icons/open.svg")));
  browse->setIconSize(QSize(22, 22));
  browse->setObjectName(browseId);
  start = new QLineEdit(QStringLiteral("0"), g);
  start->setObjectName(startId);
  start->setMaximumWidth(100);
  auto* grid = new QGridLayout(g);
  grid->addWidget(path, 0, 0, 1, 2);
  grid->addWidget(browse, 0, 2);
  grid->addWidget(new QLabel(COpenWaveDlg::tr("开始点："), g), 1, 0);
  grid->addWidget(start, 1, 1, Qt::AlignLeft);
  grid->setColumnStretch(1, 1);
  return g;
}

}  // namespace

COpenWaveDlg::COpenWaveDlg(WaveOpenInputs& inputs, Interaction& ui, QWidget* parent)
    : QDialog(parent), m_inputs(inputs), m_ui(ui) {
  setWindowTitle(tr("打开波形文件"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(WaveGroup(tr("入射波"), m_incidentPath, m_browseIncident, m_incidentEdit,
                              QStringLiteral("1046"), QStringLiteral("1054"),
                              QStringLiteral("1049"), this));
  layout->addWidget(WaveGroup(tr("透射波"), m_transmittedPath, m_browseTransmitted,
                              m_transmittedEdit, QStringLiteral("1047"), QStringLiteral("1055"),
                              QStringLiteral("1052"), this));
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(tr("确认"), QDialogButtonBox::AcceptRole);
  ok->setObjectName(QStringLiteral("1"));
  ok->setDefault(true);
  QPushButton* cancel = buttons->addButton(tr("取消"), QDialogButtonBox::RejectRole);
  cancel->setObjectName(QStringLiteral("2"));
  connect(buttons, &QDialogButtonBox::accepted, this, &COpenWaveDlg::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  connect(m_browseIncident, &QToolButton::clicked, this, &COpenWaveDlg::BrowseIncident);
  connect(m_browseTransmitted, &QToolButton::clicked, this, &COpenWaveDlg::BrowseTransmitted);
}

void COpenWaveDlg::SetCaption(const QString& caption) { setWindowTitle(caption); }

void COpenWaveDlg::BrowseIncident() { Browse(m_inputs.incidentPath, m_incidentPath); }

void COpenWaveDlg::BrowseTransmitted() { Browse(m_inputs.transmittedPath, m_transmittedPath); }

void COpenWaveDlg::Browse(std::string& path, QLineEdit* box) {
  const auto chosen = m_ui.AskOpenPath(QT_TRANSLATE_NOOP("velk", "打开"),
                                       {{QT_TRANSLATE_NOOP("velk", "Velk file (*.isf)"), "*.isf"},
                                        {QT_TRANSLATE_NOOP("velk", "所有文件 (*.*)"), "*.*"}},
                                       path);
  if (!chosen) return;
  path = *chosen;
  box->setText(QString::fromStdString(path));
  // Long paths: keep the file name, at the end, in sight.
  box->setCursorPosition(static_cast<int>(box->text().size()));
}

bool ReadStartPoint(QLineEdit* edit, Interaction& ui, int& value) {
  bool ok = false;
  const int v = edit->text().trimmed().toInt(&ok);
  if (!ok) {
    ui.ShowMessage(QT_TRANSLATE_NOOP("velk", "请键入一个整数。"));
  } else if (v < 0) {
    ui.ShowMessage(QT_TRANSLATE_NOOP("velk", "开始点不能为负数。"));
    ok = false;
  }
  if (!ok) {
    edit->setFocus();
    edit->selectAll();
    return false;
  }
  value = v;
  return true;
}

void COpenWaveDlg::accept() {
  int inc = 0, tr = 0;
  if (!ReadStartPoint(m_incidentEdit, m_ui, inc) || !ReadStartPoint(m_transmittedEdit, m_ui, tr))
    return;
  m_incidentStart = inc;
  m_transmittedStart = tr;
  QDialog::accept();
}

}  // namespace velk
