#include "plot/view/velk_view.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <functional>

#include "../record/test_files.h"
#include "plot/core/pick_session.h"
#include "plot/render/plot_renderer.h"
#include "plot_fixture.h"
#include "record/interaction.h"
#include "record/velk_doc.h"
#include "record/workspace.h"

namespace velk {
namespace {

// A shown view of 690 x 490 on kind 5 over y = 1.5 i, i = 0..200, where px(i) = 60 + 3 i.
struct ShownView {
  Workspace ws;
  CVelkDoc doc{ws};
  std::unique_ptr<CVelkView> view = std::make_unique<CVelkView>(doc);
  QStringList coordinates;

  ShownView() {
    QObject::connect(view.get(), &CVelkView::coordinateText,
                     [this](const QString& t) { coordinates << t; });
    doc.InstallWaves(Ramp(1000, 0.0, 0.001), Ramp(1000, 0.0, -0.001));
    view->OnInitialUpdate();
    for (auto& c : doc.m_computed) c = Ramp(201, 0.0, 1.5);
    doc.m_smoothed = doc.m_computed;
    doc.m_lastResultIndex = 200;
    view->model().ScaleResults();
    view->model().SelectCurve(kEngStressCurve, 1, 0);
    view->model().Current() = ScaleRecord{0, 200, 200, 40, 0, 0, 400, 400, 80, 0};
    view->resize(690, 490);
    view->show();
    view->activateWindow();
    QApplication::processEvents();
  }

  // Runs PickPoint with `during` called from inside its loop.
  int Pick(std::function<void()> during) {
    // A pick that fails to end is accepted after a while, which fails the cancel checks
    // instead of hanging the test.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [this] { Keys({Qt::Key_Return}); });
    guard.start(3000);
    QTimer::singleShot(0, view.get(), std::move(during));
    return view->PickPoint();
  }
  void Keys(std::initializer_list<int> keys) {
    for (int k : keys) {
      QCoreApplication::postEvent(view.get(), new QKeyEvent(QEvent::KeyPress, k, Qt::NoModifier));
      QCoreApplication::postEvent(view.get(), new QKeyEvent(QEvent::KeyRelease, k, Qt::NoModifier));
    }
  }
};

TEST(ViewPick, KeysStepAcceptAndCancelWithReadOutAndRestoredPane) {
  ShownView v;
  bool pickingSeen = false;
  QImage during;
  int r = v.Pick([&] {
    pickingSeen = v.view->isPicking();
    during = v.view->grab().toImage();
    v.Keys({Qt::Key_R, Qt::Key_R, Qt::Key_Period, Qt::Key_A, Qt::Key_Return});
  });
  EXPECT_EQ(r, kDone);
  EXPECT_TRUE(pickingSeen);
  EXPECT_FALSE(v.view->isPicking());
  EXPECT_EQ(v.doc.m_pickedIndex, 12);
  EXPECT_EQ(v.doc.m_pickedValue, 18);
  EXPECT_EQ(v.coordinates,
            QStringList({"X=1 Y=1.500000  ", "X=2 Y=3.000000  ", "X=12 Y=18.000000  ", ""}));
  // The cursor sat on the first point, (60, 430), combined by exclusive-or: yellow over white
  // shows blue, yellow over the black axis shows yellow.
  ASSERT_FALSE(during.isNull());
  EXPECT_EQ(during.pixel(60, 441) & 0xFFFFFF, 0x0000FFu);
  EXPECT_EQ(during.pixel(60 + 11, 430) & 0xFFFFFF, 0xFFFF00u);
  const QImage after = v.view->grab().toImage();
  EXPECT_EQ(after.pixel(60, 441) & 0xFFFFFF, 0xFFFFFFu) << "the cursor is gone";

  v.doc.m_pickedIndex = -77;
  v.coordinates.clear();
  r = v.Pick([&] { v.Keys({Qt::Key_R, Qt::Key_Escape, Qt::Key_Return}); });
  EXPECT_EQ(r, kCancelled);
  EXPECT_EQ(v.doc.m_pickedIndex, -77);
  EXPECT_EQ(v.coordinates.back(), "");
}

TEST(ViewPick, EndsCancelledWhenTheViewLosesTheKeyboardOrIsHiddenClosedOrDestroyed) {
  {
    ShownView v;
    QWidget other;
    other.show();
    int r = v.Pick([&] {
      other.grabKeyboard();
      v.Keys({Qt::Key_Return});
    });
    other.releaseKeyboard();
    EXPECT_EQ(r, kCancelled);
    EXPECT_FALSE(v.view->isPicking());
    EXPECT_EQ(v.coordinates.back(), "");
  }
  {
    ShownView v;
    v.doc.m_pickedIndex = -1;
    EXPECT_EQ(v.Pick([&] { v.view->hide(); }), kCancelled);
    EXPECT_EQ(v.view->PickPoint(), kCancelled) << "a hidden view cannot pick";
    v.view->show();
    EXPECT_EQ(v.Pick([&] { v.view->close(); }), kCancelled);
    EXPECT_EQ(v.doc.m_pickedIndex, -1);
  }
  {
    ShownView v;
    EXPECT_EQ(v.Pick([&] { v.view->clearFocus(); }), kCancelled) << "focus lost";
  }
  {
    // A frame around the view that refuses to close still ends the pick first.
    struct StubbornFrame : QWidget {
      void closeEvent(QCloseEvent* e) override { e->ignore(); }
    } frame;
    ShownView v;
    v.view->setParent(&frame);
    frame.resize(690, 490);
    frame.show();
    v.view->show();
    QApplication::processEvents();
    EXPECT_EQ(v.Pick([&] { frame.close(); }), kCancelled);
    v.view->setParent(nullptr);
  }
  {
    ShownView v;
    QWidget other;
    EXPECT_EQ(v.Pick([&] {
      other.show();
      other.activateWindow();
    }),
              kCancelled)
        << "another window activated";
  }
  {
    ShownView v;
    CVelkView* raw = v.view.get();
    QTimer::singleShot(0, [&] { v.view.reset(); });
    EXPECT_EQ(raw->PickPoint(), kCancelled);
    EXPECT_EQ(v.doc.m_view, nullptr);
  }
}

TEST(ViewPick, EndsCancelledWhenTheProgramQuits) {
  ShownView v;
  int r = -1;
  QTimer::singleShot(0, [&] { r = v.view->PickPoint(); });
  QTimer::singleShot(50, [] { QCoreApplication::quit(); });
  // Guards the test against a pick that never ends.
  QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
  const int code = QCoreApplication::exec();
  EXPECT_NE(code, 99);
  EXPECT_EQ(r, kCancelled);
  EXPECT_FALSE(v.view->isPicking());
}

void Mouse(QWidget* w, QEvent::Type type, QPoint p, Qt::MouseButtons buttons) {
  QMouseEvent e(type, QPointF(p), w->mapToGlobal(QPointF(p)), Qt::LeftButton, buttons,
                Qt::NoModifier);
  QCoreApplication::sendEvent(w, &e);
}

void Drag(QWidget* w, QPoint from, QPoint to) {
  Mouse(w, QEvent::MouseButtonPress, from, Qt::LeftButton);
  Mouse(w, QEvent::MouseMove, (from + to) / 2, Qt::LeftButton);
  Mouse(w, QEvent::MouseMove, to, Qt::LeftButton);
  Mouse(w, QEvent::MouseButtonRelease, to, Qt::NoButton);
}

TEST(ViewBaseline, DragInBaselineModeOnRawWavesSetsTheRange) {
  ShownView v;
  CVelkView* w = v.view.get();
  w->model().SelectCurve(kOriginalWave, 1, 0);
  w->model().Current() = ScaleRecord{0, 1000, 1000, 200, 0, -1, 1, 2, 0.4, 2};
  v.doc.m_incBaseStart = 0;
  v.doc.m_incBaseEnd = 199;
  // Mode off: a drag does nothing.
  Drag(w, {120, 100}, {240, 200});
  EXPECT_EQ(v.doc.m_incBaseEnd, 199);
  w->OnBaselineMode();
  EXPECT_TRUE(w->isBaselineMode());
  // Dragged right to left: normalised. index(x) = trunc((x - 60) * 1000 / 600).
  Drag(w, {240, 200}, {120, 100});
  EXPECT_EQ(v.doc.m_incBaseStart, 100);
  EXPECT_EQ(v.doc.m_incBaseEnd, 300);
  EXPECT_NEAR(v.doc.m_incBaseMean, 0.2, 1e-12);
  // No rectangle: nothing.
  Drag(w, {300, 150}, {400, 150});
  EXPECT_EQ(v.doc.m_incBaseStart, 100);
  // The marks show the new range: px(300) = 240 and py(0.2) = 190, marks from y = 170 to 210.
  const QImage img = w->grab().toImage();
  EXPECT_GT(testing::CountColour(img, 240, 170, 241, 211, testing::kBlue), 5);
  // Kind 4: the drag does nothing, the mode stays on.
  w->model().SelectCurve(kProcessedWave, 1, 0);
  Drag(w, {300, 100}, {400, 200});
  EXPECT_EQ(v.doc.m_incBaseEnd, 300);
  EXPECT_TRUE(w->isBaselineMode());
  w->OnBaselineMode();
  EXPECT_FALSE(w->isBaselineMode());
}

}  // namespace
}  // namespace velk
