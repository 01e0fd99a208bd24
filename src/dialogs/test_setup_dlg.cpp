#include "dialogs/test_setup_dlg.h"

#include "record/velk_doc.h"

namespace velk {

CTestSetupDlg::CTestSetupDlg(CVelkDoc& doc, QWidget* parent) : QDialog(parent), m_doc(doc) {
  setWindowTitle(tr("数采/压杆/试样参数"));
  setModal(false);
}

void CTestSetupDlg::ShowFields() {}

}  // namespace velk
