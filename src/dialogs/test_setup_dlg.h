#pragma once
// "数采/压杆/试样参数": the modeless setup dialog every test record owns. Its fields are the
// record's setup fields (CVelkDoc::m_setup); several of them are copied into the program-wide test
// parameters as the operator types, which is what the computation and the parameter file use.

#include <QDialog>
#include <vector>

#include "dialogs/data_exchange.h"

class QAbstractButton;
class QCheckBox;
class QPushButton;
class QSpinBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace velk {

class CVelkDoc;

class CTestSetupDlg : public QDialog, public Exchanger {
  Q_OBJECT
 public:
  explicit CTestSetupDlg(CVelkDoc& doc, QWidget* parent = nullptr);
  ~CTestSetupDlg() override;
  // Writes the record's setup fields to the controls.
  void ShowFields();

  // Enter: reads every field and hides the window only when all of them parse and the sampling
  // frequency can be used. Esc and the close box hide it at once; the window itself stays.
  void accept() override;
  void reject() override;

 protected:
  void DoDataExchange(DataExchange& dx) override;
  QWidget* ExchangeWidget() override { return this; }
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void OnWaveChoice();
  void OnEditChanged(int id);
  void OnBarChanged();
  void OnModelChanged();
  void OnDispersionChanged();
  // Shows why the dispersion correction asked for cannot be made, and hides the line when it can.
  void UpdateDispersionWarning();
  void UpdateFrequencyWarning();
  // Refills the four bar lists from the library (a lab's rows may have changed).
  void FillBarLists();
  void OpenBarLibrary();

  CVelkDoc& m_doc;
  std::vector<QAbstractButton*> m_waveRadios;  // 1007, 1008, 1009
  QComboBox *m_material, *m_model, *m_diameter;
  QCheckBox* m_trDiffers;  // "透射杆不同"
  QComboBox *m_trMaterial, *m_trDiameter;
  QPushButton* m_libraryButton;
  QSpinBox* m_resultLimit;  // "结果点数上限"; 0: no limit
  QLineEdit *m_specimenDiameter, *m_specimenThickness, *m_specimenWaveSpeed, *m_matrixWaveSpeed,
      *m_strikerVelocity, *m_sampling;
  QLabel* m_frequencyWarning;
  QCheckBox* m_dispersion;  // "弥散修正"
  QLineEdit *m_incGaugeDistance, *m_trGaugeDistance;
  QLabel* m_dispersionWarning;
};

}  // namespace velk
