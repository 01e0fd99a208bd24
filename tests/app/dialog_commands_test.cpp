// The dialog commands reached through the command table on the bundled record-file sample.

#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/command_ids.h"
#include "app/command_table.h"
#include "app_fixture.h"
#include "dialogs/method_dlg.h"
#include "dialogs/smooth_dlg.h"

namespace velk {
namespace {

using testing::AppTest;

const QString kSample = QStringLiteral(VELK_SOURCE_DIR "/samples/record/S1.DAT");

class DialogCommands : public AppTest {
 protected:
  void OpenSample() {
    app->OpenTestFile(kSample);
    ASSERT_NE(app->ActiveRecord(), nullptr);
  }
  CommandUpdate State(int id) {
    CommandContext ctx = app->ActiveContext(id);
    return EvaluateCommand(id, ctx);
  }
  CVelkDoc& Doc() { return app->ActiveRecord()->doc(); }
};

TEST_F(DialogCommands, CalculateEnablesRecomputeAndRecomputeRepeatsTheResults) {
  OpenSample();
  EXPECT_TRUE(State(cmd::kCalculate).enabled);
  EXPECT_FALSE(State(cmd::kRecompute).enabled);
  ui.methodAnswers = {5};
  EXPECT_TRUE(app->mainFrame().SendCommand(cmd::kCalculate));
  EXPECT_TRUE(State(cmd::kRecompute).enabled);
  const auto curves = Doc().m_computed;
  Doc().m_computed[kEngStress][3] = -1.0;
  EXPECT_TRUE(app->mainFrame().SendCommand(cmd::kRecompute));
  EXPECT_EQ(Doc().m_computed, curves);
}

TEST_F(DialogCommands, SmoothCommandKeepsOneDialogAndIsCheckedWhileItExists) {
  OpenSample();
  EXPECT_FALSE(State(cmd::kSmooth).checked);
  EXPECT_TRUE(app->mainFrame().SendCommand(cmd::kSmooth));
  auto* first = qobject_cast<CSmoothDlg*>(app->ActiveRecord()->smoothDialog());
  ASSERT_NE(first, nullptr);
  EXPECT_TRUE(first->isVisible());
  EXPECT_EQ(first->totalPoints()->text(), QString::number(Doc().pointCount()));
  EXPECT_TRUE(State(cmd::kSmooth).checked);
  EXPECT_TRUE(app->mainFrame().SendCommand(cmd::kSmooth));
  EXPECT_EQ(app->ActiveRecord()->smoothDialog(), first);

  // Enter presses "光滑".
  first->smoothingPoints()->setText("5");
  QTest::keyClick(first->smoothingPoints(), Qt::Key_Return);
  EXPECT_TRUE(Doc().m_chooser.showSmoothedChecked);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(LeadingDigitsValue(" 7x"), 7);
  EXPECT_EQ(LeadingDigitsValue("99999999999"), 0);

  QTest::mouseClick(first->findChild<QPushButton*>("2"), Qt::LeftButton);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(app->ActiveRecord()->smoothDialog(), nullptr);
  EXPECT_FALSE(State(cmd::kSmooth).checked);

  // Closing the record with a smoothing dialog open takes the dialog with it.
  EXPECT_TRUE(app->mainFrame().SendCommand(cmd::kSmooth));
  QPointer<QDialog> open = app->ActiveRecord()->smoothDialog();
  app->CloseAllRecords();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(open.isNull());
}

TEST(DesktopInteraction, RunsTheMethodDialogOnceTheRunnersAreInstalled) {
  testing::EnsureQApp();
  CVelkApp desktop;  // the desktop interaction installs the dialog runners
  QTimer poll;
  poll.setInterval(5);
  QObject::connect(&poll, &QTimer::timeout, [&poll] {
    if (auto* d = qobject_cast<CMethodDlg*>(QApplication::activeModalWidget())) {
      poll.stop();
      d->findChild<QPushButton*>("1032")->click();
    }
  });
  poll.start();
  EXPECT_EQ(desktop.interaction().ChooseWindowMethod(), 5);
}

}  // namespace
}  // namespace velk
