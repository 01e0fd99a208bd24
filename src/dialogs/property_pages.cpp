#include "dialogs/property_pages.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QVBoxLayout>
#include <initializer_list>
#include <utility>

#include "reduction/conditioning.h"
#include "tools/calibration.h"

namespace velk {

namespace {

QLineEdit* MakeEdit(int id, bool readOnly = false) {
  auto* e = new QLineEdit;
  e->setObjectName(QString::number(id));
  e->setReadOnly(readOnly);
  e->setMinimumWidth(170);
  return e;
}

using Row = std::pair<QString, QWidget*>;

QGroupBox* Group(const QString& title, std::initializer_list<Row> rows) {
  auto* box = new QGroupBox(title);
  auto* form = new QFormLayout(box);
  for (const Row& r : rows) form->addRow(r.first, r.second);
  return box;
}

QWidget* WithUnit(QLineEdit* edit, const QString& unit) {
  auto* w = new QWidget;
  auto* h = new QHBoxLayout(w);
  h->setContentsMargins(0, 0, 0, 0);
  h->addWidget(edit);
  h->addWidget(new QLabel(unit));
  return w;
}

template <typename Page>
void ConnectChanges(Page* page, std::initializer_list<QLineEdit*> edits, void (Page::*handler)()) {
  for (QLineEdit* e : edits) {
    QObject::connect(e, &QLineEdit::textChanged, page, [page, handler] {
      // Our own writes to the controls are not the operator's edits.
      if (!page->Locked()) (page->*handler)();
    });
  }
}

}  // namespace

CWavePos::CWavePos(const WavePosPage& data, QWidget* parent) : PropertyPage(parent), m_data(data) {
  m_incEnd = MakeEdit(1016);
  m_incStart = MakeEdit(1015);
  m_refEnd = MakeEdit(1003);
  m_refStart = MakeEdit(1002);
  m_trEnd = MakeEdit(1018);
  m_trStart = MakeEdit(1017);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Group(tr("入射波"), {{tr("起点"), m_incStart}, {tr("终点"), m_incEnd}}));
  layout->addWidget(Group(tr("反射波"), {{tr("起点"), m_refStart}, {tr("终点"), m_refEnd}}));
  layout->addWidget(Group(tr("透射波"), {{tr("起点"), m_trStart}, {tr("终点"), m_trEnd}}));
  layout->addStretch();
}

void CWavePos::DoDataExchange(DataExchange& dx) {
  dx.Text(m_incEnd, m_data.incEnd);
  dx.Text(m_incStart, m_data.incStart);
  dx.Text(m_refEnd, m_data.refEnd);
  dx.Text(m_refStart, m_data.refStart);
  dx.Text(m_trEnd, m_data.trEnd);
  dx.Text(m_trStart, m_data.trStart);
}

CCalibration::CCalibration(const CalibrationPage& data, QWidget* parent)
    : PropertyPage(parent), m_data(data) {
  m_incEnd = MakeEdit(1016);
  m_incStart = MakeEdit(1015);
  m_trEnd = MakeEdit(1018);
  m_trStart = MakeEdit(1017);
  m_incMean = MakeEdit(1019, true);
  m_trMean = MakeEdit(1020, true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Group(tr("入射波"), {{tr("start point"), m_incStart},
                                         {tr("end point"), m_incEnd},
                                         {tr("benchmark"), m_incMean}}));
  layout->addWidget(Group(
      tr("透射波"),
      {{tr("start point"), m_trStart}, {tr("end point"), m_trEnd}, {tr("benchmark"), m_trMean}}));
  layout->addStretch();
}

void CCalibration::DoDataExchange(DataExchange& dx) {
  dx.Text(m_incEnd, m_data.incBaseEnd);
  dx.Text(m_incStart, m_data.incBaseStart);
  dx.Text(m_trEnd, m_data.trBaseEnd);
  dx.Text(m_trStart, m_data.trBaseStart);
  dx.Text(m_incMean, m_data.incMean);
  dx.Text(m_trMean, m_data.trMean);
}

CParameter::CParameter(const ParameterPage& data, QWidget* parent)
    : PropertyPage(parent), m_data(data) {
  m_factor = MakeEdit(1004, true);
  m_arms = MakeEdit(1000);
  m_gaugeFactor = MakeEdit(1003);
  m_bridgeVoltage = MakeEdit(1001);
  m_gain = MakeEdit(1002);
  auto* form = new QFormLayout(this);
  form->addRow(tr("1v="), WithUnit(m_factor, tr("(με)")));
  form->addRow(tr("有效桥臂"), m_arms);
  form->addRow(tr("应变片灵敏度系数"), m_gaugeFactor);
  form->addRow(tr("桥压(v)"), m_bridgeVoltage);
  form->addRow(tr("应变仪增益(×)"), m_gain);
  ConnectChanges(this, {m_arms, m_bridgeVoltage, m_gain, m_gaugeFactor}, &CParameter::OnChange);
}

void CParameter::DoDataExchange(DataExchange& dx) {
  dx.Text(m_factor, m_data.factor);
  dx.Text(m_arms, m_data.arms);
  dx.Text(m_gaugeFactor, m_data.gaugeFactor);
  dx.Text(m_bridgeVoltage, m_data.bridgeVoltage);
  dx.Text(m_gain, m_data.gain);
}

void CParameter::OnChange() {
  if (!UpdateData(true)) return;
  m_data.factor =
      BridgeConversionFactor(m_data.arms, m_data.bridgeVoltage, m_data.gain, m_data.gaugeFactor);
  // Only the derived field is rewritten: the operator's text in the others stays as typed. What
  // OK stores is this six-decimal text read back, not the full-precision value.
  m_factor->setText(FormatFixedField(m_data.factor));
}

CStaticCalibrationPage::CStaticCalibrationPage(const StaticCalPage& data,
                                               const QString& heightLabel, QWidget* parent)
    : PropertyPage(parent), m_data(data) {
  m_bridgeVoltage = MakeEdit(1070);
  m_factor = MakeEdit(1004, true);
  m_height = MakeEdit(1000);
  m_staticStrain = MakeEdit(1002);
  m_gaugeFactor = MakeEdit(1003);
  auto* form = new QFormLayout(this);
  form->addRow(tr("桥式电压(V)"), m_bridgeVoltage);
  form->addRow(tr("电压-应变转化系数(με)"), m_factor);
  form->addRow(heightLabel, m_height);
  form->addRow(tr("静标定应变值(με)"), m_staticStrain);
  form->addRow(tr("应变片灵敏系数"), m_gaugeFactor);
  ConnectChanges(this, {m_bridgeVoltage, m_height, m_staticStrain, m_gaugeFactor},
                 &CStaticCalibrationPage::OnChange);
}

void CStaticCalibrationPage::DoDataExchange(DataExchange& dx) {
  dx.Text(m_bridgeVoltage, m_data.bridgeVoltage);
  dx.Text(m_factor, m_data.factor);
  dx.Text(m_height, m_data.height);
  dx.Text(m_staticStrain, m_data.staticStrain);
  dx.Text(m_gaugeFactor, m_data.gaugeFactor);
}

void CStaticCalibrationPage::OnChange() {
  if (!UpdateData(true)) return;
  m_data.factor = Factor(m_data);
  m_factor->setText(FormatFixedField(m_data.factor));
}

CNjParameter::CNjParameter(const StaticCalPage& data, QWidget* parent)
    : CStaticCalibrationPage(data, tr("标定的数字化高度(点)"), parent) {}

double CNjParameter::Factor(const StaticCalPage& d) const {
  return NjConversionFactor(d.staticStrain, d.bridgeVoltage, d.gaugeFactor, d.height);
}

CCsParameter::CCsParameter(const StaticCalPage& data, QWidget* parent)
    : CStaticCalibrationPage(data, tr("标定的数字化高度(V)"), parent) {}

double CCsParameter::Factor(const StaticCalPage& d) const {
  return CsConversionFactor(d.staticStrain, d.gaugeFactor, d.height);
}

CScale::CScale(const ScalePage& data, QWidget* parent) : PropertyPage(parent), m_data(data) {
  m_xEnd = MakeEdit(1022);
  m_xStart = MakeEdit(1021);
  m_xStep = MakeEdit(1023, true);
  m_yEnd = MakeEdit(1025);
  m_yStart = MakeEdit(1024);
  m_yStep = MakeEdit(1026, true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(
      Group(tr("X axis"), {{tr("start"), m_xStart}, {tr("end"), m_xEnd}, {tr("step"), m_xStep}}));
  layout->addWidget(
      Group(tr("Y axis"), {{tr("start"), m_yStart}, {tr("end"), m_yEnd}, {tr("step"), m_yStep}}));
  layout->addStretch();
  ConnectChanges(this, {m_xStart, m_xEnd, m_yStart, m_yEnd}, &CScale::OnChange);
}

void CScale::DoDataExchange(DataExchange& dx) {
  dx.Text(m_xEnd, m_data.xEnd);
  dx.Text(m_xStart, m_data.xStart);
  dx.Text(m_xStep, m_data.xStep);
  dx.Text(m_yEnd, m_data.yEnd);
  dx.Text(m_yStart, m_data.yStart);
  dx.Text(m_yStep, m_data.yStep);
}

void CScale::OnChange() {
  if (!UpdateData(true)) return;
  m_data.xStep = (m_data.xEnd - m_data.xStart) * 0.2;
  m_data.yStep = (m_data.yEnd - m_data.yStart) * 0.2;
  // Every field is rewritten from its value, so text that is not yet in its written form (a
  // trailing decimal point, a leading zero) is normalised at once.
  UpdateData(false);
}

namespace {

QString SheetText(const std::string& source) {
  return QCoreApplication::translate("velk::Sheet", source.c_str());
}

struct PageFactory {
  PropertyPage* operator()(const WavePosPage& d) const { return new CWavePos(d); }
  PropertyPage* operator()(const CalibrationPage& d) const { return new CCalibration(d); }
  PropertyPage* operator()(const ParameterPage& d) const { return new CParameter(d); }
  PropertyPage* operator()(const NjParameterPage& d) const { return new CNjParameter(d); }
  PropertyPage* operator()(const CsParameterPage& d) const { return new CCsParameter(d); }
  PropertyPage* operator()(const ScalePage& d) const { return new CScale(d); }
};

// Copies a page's fields into the alternative it was built from.
void ReadPage(const PropertyPage* page, PageData& data) {
  std::visit(
      [page](auto& d) {
        using T = std::decay_t<decltype(d)>;
        if constexpr (std::is_same_v<T, WavePosPage>) {
          d = static_cast<const CWavePos*>(page)->data();
        } else if constexpr (std::is_same_v<T, CalibrationPage>) {
          d = static_cast<const CCalibration*>(page)->data();
        } else if constexpr (std::is_same_v<T, ParameterPage>) {
          d = static_cast<const CParameter*>(page)->data();
        } else if constexpr (std::is_same_v<T, ScalePage>) {
          d = static_cast<const CScale*>(page)->data();
        } else {
          static_cast<StaticCalPage&>(d) = static_cast<const CStaticCalibrationPage*>(page)->data();
        }
      },
      data);
}

}  // namespace

PropertySheet* BuildPropertySheet(QWidget* parent, const Sheet& sheet) {
  auto* built = new PropertySheet(SheetText(sheet.caption), parent);
  for (const SheetPage& p : sheet.pages) {
    built->AddPage(std::visit(PageFactory{}, p.data), SheetText(p.title));
  }
  return built;
}

void CollectPropertySheet(const PropertySheet& built, Sheet& sheet) {
  for (int i = 0; i < static_cast<int>(sheet.pages.size()) && i < built.pageCount(); ++i) {
    SheetPage& p = sheet.pages[i];
    p.opened = built.WasOpened(i);
    if (p.opened) ReadPage(built.page(i), p.data);
  }
}

bool RunPropertySheet(QWidget* parent, Sheet& sheet) {
  QPointer<PropertySheet> built = BuildPropertySheet(parent, sheet);
  const bool ok = built->exec() == QDialog::Accepted;
  if (!built) return false;  // destroyed with its parent while open
  if (ok) {
    CollectPropertySheet(*built, sheet);
  } else {
    for (std::size_t i = 0; i < sheet.pages.size(); ++i) {
      sheet.pages[i].opened = built->WasOpened(static_cast<int>(i));
    }
  }
  delete built;
  return ok;
}

}  // namespace velk
