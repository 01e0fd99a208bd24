#pragma once
// Shared set-up of the desktop tests: one QApplication for the test program, settings kept in a
// temporary folder, a CVelkApp driven by a ScriptedInteraction, and small test files.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "../record/test_files.h"
#include "app/main_frame.h"
#include "app/record_document.h"
#include "app/velk_app.h"
#include "record/scripted_interaction.h"

namespace velk::testing {

inline QApplication& EnsureQApp() {
  static QTemporaryDir* configDir = nullptr;
  static QApplication* app = nullptr;
  if (!app) {
    // The recent-file list lives in the settings: keep the tests' list away from the user's.
    configDir = new QTemporaryDir;
    qputenv("XDG_CONFIG_HOME", configDir->path().toUtf8());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "app_tests";
    static char* argv[] = {name, nullptr};
    app = new QApplication(argc, argv);
  }
  return *app;
}

inline void SetRecentFiles(const QStringList& files) {
  QSettings s{QStringLiteral("Local AppWizard-Generated Applications"), QStringLiteral("Velk")};
  s.remove(QStringLiteral("Recent File List"));
  s.beginGroup(QStringLiteral("Recent File List"));
  for (int k = 0; k < files.size(); ++k) s.setValue(QStringLiteral("File%1").arg(k + 1), files[k]);
}

class AppTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureQApp();
    SetRecentFiles({});
    app = std::make_unique<CVelkApp>(&ui);
  }
  void TearDown() override { app.reset(); }

  // Writes a file in the test's folder; returns its path.
  std::string Write(const std::string& name, const std::string& content) {
    return m_dir.Write(name, content);
  }
  std::string Path(const std::string& name) const { return (m_dir.path() / name).string(); }
  static std::string ReadAll(const std::string& path) {
    return std::filesystem::exists(path) ? ReadBytes(path) : "<missing>";
  }

  // Runs command id; while it runs, the first modal dialog it opens is handed to onDialog, which
  // must close it. Returns the caption of that dialog (empty if none opened).
  QString RunWithDialog(int id, const std::function<void(QDialog&)>& onDialog) {
    QString caption;
    bool seen = false;
    QTimer::singleShot(0, [&] {
      auto* dlg = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (!dlg) return;
      seen = true;
      caption = dlg->windowTitle();
      onDialog(*dlg);
      if (dlg->isVisible()) dlg->reject();
    });
    app->mainFrame().SendCommand(id);
    if (!seen) QApplication::processEvents();
    return caption;
  }

  ScriptedInteraction ui;
  std::unique_ptr<CVelkApp> app;
  TempDir m_dir;
};

// A test record file: incident readings, then transmitted readings, each plus 512.
inline std::string RecordFile(int perChannel, int incident, int transmitted) {
  std::string s;
  for (int i = 0; i < perChannel; ++i) s += std::to_string(512 + incident) + "\n";
  for (int i = 0; i < perChannel; ++i) s += std::to_string(512 + transmitted) + "\n";
  return s;
}

}  // namespace velk::testing
