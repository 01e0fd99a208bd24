#include "app/qt_interaction.h"

#include <QFileDialog>
#include <QMessageBox>

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
}

}  // namespace
}  // namespace velk::testing
