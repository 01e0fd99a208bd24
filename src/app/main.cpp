// velk: the desktop program.
#include <QApplication>
#include <QPixmap>
#include <QStringList>
#include <QTimer>
#include <clocale>

#include "app/app_language.h"
#include "app/main_frame.h"
#include "app/velk_app.h"

int main(int argc, char** argv) {
  QApplication qapp(argc, argv);
  // Qt adopts the user's locale for the C runtime; numbers in files and messages are always
  // written and read with a decimal point.
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setApplicationName(QStringLiteral("Velk"));
  velk::ApplyLanguage(velk::StartLanguage());
  QStringList args = QApplication::arguments();
  args.removeFirst();

  velk::CVelkApp app;
  if (!app.InitInstance(args)) return 1;
  app.mainFrame().show();

  // For documentation and checks on machines without a screen: VELK_GRAB=out.png saves a picture
  // of the main frame once it has settled, then quits.
  const QString grab = qEnvironmentVariable("VELK_GRAB");
  if (!grab.isEmpty()) {
    QTimer::singleShot(1500, &app, [&app, grab] {
      app.mainFrame().grab().save(grab);
      QApplication::quit();
    });
  }
  return QApplication::exec();
}
