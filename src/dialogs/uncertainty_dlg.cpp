#include "dialogs/uncertainty_dlg.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

#include "analysis/result_uncertainty.h"
#include "analysis/uncertainty_record.h"

namespace velk {

namespace {

QString Core(const char* source) { return QCoreApplication::translate("velk", source); }

// Enough digits for a 95 % bound to differ from its value.
QString Number(double v) {
  return std::isfinite(v) ? QString::number(v, 'g', 6) : QStringLiteral("-");
}

QTableWidget* Table(int rows, const QStringList& columns) {
  auto* t = new QTableWidget(rows, columns.size());
  t->setHorizontalHeaderLabels(columns);
  t->setEditTriggers(QAbstractItemView::NoEditTriggers);
  t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  return t;
}

// The whole table without scrolling: it never has more than thirteen rows.
void FitToContents(QTableWidget* t) {
  t->resizeColumnsToContents();
  t->resizeRowsToContents();
  const int frame = 2 * t->frameWidth();
  t->setMinimumWidth(t->verticalHeader()->sizeHint().width() + t->horizontalHeader()->length() +
                     frame);
  t->setFixedHeight(t->horizontalHeader()->sizeHint().height() + t->verticalHeader()->length() +
                    frame);
}

void Set(QTableWidget* t, int row, int col, const QString& text) {
  t->setItem(row, col, new QTableWidgetItem(text));
}

}  // namespace

CUncertaintyDlg::CUncertaintyDlg(UncertaintySheet& sheet, QWidget* parent)
    : QDialog(parent), m_sheet(sheet) {
  setWindowTitle(tr("不确定度"));
  auto* inputs = new QGroupBox(tr("输入的标准不确定度"));
  // Two columns of fields above the results: the English labels and table headers are long, and
  // side by side the dialog would outgrow a 1280-pixel screen.
  auto* grid = new QGridLayout(inputs);
  constexpr int kRowsPerColumn = 5;
  const auto& fields = UncertaintyFields();
  for (std::size_t k = 0; k < fields.size(); ++k) {
    const QString unit = QStringLiteral(" ") + Core(fields[k].unit);
    if (k + 1 < fields.size()) {
      auto* box = new QDoubleSpinBox;
      box->setDecimals(4);
      box->setRange(0.0, 1e6);
      box->setSuffix(unit);
      m_fields[k] = box;
    } else {
      auto* box = new QSpinBox;
      box->setRange(0, 1000);
      box->setSuffix(unit);
      m_fields[k] = box;
    }
    m_fields[k]->setObjectName(QString::fromLatin1(fields[k].key));
    const int row = static_cast<int>(k) % kRowsPerColumn;
    const int col = 2 * (static_cast<int>(k) / kRowsPerColumn);
    grid->addWidget(new QLabel(Core(fields[k].label)), row, col);
    grid->addWidget(m_fields[k], row, col + 1);
  }

  const auto& values = StandardSummaryFields();
  m_summary = Table(static_cast<int>(values.size()),
                    {tr("值"), tr("95% 下限"), tr("95% 上限"), tr("标准不确定度"), tr("主要来源")});
  QStringList valueNames;
  for (const UncertaintyField& f : values) valueNames << Core(f.label);
  m_summary->setVerticalHeaderLabels(valueNames);
  m_shares = Table(kInputCount, valueNames);
  QStringList inputNames;
  for (int i = 0; i < kInputCount; ++i) inputNames << Core(UncertaintyInputLabel(i));
  m_shares->setVerticalHeaderLabels(inputNames);
  m_draws = new QLabel;

  auto* results = new QGroupBox(tr("结果"));
  auto* rl = new QVBoxLayout(results);
  rl->addWidget(m_summary);
  rl->addWidget(new QLabel(tr("各输入对方差的贡献 (%)")));
  rl->addWidget(m_shares);
  rl->addWidget(m_draws);

  auto* buttons = new QDialogButtonBox;
  QPushButton* run = buttons->addButton(tr("计算"), QDialogButtonBox::ActionRole);
  run->setObjectName("run");
  run->setDefault(true);  // Enter in a field runs, as the operator expects after typing a value
  QPushButton* defaults = buttons->addButton(tr("默认值"), QDialogButtonBox::ResetRole);
  defaults->setObjectName("defaults");
  QPushButton* close = buttons->addButton(tr("关闭"), QDialogButtonBox::AcceptRole);
  close->setObjectName("close");
  connect(run, &QPushButton::clicked, this, &CUncertaintyDlg::Run);
  connect(defaults, &QPushButton::clicked, this, &CUncertaintyDlg::SetDefaults);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(inputs);
  layout->addWidget(results);
  layout->addWidget(buttons);

  ShowInputs(sheet.inputs);
  ShowResult();
}

void CUncertaintyDlg::ShowInputs(const UncertaintyInputs& in) {
  const double real[] = {in.gaugeFactorPercent,  in.conversionFactorPercent, in.barModulusPercent,
                         in.barWaveSpeedPercent, in.barDiameterMm,           in.specimenDiameterMm,
                         in.specimenThicknessMm, in.samplingFrequencyPpm};
  for (std::size_t k = 0; k < std::size(real); ++k) {
    static_cast<QDoubleSpinBox*>(m_fields[k])->setValue(real[k]);
  }
  static_cast<QSpinBox*>(m_fields[8])->setValue(in.windowStartSamples);
}

UncertaintyInputs CUncertaintyDlg::ReadInputs() const {
  auto real = [this](int k) { return static_cast<QDoubleSpinBox*>(m_fields[k])->value(); };
  UncertaintyInputs in;
  in.gaugeFactorPercent = real(0);
  in.conversionFactorPercent = real(1);
  in.barModulusPercent = real(2);
  in.barWaveSpeedPercent = real(3);
  in.barDiameterMm = real(4);
  in.specimenDiameterMm = real(5);
  in.specimenThicknessMm = real(6);
  in.samplingFrequencyPpm = real(7);
  in.windowStartSamples = static_cast<QSpinBox*>(m_fields[8])->value();
  return in;
}

void CUncertaintyDlg::SetDefaults() { ShowInputs(UncertaintyInputs{}); }

void CUncertaintyDlg::Run() {
  m_sheet.inputs = ReadInputs();
  if (m_sheet.run) m_sheet.run(m_sheet);
  ShowResult();
}

void CUncertaintyDlg::ShowResult() {
  const ResultUncertainty* u = m_sheet.shown;
  m_summary->clearContents();
  m_shares->clearContents();
  if (u == nullptr) {
    m_draws->setText(tr("尚未估计。"));
    FitToContents(m_summary);
    FitToContents(m_shares);
    return;
  }
  const UncertaintyResult& r = u->result;
  for (int k = 0; k < m_summary->rowCount() && k < static_cast<int>(r.scalars.size()); ++k) {
    const ScalarUncertainty& s = r.scalars[static_cast<std::size_t>(k)];
    Set(m_summary, k, 0, Number(s.value));
    Set(m_summary, k, 1, Number(s.lower));
    Set(m_summary, k, 2, Number(s.upper));
    Set(m_summary, k, 3, Number(s.standardUnc));
    const int dominant = DominantInput(s);
    Set(m_summary, k, 4,
        dominant < 0 ? QStringLiteral("-") : Core(UncertaintyInputLabel(dominant)));
    for (int i = 0; i < kInputCount; ++i) {
      const double share = s.varianceShare[static_cast<std::size_t>(i)];
      Set(m_shares, i, k,
          std::isfinite(share) ? QString::number(100.0 * share, 'f', 1) : QStringLiteral("-"));
    }
  }
  m_draws->setText(tr("%1 次抽样，有效 %2 次，随机种子 %3")
                       .arg(u->options.draws)
                       .arg(r.drawsUsed)
                       .arg(QString::number(u->options.seed)));
  FitToContents(m_summary);
  FitToContents(m_shares);
}

bool RunUncertaintyDialog(QWidget* parent, UncertaintySheet& sheet) {
  CUncertaintyDlg dlg(sheet, parent);
  const bool ok = dlg.exec() == QDialog::Accepted;
  // What the operator typed is kept for the next time even when no run followed.
  sheet.inputs = dlg.ReadInputs();
  return ok;
}

}  // namespace velk
