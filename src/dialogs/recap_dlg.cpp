#include "dialogs/recap_dlg.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>
#include <initializer_list>
#include <utility>

#include "record/scripted_interaction.h"

namespace velk {

namespace {
using Row = std::pair<int, QString>;

// A source text of the core in the current language, its %1, %2 ... filled in.
QString Shown(const std::string& text, const std::vector<std::string>& args) {
  const QString translated = QCoreApplication::translate("velk", text.c_str());
  return QString::fromStdString(FormatArgs(translated.toStdString(), args));
}

// The summary values, read-only, in two columns of label and value.
QGroupBox* SummaryBox(const RecapFields& fields) {
  auto* box = new QGroupBox(CRecapDlg::tr("汇总值"));
  box->setObjectName("summary");
  auto* grid = new QGridLayout(box);
  const int perColumn = static_cast<int>(fields.summary.size() + 1) / 2;
  for (int i = 0; i < static_cast<int>(fields.summary.size()); ++i) {
    const RecapRow& r = fields.summary[i];
    const int row = i % perColumn, col = 2 * (i / perColumn);
    grid->addWidget(new QLabel(Shown(r.label, r.labelArgs)), row, col);
    auto* v = new QLabel(Shown(r.value, r.valueArgs));
    v->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(v, row, col + 1);
  }
  return box;
}
}  // namespace

CRecapDlg::CRecapDlg(const RecapFields& fields, QWidget* parent)
    : QDialog(parent), m_fields(fields) {
  setWindowTitle(tr("recapitulation"));
  auto group = [this](const QString& title, std::initializer_list<Row> rows) {
    auto* box = new QGroupBox(title);
    auto* form = new QFormLayout(box);
    for (const Row& r : rows) {
      auto* e = new QLineEdit;
      e->setObjectName(QString::number(r.first));
      e->setMinimumWidth(140);
      form->addRow(r.second, e);
    }
    return box;
  };
  auto* grid = new QGridLayout;
  grid->addWidget(group(tr("bar"), {{1062, tr("C:")}, {1063, tr("E:")}, {1064, tr("A:")}}), 0, 0);
  grid->addWidget(group(tr("original sample size"), {{1065, tr("D0(mm):")}, {1066, tr("L0(mm):")}}),
                  0, 1);
  grid->addWidget(group(tr("impact sample size"), {{2008, tr("D(mm):")}, {2009, tr("L(mm):")}}), 0,
                  2);
  grid->addWidget(group(tr("incident para"), {{1053, tr("H1:")},
                                              {1060, tr("RG1:")},
                                              {1051, tr("RK1:")},
                                              {1061, tr("K1:")},
                                              {1059, tr("F1:")}}),
                  1, 0);
  grid->addWidget(group(tr("transmission para"), {{1058, tr("H2:")},
                                                  {1055, tr("RG2:")},
                                                  {1056, tr("RK2:")},
                                                  {1057, tr("K2:")},
                                                  {1054, tr("F2:")}}),
                  1, 1);
  grid->addWidget(
      group(tr("strike bar"),
            {{1068, tr("time(ms):")}, {1069, tr("length(mm):")}, {1067, tr("velocity(m/s):")}}),
      1, 2);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
  buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
  connect(buttons, &QDialogButtonBox::accepted, this, &CRecapDlg::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CRecapDlg::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  if (!fields.summary.empty()) layout->addWidget(SummaryBox(fields));
  layout->addWidget(buttons);
  UpdateData(false);
}

QLineEdit* CRecapDlg::Edit(int id) const { return findChild<QLineEdit*>(QString::number(id)); }

void CRecapDlg::DoDataExchange(DataExchange& dx) {
  RecapFields& f = m_fields;
  dx.Text(Edit(2008), f.impactedDiameterMm);
  dx.Text(Edit(1065), f.specimenDiameterMm);
  dx.Text(Edit(2009), f.impactedLengthMm);
  dx.Text(Edit(1066), f.specimenThicknessMm);
  dx.Text(Edit(1068), f.strikerVelocityMs);
  dx.Text(Edit(1069), f.strikeBarLengthMm);
  dx.Text(Edit(1064), f.barAreaMm2);
  dx.Text(Edit(1062), f.barWaveSpeedMs);
  dx.Text(Edit(1063), f.barModulusMpa);
  dx.Text(Edit(1059), f.incFactor);
  dx.Text(Edit(1054), f.trFactor);
  dx.Text(Edit(1053), f.incArms);
  dx.Text(Edit(1058), f.trArms);
  dx.Text(Edit(1061), f.incGaugeFactor);
  dx.Text(Edit(1057), f.trGaugeFactor);
  dx.Text(Edit(1060), f.incBridgeVoltage);
  dx.Text(Edit(1055), f.trBridgeVoltage);
  dx.Text(Edit(1051), f.incGain);
  dx.Text(Edit(1056), f.trGain);
  dx.Text(Edit(1067), f.strikeBarVelocityMs);
}

void CRecapDlg::accept() {
  if (UpdateData(true)) QDialog::accept();
}

bool RunRecapDialog(QWidget* parent, RecapFields& fields) {
  QPointer<CRecapDlg> dlg = new CRecapDlg(fields, parent);
  const bool ok = dlg->exec() == QDialog::Accepted;
  if (!dlg) return false;
  if (ok) fields = dlg->fields();
  delete dlg;
  return ok;
}

}  // namespace velk
