#include "dialogs/test_setup_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "dialogs/bar_library_dlg.h"
#include "plot/core/view_model.h"
#include "record/bar_values.h"
#include "record/velk_doc.h"
#include "reduction/bar_stages.h"

namespace velk {

namespace {

QLineEdit* MakeEdit(int id) {
  auto* e = new QLineEdit;
  e->setObjectName(QString::number(id));
  return e;
}

QComboBox* MakeList(int id) {
  auto* c = new QComboBox;
  c->setObjectName(QString::number(id));
  return c;
}

}  // namespace

CTestSetupDlg::CTestSetupDlg(CVelkDoc& doc, QWidget* parent) : QDialog(parent), m_doc(doc) {
  setWindowTitle(tr("数采/压杆/试样参数"));
  setModal(false);

  auto* waves = new QGroupBox;
  auto* waveRow = new QHBoxLayout(waves);
  const QString waveTexts[] = {tr("入射波"), tr("透射波"), tr("全部波")};
  for (int i = 0; i < 3; ++i) {
    auto* r = new QRadioButton(waveTexts[i]);
    r->setObjectName(QString::number(1007 + i));
    waveRow->addWidget(r);
    m_waveRadios.push_back(r);
    connect(r, &QRadioButton::clicked, this, [this] {
      if (!Locked()) OnWaveChoice();
    });
  }

  // List texts come from the bar library (FillBarLists), so a bar a lab adds there appears here.
  m_material = MakeList(1003);
  m_diameter = MakeList(1004);
  m_trMaterial = MakeList(1015);
  m_trDiameter = MakeList(1016);
  m_trDiffers = new QCheckBox(tr("透射杆不同"));
  m_trDiffers->setObjectName("1017");
  connect(m_trDiffers, &QCheckBox::toggled, this, [this] {
    if (!Locked()) OnBarChanged();
  });
  m_libraryButton = new QPushButton(tr("压杆库..."));
  m_libraryButton->setObjectName("barLibrary");
  connect(m_libraryButton, &QPushButton::clicked, this, &CTestSetupDlg::OpenBarLibrary);
  m_resultLimit = new QSpinBox;
  m_resultLimit->setObjectName("resultLimit");
  m_resultLimit->setRange(0, 100000000);
  m_resultLimit->setSpecialValueText(tr("不限"));
  connect(m_resultLimit, &QSpinBox::valueChanged, this, [this](int v) {
    // A user setting, not a test parameter: the application keeps it for the next session.
    m_doc.m_resultLimit = v;
    m_doc.ws().resultLimit = v;
  });
  m_model = MakeList(1014);
  m_model->addItems({tr("(两波法)入射波&透射波"), tr("(两波法)入射波&反射波"),
                     tr("(两波法)反射波&透射波"), tr("(3波法)3 waves（normal）"),
                     tr("3 waves（foam）")});
  for (QComboBox* c : {m_material, m_diameter, m_trMaterial, m_trDiameter}) {
    connect(c, &QComboBox::currentIndexChanged, this, [this] {
      if (!Locked()) OnBarChanged();
    });
  }
  connect(m_model, &QComboBox::currentIndexChanged, this, [this] {
    if (!Locked()) OnModelChanged();
  });

  m_sampling = MakeEdit(2000);
  m_specimenDiameter = MakeEdit(2001);
  m_specimenThickness = MakeEdit(2002);
  m_strikerVelocity = MakeEdit(2003);
  m_specimenWaveSpeed = MakeEdit(2004);
  m_matrixWaveSpeed = MakeEdit(2005);
  for (QLineEdit* e : {m_sampling, m_specimenDiameter, m_specimenThickness, m_strikerVelocity,
                       m_specimenWaveSpeed, m_matrixWaveSpeed}) {
    const int id = e->objectName().toInt();
    connect(e, &QLineEdit::textChanged, this, [this, id] {
      if (!Locked()) OnEditChanged(id);
    });
  }

  m_dispersion = new QCheckBox(tr("弥散修正"));
  m_dispersion->setObjectName("dispersion");
  m_incGaugeDistance = MakeEdit(2006);
  m_trGaugeDistance = MakeEdit(2007);
  connect(m_dispersion, &QCheckBox::toggled, this, [this] {
    if (!Locked()) OnDispersionChanged();
  });
  for (QLineEdit* e : {m_incGaugeDistance, m_trGaugeDistance}) {
    connect(e, &QLineEdit::textChanged, this, [this] {
      if (!Locked()) OnDispersionChanged();
    });
  }
  m_dispersionWarning = new QLabel;
  m_dispersionWarning->setObjectName("dispersionWarning");
  m_dispersionWarning->setStyleSheet("color: #b00000;");
  m_dispersionWarning->setWordWrap(true);
  m_dispersionWarning->hide();

  m_frequencyWarning = new QLabel;
  m_frequencyWarning->setObjectName("frequencyWarning");
  m_frequencyWarning->setStyleSheet("color: #b00000;");
  m_frequencyWarning->setWordWrap(true);
  m_frequencyWarning->hide();

  auto* form = new QFormLayout;
  form->addRow(waves);
  auto* materialRow = new QHBoxLayout;
  materialRow->addWidget(m_material, 1);
  materialRow->addWidget(m_libraryButton);
  form->addRow(tr("压杆材质"), materialRow);
  form->addRow(tr("压杆直径(mm)"), m_diameter);
  form->addRow(m_trDiffers);
  form->addRow(tr("透射杆材质"), m_trMaterial);
  form->addRow(tr("透射杆直径(mm)"), m_trDiameter);
  form->addRow(m_dispersion);
  form->addRow(tr("入射杆应变片距试样(mm)"), m_incGaugeDistance);
  form->addRow(tr("透射杆应变片距试样(mm)"), m_trGaugeDistance);
  form->addRow(tr("计算模型"), m_model);
  form->addRow(tr("试样直径(mm):"), m_specimenDiameter);
  form->addRow(tr("试样厚度(mm):"), m_specimenThickness);
  form->addRow(tr("试样中应力波速(m/s):"), m_specimenWaveSpeed);
  form->addRow(tr("wave velocity in Matrix (m/s):"), m_matrixWaveSpeed);
  form->addRow(tr("子弹速度(m/s):"), m_strikerVelocity);
  form->addRow(tr("数采采样频率(MHz):"), m_sampling);
  form->addRow(tr("结果点数上限"), m_resultLimit);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(m_dispersionWarning);
  layout->addWidget(m_frequencyWarning);

  // The chooser sits below this window's left edge (see CCurveSelectDlg); both start near the
  // top left of the screen, beside the plot.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().topLeft() + QPoint(200, 96));
  }

  ShowFields();
  m_doc.m_observer.setupFieldsLoaded = [this] { ShowFields(); };
}

CTestSetupDlg::~CTestSetupDlg() { m_doc.m_observer.setupFieldsLoaded = nullptr; }

void CTestSetupDlg::FillBarLists() {
  const BarLibrary& bars = m_doc.ws().bars;
  auto name = [](const std::string& n, BarRowOrigin origin) {
    return origin == BarRowOrigin::BuiltIn
               ? QCoreApplication::translate("velk::BarTable", n.c_str())
               : QString::fromStdString(n);
  };
  for (QComboBox* c : {m_material, m_trMaterial}) {
    const QSignalBlocker block(c);
    c->clear();
    for (const BarMaterialRow& m : bars.Materials()) c->addItem(name(m.name, m.origin));
  }
  for (QComboBox* c : {m_diameter, m_trDiameter}) {
    const QSignalBlocker block(c);
    c->clear();
    for (const BarDiameterRow& d : bars.Diameters()) c->addItem(name(d.name, d.origin));
  }
}

void CTestSetupDlg::OpenBarLibrary() { RunBarLibraryDialog(m_doc.ws(), {&m_doc}, this); }

void CTestSetupDlg::ShowFields() {
  FillBarLists();
  UpdateData(false);
  {
    const QSignalBlocker block(m_resultLimit);
    m_resultLimit->setValue(m_doc.m_resultLimit);
  }
  m_trMaterial->setEnabled(m_doc.m_setup.trBarDiffers);
  m_trDiameter->setEnabled(m_doc.m_setup.trBarDiffers);
  UpdateFrequencyWarning();
  UpdateDispersionWarning();
}

void CTestSetupDlg::DoDataExchange(DataExchange& dx) {
  SetupFields& f = m_doc.m_setup;
  dx.Radio(m_waveRadios, f.waveChoice);
  dx.ComboIndex(m_material, f.barMaterialIndex);
  dx.ComboIndex(m_model, f.computeModel);
  dx.Text(m_specimenDiameter, f.specimenDiameterMm);
  dx.Text(m_specimenThickness, f.specimenThicknessMm);
  dx.Text(m_specimenWaveSpeed, f.specimenWaveSpeedMs);
  dx.ComboIndex(m_diameter, f.barDiameterIndex);
  dx.Text(m_matrixWaveSpeed, f.matrixWaveSpeedMs);
  dx.Text(m_strikerVelocity, f.strikerVelocityMs);
  dx.Text(m_sampling, f.samplingMhz);
  dx.Check(m_trDiffers, f.trBarDiffers);
  dx.ComboIndex(m_trMaterial, f.trBarMaterialIndex);
  dx.ComboIndex(m_trDiameter, f.trBarDiameterIndex);
  dx.Check(m_dispersion, f.dispersionCorrection);
  dx.Text(m_incGaugeDistance, f.incGaugeDistanceMm);
  dx.Text(m_trGaugeDistance, f.trGaugeDistanceMm);
}

void CTestSetupDlg::OnWaveChoice() {
  const int old = m_doc.m_setup.waveChoice;
  UpdateData(true);
  if (m_doc.m_setup.waveChoice == old || m_doc.m_setup.waveChoice < 0) return;
  m_doc.m_shownWaves = m_doc.m_setup.waveChoice + 1;
  if (m_doc.m_view) m_doc.m_view->BindCurveArrays();
}

void CTestSetupDlg::OnEditChanged(int id) {
  // The field's stored value is copied even when some field failed to parse: it is then the last
  // value of that field that was a number.
  UpdateData(true);
  const SetupFields& f = m_doc.m_setup;
  TestParameters& p = m_doc.params();
  switch (id) {
    case 2000:
      // A sampling frequency that is not positive has no sample interval. The test parameters
      // keep the last usable pair, so no later step divides by zero, and the dialog says which
      // frequency the computation still uses until a usable one is typed.
      if (f.samplingMhz > 0.0f) {
        p.samplingMhz = f.samplingMhz;
        p.sampleIntervalUs = 1.0 / static_cast<double>(f.samplingMhz);
      }
      UpdateFrequencyWarning();
      break;
    case 2001:
      p.specimenDiameterMm = f.specimenDiameterMm;
      break;
    case 2002:
      p.specimenThicknessMm = f.specimenThicknessMm;
      break;
    case 2003:
      p.strikerVelocityMs = f.strikerVelocityMs;
      break;
    case 2004:
      p.specimenWaveSpeedMs = f.specimenWaveSpeedMs;
      break;
    case 2005:
      p.matrixWaveSpeedMs = f.matrixWaveSpeedMs;
      break;
    default:
      break;
  }
}

void CTestSetupDlg::OnBarChanged() {
  UpdateData(true);
  m_doc.SetBarProperties();
  m_trMaterial->setEnabled(m_doc.m_setup.trBarDiffers);
  m_trDiameter->setEnabled(m_doc.m_setup.trBarDiffers);
  UpdateDispersionWarning();
}

void CTestSetupDlg::OnModelChanged() {
  UpdateData(true);
  UpdateDispersionWarning();
}

void CTestSetupDlg::OnDispersionChanged() {
  UpdateData(true);
  const SetupFields& f = m_doc.m_setup;
  TestParameters& p = m_doc.params();
  p.dispersionCorrection = f.dispersionCorrection;
  p.incGaugeDistanceMm = f.incGaugeDistanceMm;
  p.trGaugeDistanceMm = f.trGaugeDistanceMm;
  UpdateDispersionWarning();
}

void CTestSetupDlg::UpdateDispersionWarning() {
  // The bars the computation will take: the rows chosen in this dialog.
  TestParameters p = m_doc.params();
  const SetupFields& f = m_doc.m_setup;
  p.barMaterialIndex = f.barMaterialIndex;
  p.barDiameterIndex = f.barDiameterIndex;
  p.trBarDiffers = f.trBarDiffers;
  p.trBarMaterialIndex = f.trBarMaterialIndex;
  p.trBarDiameterIndex = f.trBarDiameterIndex;
  ApplyBarRows(p, m_doc.ws().bars);
  QString text;
  if (p.dispersionCorrection) {
    if (m_doc.m_setup.computeModel == kModelThreeWaveFoam) {
      text = QCoreApplication::translate("velk", kFoamDispersionRefused);
    } else if (const DispersionProblem problem = CheckDispersionRig(DispersionRigOf(p))) {
      text = QCoreApplication::translate("velk", problem.text.c_str());
      for (const std::string& a : problem.args) text = text.arg(QString::fromStdString(a));
    }
  }
  m_dispersionWarning->setText(text);
  m_dispersionWarning->setVisible(!text.isEmpty());
}

void CTestSetupDlg::UpdateFrequencyWarning() {
  const bool unusable = !(m_doc.m_setup.samplingMhz > 0.0f);
  if (unusable) {
    m_frequencyWarning->setText(tr("采样频率必须大于0：计算仍使用 %1 MHz。")
                                    .arg(FormatFloatField(m_doc.params().samplingMhz)));
  }
  m_frequencyWarning->setVisible(unusable);
}

void CTestSetupDlg::accept() {
  if (!UpdateData(true)) return;
  if (!(m_doc.m_setup.samplingMhz > 0.0f)) {
    UpdateFrequencyWarning();
    m_sampling->setFocus();
    m_sampling->selectAll();
    return;
  }
  hide();
}

void CTestSetupDlg::reject() { hide(); }

void CTestSetupDlg::keyPressEvent(QKeyEvent* event) {
  // The window has no OK button, so Enter itself ends it (QDialog would only press a default
  // button).
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace velk
