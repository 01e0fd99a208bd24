#include "app/qt_interaction.h"

#include <QComboBox>
#include <QDragEnterEvent>
#include <QFileDialog>
#include <QMdiArea>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>

#include "app_fixture.h"

namespace velk::testing {
namespace {

// Runs f while the next modal dialog is handed to inspect, which must close it.
template <typename F>
void WithModal(const std::function<void(QWidget&)>& inspect, F f) {
  QTimer::singleShot(0, [&] {
    if (QWidget* w = QApplication::activeModalWidget()) {
      inspect(*w);
      if (w->isVisible()) w->close();
    }
  });
  f();
}

TEST(QtInteraction, MessageBoxesAndPromptsLookAsTheOperatorKnowsThem) {
  EnsureQApp();
  CVelkApp app;  // the desktop interaction
  Interaction& ui = app.interaction();

  QString text;
  WithModal([&](QWidget& w) { text = dynamic_cast<QMessageBox&>(w).text(); },
            [&] { ui.ShowMessage("Open file %1 fault!", {"/d/%2.txt"}); });
  // The argument is put in once, even when it holds a place marker itself.
  EXPECT_EQ(text, QStringLiteral("Open file /d/%2.txt fault!"));

  QStringList filters;
  std::optional<std::string> answer = std::string("x");
  WithModal([&](QWidget& w) { filters = dynamic_cast<QFileDialog&>(w).nameFilters(); },
            [&] {
              answer = ui.AskOpenPath("打开",
                                      {{"Velk file (*.isf)", "*.isf"}, {"所有文件 (*.*)", "*.*"}},
                                      std::string());
            });
  // Files without an extension must show under "所有文件".
  EXPECT_EQ(filters, (QStringList{"Velk file (*.isf)", "所有文件 (*)"}));
  EXPECT_FALSE(answer);

  QString suffix;
  WithModal([&](QWidget& w) { suffix = dynamic_cast<QFileDialog&>(w).defaultSuffix(); },
            [&] {
              answer = ui.AskSavePath("保存为", {{"输出文件 (*.DT3)", "*.DT3"}}, ".DT3", "");
            });
  EXPECT_EQ(suffix, QStringLiteral("DT3"));
  EXPECT_FALSE(answer);

  // An emptied coordinate read-out shows the pane's name again.
  ui.SetCoordinateText("");
  EXPECT_EQ(app.mainFrame().coordinateText(), QStringLiteral("coordinate"));
}

TEST_F(AppTest, DroppedFilesOpenBesideTheOpenTest) {
  const std::string a = Write("F1.DAT", RecordFile(300, 1, 1));
  const std::string b = Write("F2.DAT", RecordFile(300, 2, 2));
  app->OpenTestFile(QString::fromStdString(a));
  app->ws().Set(kResultsComputed);
  const std::uint32_t flags = app->ws().flags;

  QMimeData mime;
  mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(b))});
  QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&app->mainFrame(), &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&app->mainFrame(), &drop);
  // Opened by the plain open-document operation: the first test stays, flags are not reset.
  EXPECT_EQ(app->records().size(), 2u);
  EXPECT_EQ(app->ws().flags, flags);
  EXPECT_EQ(app->ws().openedRecordPath, a);
}

}  // namespace
}  // namespace velk::testing
