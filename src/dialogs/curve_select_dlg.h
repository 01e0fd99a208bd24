#pragma once
// "曲线图像显示选择": the modeless curve chooser every test record owns. A column of buttons picks
// the curve kind the plot view shows; two check boxes choose unsmoothed and smoothed curves.
// Enabled states and check states are the record's ChooserState, so the core commands that
// enable buttons or check 1042 need no window.

#include <QDialog>
#include <QPointer>
#include <array>

class QCheckBox;
class QPushButton;

namespace velk {

class CVelkDoc;
class CSmoothDlg;

// The chooser is placed this far below the setup dialog's top.
inline constexpr int kChooserOffsetPx = 350;
// Buttons of the force-balance kinds 13 and 14.
inline constexpr int kForcesButton = 1043;
// Check box "不确定度带": the uncertainty band around the stress-strain curves.
inline constexpr int kBandCheck = 1045;

class CCurveSelectDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CCurveSelectDlg(CVelkDoc& doc, QWidget* parent = nullptr);
  ~CCurveSelectDlg() override;
  // Brings the buttons' enabled states and the check boxes in line with the record's ChooserState.
  void SyncWithRecord();

  // The record's smoothing dialog while one is open: a curve kind chosen here locks or unlocks
  // its total-points field.
  void SetSmoothDialog(CSmoothDlg* dlg);

  // Button 1031..1040 (curve kind = id - 1028), 1041, 1042 or kBandCheck.
  QPushButton* button(int id) const;
  QCheckBox* checkBox(int id) const;

  void reject() override { hide(); }

 private:
  void OnCurveButton(int kind);
  void OnCheck(int id, bool checked);
  void ShowCurrentKind();

  CVelkDoc& m_doc;
  std::array<QPushButton*, 12> m_buttons{};  // 1031-1040, then 1043 and 1044
  QCheckBox* m_unsmoothed;
  QCheckBox* m_smoothed;
  QCheckBox* m_band;
  QPointer<CSmoothDlg> m_smooth;
};

}  // namespace velk
