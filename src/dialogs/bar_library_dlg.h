#pragma once
// "压杆库": the lab's bar materials and diameters. The built-in rows and the rows a parameter file
// brought for this session are shown greyed and cannot be edited; the lab's own rows are edited in
// place. OK takes the edits into the library only when every row is sound.

#include <QDialog>
#include <vector>

#include "record/bar_library.h"
#include "record/velk_doc.h"

class QTableWidget;

namespace velk {

class CBarLibraryDlg : public QDialog {
  Q_OBJECT
 public:
  CBarLibraryDlg(BarLibrary& library, QWidget* parent = nullptr);

  void accept() override;

  QTableWidget* materialTable() const { return m_materials; }
  QTableWidget* diameterTable() const { return m_diameters; }
  void AddMaterialRow();
  void AddDiameterRow();
  // Removes the selected row of the table when it is one of the lab's rows.
  void RemoveSelected(QTableWidget* table);

 private:
  void Fill();
  // The library the tables describe, or the first refusal (shown to the operator) when a row is
  // not sound.
  bool Collect(BarLibrary& out);

  BarLibrary& m_library;
  QTableWidget *m_materials, *m_diameters;
};

// Runs the bar-library dialog over the workspace's library. On OK the library is saved to the
// user's library file (a failure is shown) and each record's bar choices follow their rows by
// name (a row that is gone falls back to the first one); the records' setup windows are
// refreshed. True on OK.
bool RunBarLibraryDialog(Workspace& ws, const std::vector<CVelkDoc*>& docs, QWidget* parent);

// The text of a refusal from the library, translated, with its arguments.
QString LibraryMessage(const FileResult& r);

}  // namespace velk
