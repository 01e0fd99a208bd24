#include "dialogs/compare_dlg.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "record/interaction.h"
#include "tools/mean_curve_csv.h"

namespace velk {

namespace {

QString Message(const std::string& text, const std::vector<std::string>& args) {
  QString s = QCoreApplication::translate("velk", text.c_str());
  for (const std::string& a : args) s = s.arg(QString::fromStdString(a));
  return s;
}

}  // namespace

CComparisonView::CComparisonView(QWidget* parent) : QWidget(parent) {
  setMinimumSize(560, 420);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void CComparisonView::SetPicture(ComparisonPicture pic) {
  m_pic = std::move(pic);
  update();
}

void CComparisonView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  DrawComparison(p, QRectF(rect()), m_pic);
}

CCompareDlg::CCompareDlg(Interaction& ui, std::function<std::vector<ComparedTest>()> openTests,
                         QWidget* parent)
    : QDialog(parent), m_ui(ui), m_openTests(std::move(openTests)) {
  setWindowTitle(tr("对比"));
  m_list = new QListWidget(this);
  m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
  auto* addFile = new QPushButton(tr("添加文件(&A)..."), this);
  auto* addOpen = new QPushButton(tr("添加打开的试验(&O)"), this);
  auto* remove = new QPushButton(tr("移除(&R)"), this);
  m_engineering = new QRadioButton(tr("工程应力应变"), this);
  m_true = new QRadioButton(tr("真实应力应变"), this);
  m_engineering->setChecked(true);
  auto* kinds = new QButtonGroup(this);
  kinds->addButton(m_engineering);
  kinds->addButton(m_true);
  auto* exportMean = new QPushButton(tr("导出平均曲线(&M)..."), this);
  auto* exportPicture = new QPushButton(tr("导出图像(&P)..."), this);
  auto* close = new QPushButton(tr("关闭"), this);
  m_view = new CComparisonView(this);
  m_status = new QLabel(this);
  m_status->setWordWrap(true);

  auto* side = new QVBoxLayout;
  side->addWidget(new QLabel(tr("试验:"), this));
  side->addWidget(m_list, 1);
  for (QWidget* w : std::initializer_list<QWidget*>{addFile, addOpen, remove, m_engineering, m_true,
                                                    exportMean, exportPicture, close}) {
    side->addWidget(w);
    // Enter must not open a file prompt behind the operator's back.
    if (auto* b = qobject_cast<QPushButton*>(w)) b->setAutoDefault(false);
  }
  auto* right = new QVBoxLayout;
  right->addWidget(m_view, 1);
  right->addWidget(m_status);
  auto* top = new QHBoxLayout(this);
  top->addLayout(side);
  top->addLayout(right, 1);
  addOpen->setEnabled(static_cast<bool>(m_openTests));
  resize(1040, 680);

  connect(addFile, &QPushButton::clicked, this, [this] {
    const auto path = m_ui.AskOpenPath(
        QT_TRANSLATE_NOOP("velk", "打开"),
        {{QT_TRANSLATE_NOOP("velk", "结果文件 (*.DT2 *.DT3 *.DT4)"), "*.DT2 *.DT3 *.DT4"}},
        std::string());
    if (path) AddFile(*path);
  });
  connect(addOpen, &QPushButton::clicked, this, &CCompareDlg::AddOpenTests);
  connect(remove, &QPushButton::clicked, this, &CCompareDlg::RemoveSelected);
  connect(m_true, &QRadioButton::toggled, this, &CCompareDlg::SetTrueCurves);
  connect(exportMean, &QPushButton::clicked, this, &CCompareDlg::ExportMean);
  connect(exportPicture, &QPushButton::clicked, this, &CCompareDlg::ExportPicture);
  connect(close, &QPushButton::clicked, this, &QDialog::close);
  Refresh();
}

void CCompareDlg::AddTest(ComparedTest t) {
  m_set.Add(std::move(t));
  Refresh();
}

bool CCompareDlg::AddFile(const std::string& path) {
  std::string message;
  std::vector<std::string> args;
  // The place for sessions (.velks): by extension, replay the session into a record and take
  // FromRecord of it instead.
  auto t = FromResultFile(path, message, args);
  if (!t) {
    m_ui.ShowMessage(message, args);
    return false;
  }
  AddTest(std::move(*t));
  return true;
}

void CCompareDlg::AddOpenTests() {
  if (!m_openTests) return;
  for (ComparedTest& t : m_openTests()) {
    const auto& have = m_set.tests();
    if (std::none_of(have.begin(), have.end(),
                     [&](const ComparedTest& h) { return h.name == t.name; }))
      m_set.Add(std::move(t));
  }
  Refresh();
}

void CCompareDlg::RemoveSelected() {
  std::vector<int> rows;
  for (const QListWidgetItem* item : m_list->selectedItems()) rows.push_back(m_list->row(item));
  std::sort(rows.rbegin(), rows.rend());
  for (int r : rows) m_set.Remove(static_cast<std::size_t>(r));
  Refresh();
}

void CCompareDlg::SetTrueCurves(bool on) {
  m_set.SetTrueCurves(on);
  if (m_true->isChecked() != on) (on ? m_true : m_engineering)->setChecked(true);
  Refresh();
}

void CCompareDlg::ExportMean() {
  if (!m_mean.ok()) {
    m_ui.ShowMessage(m_mean.message, m_mean.args);
    return;
  }
  const auto path = m_ui.AskSavePath(QT_TRANSLATE_NOOP("velk", "保存为"),
                                     {{QT_TRANSLATE_NOOP("velk", "CSV 文件 (*.csv)"), "*.csv"}},
                                     ".csv", std::string());
  if (!path) return;
  (void)WriteMeanCurveCsv(*path, m_mean.curve, m_set.trueCurves()).Report(m_ui);
}

void CCompareDlg::ExportPicture() {
  const auto path = m_ui.AskSavePath(QT_TRANSLATE_NOOP("velk", "保存为"),
                                     {{QT_TRANSLATE_NOOP("velk", "PNG 图像 (*.png)"), "*.png"},
                                      {QT_TRANSLATE_NOOP("velk", "SVG 图像 (*.svg)"), "*.svg"},
                                      {QT_TRANSLATE_NOOP("velk", "PDF 文件 (*.pdf)"), "*.pdf"}},
                                     ".png", std::string());
  if (!path) return;
  (void)ExportComparison(m_view->picture(), *path, m_view->size()).Report(m_ui);
}

void CCompareDlg::Refresh() {
  m_list->clear();
  // Each test in its curve's colour; one without a curve of the kind greyed.
  std::size_t drawn = 0;
  for (const ComparedTest& t : m_set.tests()) {
    auto* item = new QListWidgetItem(QString::fromStdString(t.name), m_list);
    QPixmap swatch(12, 12);
    if (m_set.trueCurves() ? t.trueCurve : t.engineering) {
      swatch.fill(ComparisonColor(drawn++));
    } else {
      swatch.fill(Qt::transparent);
      item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
    }
    item->setIcon(QIcon(swatch));
  }
  ComparisonPicture pic;
  pic.curves = m_set.Curves();
  pic.trueCurves = m_set.trueCurves();
  m_mean = m_set.Mean();
  if (m_mean.ok()) pic.mean = m_mean.curve;
  QStringList notes;
  if (!m_mean.ok()) notes << Message(m_mean.message, m_mean.args);
  const std::vector<std::string> missing = m_set.Missing();
  if (!missing.empty()) {
    QStringList names;
    for (const std::string& n : missing) names << QString::fromStdString(n);
    notes << tr("没有这种曲线，未参与对比: %1").arg(names.join(QStringLiteral(", ")));
  }
  m_status->setText(notes.join(QLatin1Char('\n')));
  m_view->SetPicture(std::move(pic));
}

}  // namespace velk
