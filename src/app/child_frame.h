#pragma once
// The child frame of a test record: holds the plot view, always opens maximized, and takes its
// caption from the view (the title of the curve kind shown), not from the document.

#include <QMdiSubWindow>
#include <functional>

namespace velk {

class CVelkView;

class CChildFrame : public QMdiSubWindow {
  Q_OBJECT
 public:
  explicit CChildFrame(CVelkView* view, QWidget* parent = nullptr);

  CVelkView* view() const { return m_view; }
  // Shows the frame; whatever state is asked for, a child frame shows maximized.
  void ActivateFrame();

  // Called when the operator closes the frame. The owner destroys the record, and with it this
  // frame, once the close event has returned.
  std::function<void()> onCloseRequested;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  CVelkView* m_view;
};

}  // namespace velk
