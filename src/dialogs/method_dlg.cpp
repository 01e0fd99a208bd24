#include "dialogs/method_dlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

#include "record/interaction.h"

namespace velk {

CMethodDlg::CMethodDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("数据计算"));
  auto* grid = new QGridLayout(this);
  const struct {
    int id;
    QString button, label;
  } rows[] = {
      {1031, tr("方法1"), tr("手动拾取点")},
      {1032, tr("方法2"), tr("自动对齐三波波峰")},
      {1033, tr("方法3"), tr("手动输入三波起点及终点")},
  };
  int row = 0;
  for (const auto& r : rows) {
    auto* b = new QPushButton(r.button);
    b->setObjectName(QString::number(r.id));
    b->setAutoDefault(false);
    // The dialog's result is the button's number less 1027: 4, 5, 6.
    const int code = r.id - 1027;
    connect(b, &QPushButton::clicked, this, [this, code] { done(code); });
    grid->addWidget(b, row, 0);
    grid->addWidget(new QLabel(r.label), row, 1);
    ++row;
  }
}

void CMethodDlg::reject() { done(kCancelled); }

int ChooseWindowMethodDialog(QWidget* parent) {
  QPointer<CMethodDlg> dlg = new CMethodDlg(parent);
  const int code = dlg->exec();
  if (!dlg) return kCancelled;
  delete dlg;
  return code == 4 || code == 5 || code == 6 ? code : kCancelled;
}

}  // namespace velk
