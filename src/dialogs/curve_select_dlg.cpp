#include "dialogs/curve_select_dlg.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "dialogs/smooth_dlg.h"
#include "plot/core/view_model.h"
#include "record/velk_doc.h"

namespace velk {

CCurveSelectDlg::CCurveSelectDlg(CVelkDoc& doc, QWidget* parent) : QDialog(parent), m_doc(doc) {
  setWindowTitle(tr("曲线图像显示选择"));
  setModal(false);
  const QString texts[] = {tr("原始数据波形"),    tr("处理后波形"),     tr("工程应力曲线"),
                           tr("工程应变曲线"),    tr("工程应变率曲线"), tr("真实应力曲线"),
                           tr("真实应变曲线"),    tr("真是应变率曲线"), tr("工程应力应变曲线"),
                           tr("真实应力应变曲线")};
  auto* layout = new QVBoxLayout(this);
  for (int i = 0; i < 10; ++i) {
    const int id = 1031 + i;
    auto* b = new QPushButton(texts[i]);
    b->setObjectName(QString::number(id));
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, [this, id] { OnCurveButton(id - 1028); });
    layout->addWidget(b);
    m_buttons[i] = b;
  }
  // The force balance after the ten kinds; its ids follow the check boxes' 1041 and 1042.
  const QString balance[] = {tr("试样两端力"), tr("力平衡系数")};
  for (int i = 0; i < 2; ++i) {
    const int id = kForcesButton + i, kind = kForcesCurve + i;
    auto* b = new QPushButton(balance[i]);
    b->setObjectName(QString::number(id));
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, [this, kind] { OnCurveButton(kind); });
    layout->addWidget(b);
    m_buttons[10 + i] = b;
  }
  m_unsmoothed = new QCheckBox(tr("原始曲线"));
  m_unsmoothed->setObjectName("1041");
  m_smoothed = new QCheckBox(tr("光滑后曲线"));
  m_smoothed->setObjectName("1042");
  connect(m_unsmoothed, &QCheckBox::clicked, this, [this](bool on) { OnCheck(1041, on); });
  connect(m_smoothed, &QCheckBox::clicked, this, [this](bool on) { OnCheck(1042, on); });
  layout->addWidget(m_unsmoothed);
  layout->addWidget(m_smoothed);
  m_band = new QCheckBox(tr("不确定度带"));
  m_band->setObjectName(QString::number(kBandCheck));
  connect(m_band, &QCheckBox::clicked, this, [this](bool on) {
    if (DocView* view = m_doc.m_view) {
      view->m_showBand = on ? 1 : 0;
      view->Redraw();
    }
  });
  layout->addWidget(m_band);

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().topLeft() + QPoint(16, 96 + kChooserOffsetPx));
  }

  SyncWithRecord();
  m_doc.m_observer.chooserChanged = [this] { SyncWithRecord(); };
}

CCurveSelectDlg::~CCurveSelectDlg() { m_doc.m_observer.chooserChanged = nullptr; }

void CCurveSelectDlg::SetSmoothDialog(CSmoothDlg* dlg) {
  m_smooth = dlg;
  if (dlg && m_doc.m_view) {
    const int kind = m_doc.m_view->m_curveKind;
    dlg->LockTotalPoints(kind != kOriginalWave && kind != kProcessedWave);
  }
}

QPushButton* CCurveSelectDlg::button(int id) const {
  if (id == kForcesButton || id == kForcesButton + 1) return m_buttons[10 + id - kForcesButton];
  return id >= 1031 && id <= 1040 ? m_buttons[id - 1031] : nullptr;
}

QCheckBox* CCurveSelectDlg::checkBox(int id) const {
  if (id == kBandCheck) return m_band;
  return id == 1041 ? m_unsmoothed : id == 1042 ? m_smoothed : nullptr;
}

void CCurveSelectDlg::SyncWithRecord() {
  const ChooserState& s = m_doc.m_chooser;
  QPushButton* processed = m_buttons[1];
  const bool becameEnabled = s.processedEnabled && !processed->isEnabled();
  m_buttons[0]->setEnabled(true);
  processed->setEnabled(s.processedEnabled);
  for (int i = 2; i < 12; ++i) m_buttons[i]->setEnabled(s.resultsEnabled);
  m_unsmoothed->setEnabled(s.resultsEnabled);
  m_smoothed->setEnabled(s.resultsEnabled);
  m_unsmoothed->setChecked(s.showUnsmoothedChecked);
  m_smoothed->setChecked(s.showSmoothedChecked);
  m_band->setEnabled(s.resultsEnabled);
  m_band->setChecked(m_doc.m_view != nullptr && m_doc.m_view->m_showBand == 1);
  // After the first window method the operator's next step is usually the processed waves.
  if (becameEnabled) processed->setFocus();
}

void CCurveSelectDlg::OnCurveButton(int kind) {
  if (m_smooth) m_smooth->LockTotalPoints(kind != kOriginalWave && kind != kProcessedWave);
  if (m_doc.m_view) {
    m_doc.m_view->SelectCurve(kind, m_doc.m_chooser.showUnsmoothedChecked ? 1 : 0,
                              m_doc.m_chooser.showSmoothedChecked ? 1 : 0);
  }
}

void CCurveSelectDlg::OnCheck(int id, bool checked) {
  ChooserState& s = m_doc.m_chooser;
  // At least one of the two kinds of curve is always shown.
  if (id == 1041) {
    s.showUnsmoothedChecked = checked;
    if (!checked) s.showSmoothedChecked = true;
  } else {
    s.showSmoothedChecked = checked;
    if (!checked) s.showUnsmoothedChecked = true;
  }
  m_unsmoothed->setChecked(s.showUnsmoothedChecked);
  m_smoothed->setChecked(s.showSmoothedChecked);
  ShowCurrentKind();
}

void CCurveSelectDlg::ShowCurrentKind() {
  DocView* view = m_doc.m_view;
  if (!view || view->m_curveKind < kFirstCurveKind || view->m_curveKind > kLastBalanceKind) return;
  view->SelectCurve(view->m_curveKind, m_doc.m_chooser.showUnsmoothedChecked ? 1 : 0,
                    m_doc.m_chooser.showSmoothedChecked ? 1 : 0);
}

}  // namespace velk
