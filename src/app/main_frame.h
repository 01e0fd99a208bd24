#pragma once
// The main frame: a multiple-document window with the two menus (128 without a test record, 129
// while one is active), the toolbar, the accelerators and the five-pane status bar. Every menu
// item, button and key sends its command identifier to the command table.

#include <QMainWindow>
#include <QMap>
#include <QString>
#include <QVector>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QTimer;
class QToolBar;

namespace velk {

class CVelkApp;

class CMainFrame : public QMainWindow {
  Q_OBJECT
 public:
  explicit CMainFrame(CVelkApp& app);
  ~CMainFrame() override;

  QMdiArea& mdiArea() { return *m_mdi; }
  QToolBar& toolBar() { return *m_toolBar; }

  // Runs command id through the command table, as a menu item or button would.
  bool SendCommand(int id);
  // Re-evaluates every command's update rule (enabled, checked) into its menu items and buttons.
  void UpdateCommandUI();
  // Shows menu 129 while a test record is active, else menu 128.
  void UpdateMenus();
  // The menu resource shown: 128 or 129.
  int currentMenuId() const { return m_menu129Shown ? 129 : 128; }

  // Text of the coordinate pane; an empty text restores "coordinate".
  void SetCoordinateText(const QString& text);
  QString coordinateText() const;
  QString messageText() const;

  // Every action bound to id: menu items of both menus, toolbar button, accelerators.
  QList<QAction*> actionsFor(int id) const { return m_actions.value(id); }
  // The toolbar button of id, or null.
  QAction* toolBarAction(int id) const { return m_toolActions.value(id); }
  // The visible top-level menus, in order.
  QList<QMenu*> visibleMenus() const;

 protected:
  bool event(QEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  QAction* MakeAction(int id, const QString& text, const QString& prompt, QObject* owner);
  void UpdateTitle();
  void BuildMenus();
  void BuildToolBar();
  void BuildAccelerators();
  void BuildStatusBar();
  void AddRecentList(QMenu* menu, const QString& placeholder);
  void RefreshRecentList(QMenu* menu);
  // After a language switch: builds the menus, toolbar and accelerators again from their source
  // texts, and renews the status bar's texts and every open test's windows.
  void Retranslate();

  CVelkApp& m_app;
  QMdiArea* m_mdi = nullptr;
  QToolBar* m_toolBar = nullptr;
  QLabel* m_messagePane = nullptr;
  QLabel* m_coordinatePane = nullptr;
  QTimer* m_idleTimer = nullptr;
  QVector<QMenu*> m_menus128, m_menus129;
  bool m_menu129Shown = false;
  QMap<int, QList<QAction*>> m_actions;
  QMap<int, QAction*> m_toolActions;
  QMap<QMenu*, QList<QAction*>> m_recentActions;
  QMap<QMenu*, QString> m_recentPlaceholder;
  QMenu* m_languageMenu = nullptr;
  bool m_retranslatePending = false;
  QString m_coordinateIdleText;
};

}  // namespace velk
