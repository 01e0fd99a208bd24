#pragma once
// "曲线图像显示选择": the modeless curve chooser every test record owns.

#include <QDialog>

namespace velk {

class CVelkDoc;

class CCurveSelectDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CCurveSelectDlg(CVelkDoc& doc, QWidget* parent = nullptr);
  // Brings the buttons' enabled states in line with the record's ChooserState.
  void SyncWithRecord();

 private:
  CVelkDoc& m_doc;
};

}  // namespace velk
