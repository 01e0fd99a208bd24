#pragma once
// "数据计算": the choice of the wave-window method after "计算".

#include <QDialog>

namespace velk {

class CMethodDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CMethodDlg(QWidget* parent = nullptr);
  // Closing the dialog any other way than by a method button ends it with the cancel code 2.
  void reject() override;
};

// Runs the dialog modally: 4, 5 or 6 for "方法1", "方法2", "方法3"; 2 when closed otherwise.
int ChooseWindowMethodDialog(QWidget* parent);

}  // namespace velk
