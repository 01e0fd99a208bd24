#pragma once
// "不确定度": the standard uncertainty of each input, and the Monte Carlo run on the record with
// its summary values, their 95 % bands and which input dominates each.

#include <QDialog>
#include <array>

class QAbstractSpinBox;
class QLabel;
class QTableWidget;

namespace velk {

struct UncertaintySheet;
struct UncertaintyInputs;

class CUncertaintyDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CUncertaintyDlg(UncertaintySheet& sheet, QWidget* parent = nullptr);

  // Field k of UncertaintyFields (a QDoubleSpinBox, the last a QSpinBox).
  QAbstractSpinBox* field(int k) const { return m_fields[static_cast<std::size_t>(k)]; }
  QTableWidget* summaryTable() const { return m_summary; }
  QTableWidget* sensitivityTable() const { return m_shares; }

  // "计算": runs the Monte Carlo with the fields' values and shows what it gave.
  void Run();
  // "默认值": the stated defaults into the fields.
  void SetDefaults();
  // The fields' values.
  UncertaintyInputs ReadInputs() const;

 private:
  void ShowInputs(const UncertaintyInputs& in);
  void ShowResult();

  UncertaintySheet& m_sheet;
  std::array<QAbstractSpinBox*, 9> m_fields{};
  QTableWidget* m_summary;
  QTableWidget* m_shares;
  QLabel* m_draws;
};

// Runs the dialog modally; the sheet's inputs are the fields' values when it closes.
bool RunUncertaintyDialog(QWidget* parent, UncertaintySheet& sheet);

}  // namespace velk
