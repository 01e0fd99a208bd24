#include "dialogs/curve_select_dlg.h"

#include "record/velk_doc.h"

namespace velk {

CCurveSelectDlg::CCurveSelectDlg(CVelkDoc& doc, QWidget* parent) : QDialog(parent), m_doc(doc) {
  setWindowTitle(tr("曲线图像显示选择"));
  setModal(false);
}

void CCurveSelectDlg::SyncWithRecord() {}

}  // namespace velk
