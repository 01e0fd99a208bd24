#pragma once
// "关于 Velk": the program icon, its name and an OK button.

#include <QDialog>

namespace velk {

class CAboutDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CAboutDlg(QWidget* parent = nullptr);
};

}  // namespace velk
