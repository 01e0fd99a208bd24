#pragma once
// "数采/压杆/试样参数": the modeless setup dialog every test record owns.

#include <QDialog>

namespace velk {

class CVelkDoc;

class CTestSetupDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CTestSetupDlg(CVelkDoc& doc, QWidget* parent = nullptr);
  // Writes the record's setup fields to the controls.
  void ShowFields();

 private:
  CVelkDoc& m_doc;
};

}  // namespace velk
