#include "app/main_frame.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

#include "app/app_language.h"
#include "app/command_ids.h"
#include "app/command_table.h"
#include "app/record_document.h"
#include "app/undo_commands.h"
#include "app/velk_app.h"

// Resources of a static library must be registered by name, outside any namespace.
static void InitIconResources() { Q_INIT_RESOURCE(icons); }

namespace velk {

namespace {

// How often the toolbar buttons' update rules run while the program is idle.
constexpr int kIdleUpdateMs = 200;
constexpr QSize kButtonSize(60, 34);

struct ToolButton {
  int id;  // 0 marks a separator
  const char* icon;
};

// Toolbar 128, in its order.
constexpr ToolButton kToolBar[] = {
    {cmd::kOpenTektronix, "open"},
    {cmd::kOpenRecordingFile, "open_recording"},
    {cmd::kOpenParameterFile, "param_open"},
    {cmd::kSaveEngineering, "save"},
    {cmd::kSaveParameterFile, "param_save"},
    {0, nullptr},
    {cmd::kShowSetupDialog, "setup"},
    {cmd::kShowCurveChooser, "chooser"},
    {0, nullptr},
    {cmd::kCalculate, "calculate"},
    {cmd::kRecompute, "recompute"},
    {0, nullptr},
    {cmd::kAverageStrainRate, "average"},
    {0, nullptr},
    {cmd::kBaselineMode, "baseline"},
    {cmd::kSmooth, "smooth"},
    {cmd::kCutCurve, "cut"},
    {cmd::kCheckCurve, "check"},
    {cmd::kStraightenCurve, "straighten"},
    {cmd::kAbout, "about"},
    {cmd::kUnused1, "blank1"},
    {cmd::kUnused2, "blank2"},
    {cmd::kUnused3, "blank3"},
};

}  // namespace

CMainFrame::CMainFrame(CVelkApp& app) : m_app(app) {
  InitIconResources();
  setWindowTitle(tr("Velk"));
  setWindowIcon(QIcon(QStringLiteral(":/icons/velk.svg")));
  m_mdi = new QMdiArea(this);
  setCentralWidget(m_mdi);
  setAcceptDrops(true);
  connect(m_mdi, &QMdiArea::subWindowActivated, this, [this] {
    UpdateMenus();
    UpdateCommandUI();
  });

  BuildMenus();
  BuildToolBar();
  BuildAccelerators();
  BuildStatusBar();
  m_languageMenu = MakeLanguageMenu(this);
  menuBar()->addMenu(m_languageMenu);

  m_idleTimer = new QTimer(this);
  m_idleTimer->setInterval(kIdleUpdateMs);
  connect(m_idleTimer, &QTimer::timeout, this, &CMainFrame::UpdateCommandUI);
  m_idleTimer->start();
  resize(1280, 860);
}

CMainFrame::~CMainFrame() = default;

QAction* CMainFrame::MakeAction(int id, const QString& text, const QString& prompt,
                                QObject* owner) {
  auto* a = new QAction(text, owner);
  // A prompt is "status text\ntooltip"; a prompt without a tooltip part shows no tooltip of its
  // own.
  const qsizetype nl = prompt.indexOf(QLatin1Char('\n'));
  a->setStatusTip(nl < 0 ? prompt : prompt.left(nl));
  if (nl >= 0) a->setToolTip(prompt.mid(nl + 1));
  const CommandEntry* e = FindCommand(id);
  a->setCheckable(e && e->checkable);
  a->setData(id);
  connect(a, &QAction::triggered, this, [this, id] { SendCommand(id); });
  m_actions[id].append(a);
  return a;
}

bool CMainFrame::SendCommand(int id) {
  CommandContext ctx = m_app.ActiveContext(id);
  const bool ran = DispatchCommand(id, ctx);
  UpdateCommandUI();
  return ran;
}

void CMainFrame::BuildMenus() {
  QMenuBar* bar = menuBar();
  auto item = [this](QMenu* m, int id, const QString& text, const QString& prompt) {
    m->addAction(MakeAction(id, text, prompt, m));
  };
  const QString openPrompt = tr("打开示波器波形文件\n打开波形文件");
  const QString recordingPrompt =
      tr("打开示波器或记录仪保存的记录文件（ISF、CSV、TRC 等）\n打开记录文件");
  const QString aboutPrompt = tr("显示程序信息、版本号和版权\n关于");
  const QString openSessionPrompt = tr("打开会话文件，从原始数据文件重放其中的每一步\n打开会话");
  const QString exitPrompt = tr("退出应用程序\n退出");
  const QString toolbarPrompt = tr("显示或隐藏工具栏\n显隐工具栏");
  const QString statusPrompt = tr("显示或隐藏状态栏\n显隐状态栏");
  const QString comparePrompt = tr("对比重复试验的应力应变曲线及其平均值\n对比");

  // Menu 128: no test record active.
  QMenu* file = new QMenu(tr("文件(&F)"), this);
  item(file, cmd::kOpenTektronix, tr("打开示波器文件(&T)..."), openPrompt);
  item(file, cmd::kOpenRecordingFile, tr("打开记录文件(&R)..."), recordingPrompt);
  item(file, cmd::kOpenSession, tr("打开会话..."), openSessionPrompt);
  file->addSeparator();
  file->addSeparator();
  AddRecentList(file, tr("recent file"));
  file->addSeparator();
  item(file, cmd::kExit, tr("推出(&X)"), exitPrompt);
  QMenu* view = new QMenu(tr("查看(&V)"), this);
  item(view, cmd::kViewToolbar, tr("工具栏(&T)"), toolbarPrompt);
  item(view, cmd::kViewStatusBar, tr("状态栏(&S)"), statusPrompt);
  item(view, cmd::kCompare, tr("对比(&C)..."), comparePrompt);
  QMenu* help = new QMenu(tr("状态栏"), this);
  item(help, cmd::kAbout, tr("关于Velk(&A)..."), aboutPrompt);
  m_menus128 = {file, view, help};

  // Menu 129: a test record active.
  file = new QMenu(tr("文件(&F)"), this);
  item(file, cmd::kOpenTektronix, tr("打开Tek文件(&T)..."), openPrompt);
  item(file, cmd::kOpenRecordingFile, tr("打开记录文件(&R)..."), recordingPrompt);
  item(file, cmd::kSaveEngineering, tr("保存工程曲线(.DT3)"), tr("工程应变,工程应力,工程应变率"));
  item(file, cmd::kSaveTrue, tr("保存真实曲线(.DT4)"), tr("保存真实应变,应力,应变率"));
  item(file, cmd::kExportPlot, tr("Export plot..."),
       tr("将当前图像保存为 PNG、SVG 或 PDF 文件\nExport plot"));
  item(file, cmd::kExportWorkbook, tr("导出Excel(&X)..."),
       tr("将结果曲线、两端力、汇总值和参数导出为Excel工作簿\n导出Excel"));
  item(file, cmd::kExportCsv, tr("导出CSV..."), tr("将六条结果曲线导出为CSV文件\n导出CSV"));
  item(file, cmd::kOpenParameterFile, tr("打开参数文件..."), tr("打开参数文件\n打开参数文件"));
  item(file, cmd::kSaveParameterFile, tr("保存参数文件(&R)..."), tr("保存参数文件\n保存参数文件"));
  item(file, cmd::kOpenSession, tr("打开会话..."), openSessionPrompt);
  item(file, cmd::kSaveSession, tr("保存会话(&E)..."),
       tr("保存会话文件：输入文件、全部参数和每一步操作，打开时重放出同样的曲线\n保存会话"));
  item(file, cmd::kClose, tr("关闭(&C)"), tr("关闭活动文档\n关闭"));
  file->addSeparator();
  file->addSeparator();
  AddRecentList(file, tr("最近文件"));
  file->addSeparator();
  item(file, cmd::kExit, tr("退出(&X)"), exitPrompt);
  QMenu* edit = new QMenu(tr("编辑(&E)"), this);
  item(edit, cmd::kUndo, QString(), tr("撤销上一步对试验的修改\n撤销"));
  item(edit, cmd::kRedo, QString(), tr("重做撤销的修改\n重做"));
  NameUndoItems(m_app, *edit);
  connect(edit, &QMenu::aboutToShow, this, [this, edit] { NameUndoItems(m_app, *edit); });
  view = new QMenu(tr("查看(&V)"), this);
  item(view, cmd::kViewToolbar, tr("工具栏(&T)"), toolbarPrompt);
  item(view, cmd::kViewStatusBar, tr("状态栏(&S)"), statusPrompt);
  item(view, cmd::kShowSetupDialog, tr("压杆(&P)"), tr("显示主程序处理对话框\n主对话框"));
  item(view, cmd::kShowCurveChooser, tr("图像(&G)"), tr("显示图象对话框\n图象对话框"));
  item(view, cmd::kCompare, tr("对比(&C)..."), comparePrompt);
  QMenu* params = new QMenu(tr("参数(&O)"), this);
  item(params, cmd::kResultSettings, tr("结果计算(&C)..."), tr("调整与计算相关的数值\n计算设定"));
  item(params, cmd::kBridgeParameters, tr("桥/应变仪/应变片参数(&P)..."),
       tr("设置入射、透射波桥臂/桥压/应变仪增益/应变片灵敏度系数"));
  item(params, cmd::kGraphSettings, tr("图像(&G)..."), tr("调整与图形相关的数值"));
  item(params, cmd::kRecapitulation, tr("recapitulation(&E)..."), QString());
  item(params, cmd::kBarLibrary, tr("压杆库(&B)..."), tr("编辑压杆材料和直径列表\n压杆库"));
  item(params, cmd::kUncertainty, tr("不确定度..."),
       tr("以蒙特卡罗法估计结果的不确定度\n不确定度"));
  QMenu* window = new QMenu(tr("窗口(&W)"), this);
  item(window, cmd::kCascade, tr("cascade(&C)"), tr("以互相重叠的方式排列窗口\n层叠窗口"));
  item(window, cmd::kTile, tr("tile(&T)"), tr("以互不重叠的方式排列窗口\n平铺窗口"));
  item(window, cmd::kArrangeIcons, tr("arrang icon(&A)"), tr("在窗口底部排列图标\n排列图标"));
  help = new QMenu(tr("帮助(&H)"), this);
  item(help, cmd::kAbout, tr("关于 Velk(&A)..."), aboutPrompt);
  m_menus129 = {file, edit, view, params, window, help};

  for (QMenu* m : m_menus128) bar->addMenu(m);
  for (QMenu* m : m_menus129) bar->addMenu(m);
  // Update rules run when a menu opens, so what it shows is current.
  for (QMenu* m : m_menus128 + m_menus129) {
    connect(m, &QMenu::aboutToShow, this, [this, m] {
      if (m_recentActions.contains(m)) RefreshRecentList(m);
      UpdateCommandUI();
    });
  }
}

void CMainFrame::AddRecentList(QMenu* menu, const QString& placeholder) {
  QList<QAction*> list;
  for (int k = 0; k < CVelkApp::kRecentCount; ++k) {
    QAction* a = MakeAction(cmd::kRecentFirst + k, QString(), tr("打开该文档"), menu);
    menu->addAction(a);
    list.append(a);
  }
  m_recentActions[menu] = list;
  m_recentPlaceholder[menu] = placeholder;
  RefreshRecentList(menu);
}

void CMainFrame::RefreshRecentList(QMenu* menu) {
  const QStringList files = m_app.RecentFiles();
  const QList<QAction*>& list = m_recentActions[menu];
  for (int k = 0; k < list.size(); ++k) {
    QAction* a = list[k];
    if (k < files.size()) {
      a->setText(QStringLiteral("&%1 %2").arg(k + 1).arg(QDir::toNativeSeparators(files[k])));
      a->setVisible(true);
    } else if (k == 0) {
      // An empty list shows its placeholder, greyed by the update rule.
      a->setText(m_recentPlaceholder[menu]);
      a->setVisible(true);
    } else {
      a->setVisible(false);
    }
  }
}

void CMainFrame::BuildToolBar() {
  m_toolBar = new QToolBar(tr("工具栏"), this);
  m_toolBar->setObjectName(QStringLiteral("toolbar128"));
  m_toolBar->setMovable(true);
  m_toolBar->setFloatable(true);
  m_toolBar->setAllowedAreas(Qt::AllToolBarAreas);
  m_toolBar->setIconSize(QSize(26, 26));
  addToolBar(Qt::TopToolBarArea, m_toolBar);
  for (const ToolButton& b : kToolBar) {
    if (b.id == 0) {
      m_toolBar->addSeparator();
      continue;
    }
    QString prompt;
    switch (b.id) {
      case cmd::kOpenTektronix:
        prompt = tr("打开示波器波形文件\n打开波形文件");
        break;
      case cmd::kOpenRecordingFile:
        prompt = tr("打开示波器或记录仪保存的记录文件（ISF、CSV、TRC 等）\n打开记录文件");
        break;
      case cmd::kOpenParameterFile:
        prompt = tr("打开参数文件\n打开参数文件");
        break;
      case cmd::kSaveEngineering:
        prompt = tr("工程应变,工程应力,工程应变率\n保存工程曲线(.DT3)");
        break;
      case cmd::kSaveParameterFile:
        prompt = tr("保存参数文件\n保存参数文件");
        break;
      case cmd::kShowSetupDialog:
        prompt = tr("显示主程序处理对话框\n主对话框");
        break;
      case cmd::kShowCurveChooser:
        prompt = tr("显示图象对话框\n图象对话框");
        break;
      case cmd::kCalculate:
        prompt = tr("将原始波形按基线重新排列\n计算");
        break;
      case cmd::kRecompute:
        prompt = tr("参数更新后再次计算\n重新计算");
        break;
      case cmd::kAverageStrainRate:
        prompt = tr("计算平均应变率\n平均应变率");
        break;
      case cmd::kBaselineMode:
        prompt = tr("确定判断基线高度的范围\n基线");
        break;
      case cmd::kSmooth:
        prompt = tr("光滑曲线\n 光滑");
        break;
      case cmd::kCutCurve:
        prompt = tr("将指定点后的曲线切除\n切除曲线");
        break;
      case cmd::kCheckCurve:
        prompt = tr("检查曲线\n检查");
        break;
      case cmd::kStraightenCurve:
        prompt = tr("将曲线起始段拉直\n拉直曲线");
        break;
      case cmd::kAbout:
        prompt = tr("显示程序信息、版本号和版权\n关于");
        break;
      default:
        break;
    }
    QAction* a = MakeAction(b.id, QString(), prompt, m_toolBar);
    a->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(b.icon))));
    m_toolBar->addAction(a);
    if (QWidget* w = m_toolBar->widgetForAction(a)) w->setFixedSize(kButtonSize);
    m_toolActions[b.id] = a;
  }
}

void CMainFrame::BuildAccelerators() {
  // Accelerators 128: they work whichever menu is shown, like the menus' own items.
  struct Key {
    QKeySequence key;
    int id;
  };
  const Key keys[] = {
      {QKeySequence(Qt::CTRL | Qt::Key_M), cmd::kPrint},
      {QKeySequence(Qt::CTRL | Qt::Key_N), cmd::kNew},
      {QKeySequence(Qt::CTRL | Qt::Key_O), cmd::kOpenTektronix},
      {QKeySequence(Qt::CTRL | Qt::Key_Q), cmd::kOpenParameterFile},
      {QKeySequence(Qt::CTRL | Qt::Key_S), cmd::kSaveEngineering},
      {QKeySequence(Qt::CTRL | Qt::Key_V), cmd::kPaste},
      {QKeySequence(Qt::SHIFT | Qt::Key_Insert), cmd::kPaste},
      {QKeySequence(Qt::CTRL | Qt::Key_Insert), cmd::kCopy},
      {QKeySequence(Qt::CTRL | Qt::Key_X), cmd::kCut},
      {QKeySequence(Qt::SHIFT | Qt::Key_Delete), cmd::kCut},
      {QKeySequence(Qt::CTRL | Qt::Key_Z), cmd::kUndo},
      {QKeySequence(Qt::ALT | Qt::Key_Backspace), cmd::kUndo},
      {QKeySequence(Qt::CTRL | Qt::Key_Y), cmd::kRedo},
      {QKeySequence(Qt::Key_F6), cmd::kNextPane},
      {QKeySequence(Qt::SHIFT | Qt::Key_F6), cmd::kPrevPane},
  };
  for (const Key& k : keys) {
    QAction* a = MakeAction(k.id, QString(), QString(), this);
    a->setCheckable(false);
    a->setShortcut(k.key);
    a->setShortcutContext(Qt::WindowShortcut);
    addAction(a);
  }
}

void CMainFrame::BuildStatusBar() {
  QStatusBar* sb = statusBar();
  m_messagePane = new QLabel(tr("woring"), sb);
  m_messagePane->setMinimumWidth(260);
  m_coordinatePane = new QLabel(tr("coordinate"), sb);
  m_coordinateIdleText = m_coordinatePane->text();
  m_coordinatePane->setObjectName(QStringLiteral("coordinatePane"));
  sb->addWidget(m_messagePane, 0);
  sb->addWidget(m_coordinatePane, 1);
  // The lock indicators: caps lock, num lock (whose text is "value"), scroll lock.
  for (const QString& text : {tr("大写"), tr("value"), tr("滚动")}) {
    auto* l = new QLabel(text, sb);
    l->setAlignment(Qt::AlignCenter);
    l->setMinimumWidth(l->fontMetrics().horizontalAdvance(text) + 12);
    sb->addPermanentWidget(l);
  }
}

void CMainFrame::SetCoordinateText(const QString& text) {
  m_coordinatePane->setText(text.isEmpty() ? tr("coordinate") : text);
  m_coordinateIdleText = tr("coordinate");
}

QString CMainFrame::coordinateText() const { return m_coordinatePane->text(); }

QString CMainFrame::messageText() const { return m_messagePane->text(); }

QList<QMenu*> CMainFrame::visibleMenus() const {
  const QVector<QMenu*>& v = m_menu129Shown ? m_menus129 : m_menus128;
  return QList<QMenu*>(v.begin(), v.end());
}

void CMainFrame::UpdateMenus() {
  const bool record = m_app.ActiveRecord() != nullptr;
  m_menu129Shown = record;
  for (QMenu* m : m_menus128) m->menuAction()->setVisible(!record);
  for (QMenu* m : m_menus129) m->menuAction()->setVisible(record);
}

void CMainFrame::UpdateCommandUI() {
  UpdateTitle();
  for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it) {
    CommandContext ctx = m_app.ActiveContext(it.key());
    const CommandUpdate u = EvaluateCommand(it.key(), ctx);
    for (QAction* a : it.value()) {
      a->setEnabled(u.enabled);
      if (a->isCheckable()) a->setChecked(u.checked);
    }
  }
}

void CMainFrame::UpdateTitle() {
  // "Velk - document": the record's file name, or for a test read from waveform files the caption
  // its view gives; a parameter document shows its file name.
  QString doc;
  if (RecordDocument* r = m_app.ActiveRecord()) {
    doc = r->pathName.isEmpty() ? (r->frame() ? r->frame()->windowTitle() : QString())
                                : QFileInfo(r->pathName).fileName();
  } else if (QMdiSubWindow* sub = m_mdi->currentSubWindow()) {
    doc = sub->windowTitle();
  }
  const QString title = doc.isEmpty() ? tr("Velk") : tr("Velk") + QStringLiteral(" - ") + doc;
  if (windowTitle() != title) setWindowTitle(title);
}

bool CMainFrame::event(QEvent* event) {
  if (event->type() == QEvent::StatusTip) {
    // Fly-by prompts go to the message pane; with none it shows the idle text.
    const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
    m_messagePane->setText(tip.isEmpty() ? tr("woring") : tip);
    return true;
  }
  return QMainWindow::event(event);
}

void CMainFrame::changeEvent(QEvent* event) {
  // Qt sends one event per catalogue installed or removed; one rebuild, once they are all in,
  // and never while the menu that asked for it is still handling the click.
  if (event->type() == QEvent::LanguageChange && m_mdi && !m_retranslatePending) {
    m_retranslatePending = true;
    QTimer::singleShot(0, this, &CMainFrame::Retranslate);
  }
  QMainWindow::changeEvent(event);
}

void CMainFrame::Retranslate() {
  m_retranslatePending = false;
  const bool toolbarShown = m_toolBar->isVisibleTo(this);
  const bool coordinateIdle = m_coordinatePane->text() == m_coordinateIdleText;
  menuBar()->clear();
  for (QMenu* m : m_menus128 + m_menus129) delete m;
  delete m_languageMenu;
  for (const QList<QAction*>& list : m_actions) {
    for (QAction* a : list) {
      if (a->parent() == this) delete a;  // the accelerators; the others went with their menu
    }
  }
  removeToolBar(m_toolBar);
  delete m_toolBar;
  m_actions.clear();
  m_toolActions.clear();
  m_recentActions.clear();
  m_recentPlaceholder.clear();

  BuildMenus();
  BuildToolBar();
  BuildAccelerators();
  m_languageMenu = MakeLanguageMenu(this);
  menuBar()->addMenu(m_languageMenu);
  m_toolBar->setVisible(toolbarShown);

  m_messagePane->setText(tr("woring"));
  m_coordinateIdleText = tr("coordinate");
  if (coordinateIdle) m_coordinatePane->setText(m_coordinateIdleText);
  // The lock indicators, in the order BuildStatusBar made them.
  const QString locks[] = {tr("大写"), tr("value"), tr("滚动")};
  int k = 0;
  for (QLabel* l : statusBar()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
    if (l == m_messagePane || l == m_coordinatePane || k >= 3) continue;
    l->setText(locks[k++]);
  }
  for (const auto& r : m_app.records()) r->RetranslateWindows();
  UpdateMenus();
  UpdateCommandUI();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  m_app.CloseAllRecords();
  m_app.CloseAllParaDocs();
  event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
  QStringList files;
  for (const QUrl& url : event->mimeData()->urls()) {
    if (url.isLocalFile()) files << url.toLocalFile();
  }
  event->acceptProposedAction();
  // One or two instrument recordings open as one test, through the recording dialog; anything
  // else opens one file after another, each as if named on the command line.
  if (m_app.OpenDroppedRecordings(files)) return;
  for (const QString& f : files) m_app.OpenShellFile(f);
}

}  // namespace velk
