#include "app/open_recording_dlg.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/open_wave_dlg.h"
#include "app/qt_interaction.h"

namespace velk {

namespace {

struct FormatItem {
  RecordingFormat format;
  const char* text;
};

// What the operator may choose; the detected format is what "自动识别" reads with.
const FormatItem kFormats[] = {
    {RecordingFormat::kAuto, QT_TRANSLATE_NOOP("velk::CRecordingOpenDlg", "自动识别")},
    {RecordingFormat::kIsf, "Tektronix ISF"},
    {RecordingFormat::kTekCsv, "Tektronix CSV"},
    {RecordingFormat::kTrc, "LeCroy TRC"},
    {RecordingFormat::kDelimited, QT_TRANSLATE_NOOP("velk::CRecordingOpenDlg", "分隔文本")},
    {RecordingFormat::kTektronixText,
     QT_TRANSLATE_NOOP("velk::CRecordingOpenDlg", "Tektronix 文本")},
};

QString FormatText(RecordingFormat f) {
  for (const FormatItem& i : kFormats)
    if (i.format == f) return CRecordingOpenDlg::tr(i.text);
  return QString::fromLatin1(RecordingFormatName(f));
}

QString CharText(char c) {
  if (c == '\t') return CRecordingOpenDlg::tr("制表符");
  return QStringLiteral("'%1'").arg(QLatin1Char(c));
}

QString UnitOfSeconds(double s) {
  if (s == 1) return QStringLiteral("s");
  if (s == 1e-3) return QStringLiteral("ms");
  if (s == 1e-6) return QStringLiteral("µs");
  if (s == 1e-9) return QStringLiteral("ns");
  return QString::number(s);
}

// What the delimited-text reader made of the file, so a wrong guess is seen.
QString LayoutText(const DelimitedLayout& l) {
  QString time;
  if (l.timeColumn < 0) {
    time = CRecordingOpenDlg::tr("无时间列");
  } else if (l.timeIsIndex) {
    time = CRecordingOpenDlg::tr("第 %1 列为序号").arg(l.timeColumn + 1);
  } else {
    time = CRecordingOpenDlg::tr("第 %1 列为时间（%2）")
               .arg(l.timeColumn + 1)
               .arg(UnitOfSeconds(l.timeUnitS));
  }
  return CRecordingOpenDlg::tr("分隔符 %1，小数点 %2，表头 %3 行，%4")
      .arg(CharText(l.delimiter), CharText(l.decimalMark))
      .arg(l.headerRows)
      .arg(time);
}

template <class T>
struct Item {
  const char* text;
  T value;
};
using Time = DelimitedOverride::Time;
using Volts = DelimitedOverride::Volts;
const Item<char> kDelimiterItems[] = {
    {QT_TRANSLATE_NOOP("velk::CRecordingOpenDlg", "逗号"), ','},
    {QT_TRANSLATE_NOOP("velk::CRecordingOpenDlg", "分号"), ';'},
    {QT_TRANSLATE_NOOP("velk::CRecordingOpenDlg", "制表符"), '\t'}};
const Item<char> kDecimalItems[] = {{QT_TRANSLATE_NOOP("velk::CRecordingOpenDlg", "点"), '.'},
                                    {QT_TRANSLATE_NOOP("velk::CRecordingOpenDlg", "逗号"), ','}};
const Item<Time> kTimeItems[] = {
    {"s", Time::kSeconds},
    {"ms", Time::kMilliseconds},
    {"µs", Time::kMicroseconds},
    {"ns", Time::kNanoseconds},
    {QT_TRANSLATE_NOOP("velk::CRecordingOpenDlg", "序号"), Time::kIndex},
    {QT_TRANSLATE_NOOP("velk::CRecordingOpenDlg", "无时间列"), Time::kNone}};
const Item<Volts> kVoltsItems[] = {{"V", Volts::kVolts}, {"mV", Volts::kMillivolts}};

template <class T, std::size_t N>
QComboBox* ItemCombo(const Item<T> (&items)[N], QWidget* parent, const QString& name) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(name);
  for (const Item<T>& i : items)
    combo->addItem(CRecordingOpenDlg::tr(i.text), static_cast<int>(i.value));
  return combo;
}

template <class T>
T ItemValue(const QComboBox* combo) {
  return static_cast<T>(combo->currentData().toInt());
}

// The time column as the reader took it.
Time TimeOf(const DelimitedLayout& l) {
  if (l.timeColumn < 0) return Time::kNone;
  if (l.timeIsIndex) return Time::kIndex;
  if (l.timeUnitS == 1) return Time::kSeconds;
  if (l.timeUnitS == 1e-3) return Time::kMilliseconds;
  if (l.timeUnitS == 1e-6) return Time::kMicroseconds;
  if (l.timeUnitS == 1e-9) return Time::kNanoseconds;
  return Time::kDetected;  // shown as no choice
}

Volts VoltsOf(const DelimitedLayout& l) {
  if (l.voltsPerUnit == 1) return Volts::kVolts;
  if (l.voltsPerUnit == 1e-3) return Volts::kMillivolts;
  return Volts::kDetected;  // the channels differ: shown as no choice
}

void Select(QComboBox* combo, int value) { combo->setCurrentIndex(combo->findData(value)); }

// "文件 1：" in front of a text about file k; one substitution, so a "%" in the text stays.
QString FileNote(int k, const QString& text) {
  return CRecordingOpenDlg::tr("文件 %1：%2").arg(QString::number(k + 1), text);
}

}  // namespace

CRecordingOpenDlg::CRecordingOpenDlg(RecordingOpenFields& fields, Interaction& ui, QWidget* parent)
    : QDialog(parent), m_fields(fields), m_ui(ui) {
  setWindowTitle(tr("打开记录文件"));
  setObjectName(QStringLiteral("recordingOpen"));
  auto* layout = new QVBoxLayout(this);

  auto* files = new QGroupBox(tr("文件"), this);
  auto* grid = new QGridLayout(files);
  m_mode = new QButtonGroup(this);
  auto* one = new QRadioButton(tr("一个文件（含两个通道）"), files);
  auto* two = new QRadioButton(tr("两个文件"), files);
  one->setObjectName(QStringLiteral("oneFile"));
  two->setObjectName(QStringLiteral("twoFiles"));
  m_mode->addButton(one, 1);
  m_mode->addButton(two, 2);
  auto* modes = new QHBoxLayout;
  modes->addWidget(one);
  modes->addWidget(two);
  modes->addStretch(1);
  grid->addLayout(modes, 0, 0, 1, 5);
  for (int k = 0; k < 2; ++k) {
    FileRow& r = m_rows[k];
    r.path = new QLineEdit(files);
    r.path->setReadOnly(true);
    r.path->setMinimumWidth(360);
    r.path->setObjectName(QStringLiteral("path%1").arg(k + 1));
    r.browse = new QToolButton(files);
    r.browse->setIcon(QIcon(QStringLiteral(":/icons/open.svg")));
    r.browse->setIconSize(QSize(22, 22));
    r.browse->setObjectName(QStringLiteral("browse%1").arg(k + 1));
    r.format = new QComboBox(files);
    r.format->setObjectName(QStringLiteral("format%1").arg(k + 1));
    for (const FormatItem& i : kFormats) r.format->addItem(tr(i.text), static_cast<int>(i.format));
    grid->addWidget(new QLabel(tr("文件 %1：").arg(k + 1), files), k + 1, 0);
    grid->addWidget(r.path, k + 1, 1);
    grid->addWidget(r.browse, k + 1, 2);
    grid->addWidget(new QLabel(tr("格式："), files), k + 1, 3);
    grid->addWidget(r.format, k + 1, 4);
    connect(r.browse, &QToolButton::clicked, this, [this, k] { Browse(k); });
    connect(r.format, &QComboBox::activated, this, [this, k] { FormatChanged(k); });
  }
  grid->setColumnStretch(1, 1);
  layout->addWidget(files);

  m_channels = new QTreeWidget(this);
  m_channels->setObjectName(QStringLiteral("channels"));
  m_channels->setRootIsDecorated(false);
  m_channels->setHeaderLabels(
      {tr("文件"), tr("格式"), tr("通道"), tr("点数"), tr("采样间隔"), tr("单位")});
  m_channels->setMinimumHeight(140);
  m_channels->header()->setStretchLastSection(false);
  layout->addWidget(m_channels);
  m_layout = new QLabel(this);
  m_layout->setObjectName(QStringLiteral("layout"));
  m_layout->setWordWrap(true);
  layout->addWidget(m_layout);
  m_layoutBox = MakeLayoutBox();
  layout->addWidget(m_layoutBox);

  auto pickGroup = [this](const QString& title, QComboBox*& combo, QLineEdit*& start,
                          const QString& id) {
    auto* g = new QGroupBox(title, this);
    combo = new QComboBox(g);
    combo->setObjectName(id + QStringLiteral("Channel"));
    combo->setMinimumWidth(240);
    start = new QLineEdit(QStringLiteral("0"), g);
    start->setObjectName(id + QStringLiteral("Start"));
    start->setMaximumWidth(100);
    auto* row = new QHBoxLayout(g);
    row->addWidget(new QLabel(tr("通道："), g));
    row->addWidget(combo, 1);
    row->addSpacing(16);
    row->addWidget(new QLabel(tr("开始点："), g));
    row->addWidget(start);
    return g;
  };
  auto* picks = new QHBoxLayout;
  picks->addWidget(
      pickGroup(tr("入射波"), m_incident, m_incidentStart, QStringLiteral("incident")));
  picks->addWidget(
      pickGroup(tr("透射波"), m_transmitted, m_transmittedStart, QStringLiteral("transmitted")));
  layout->addLayout(picks);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(tr("确认"), QDialogButtonBox::AcceptRole);
  ok->setObjectName(QStringLiteral("1"));
  ok->setDefault(true);
  QPushButton* cancel = buttons->addButton(tr("取消"), QDialogButtonBox::RejectRole);
  cancel->setObjectName(QStringLiteral("2"));
  connect(buttons, &QDialogButtonBox::accepted, this, &CRecordingOpenDlg::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);

  // Files given beforehand (dropped on the window) are read at once.
  m_fields.formats.resize(m_fields.paths.size(), RecordingFormat::kAuto);
  (m_fields.paths.size() == 2 ? two : one)->setChecked(true);
  connect(m_mode, &QButtonGroup::idClicked, this, [this] { ModeChanged(); });
  for (int k = 0; k < static_cast<int>(m_fields.paths.size()) && k < 2; ++k) {
    m_rows[k].path->setText(QString::fromStdString(m_fields.paths[k]));
    ReadFile(k);
  }
  Refresh();
  resize(760, 480);
}

QGroupBox* CRecordingOpenDlg::MakeLayoutBox() {
  auto* box = new QGroupBox(tr("文本格式"), this);
  box->setObjectName(QStringLiteral("textLayout"));
  auto* grid = new QGridLayout(box);
  const QString heads[] = {tr("分隔符"), tr("小数点"), tr("表头行数"), tr("时间单位"),
                           tr("通道单位")};
  for (int c = 0; c < 5; ++c) grid->addWidget(new QLabel(heads[c], box), 0, c + 1);
  for (int k = 0; k < 2; ++k) {
    LayoutRow& r = m_layoutRows[k];
    const QString n = QString::number(k + 1);
    r.file = new QLabel(tr("文件 %1：").arg(k + 1), box);
    r.delimiter = ItemCombo(kDelimiterItems, box, QStringLiteral("delimiter") + n);
    r.decimal = ItemCombo(kDecimalItems, box, QStringLiteral("decimal") + n);
    r.headerRows = new QSpinBox(box);
    r.headerRows->setObjectName(QStringLiteral("headerRows") + n);
    r.headerRows->setRange(0, 9999);
    r.headerRows->setKeyboardTracking(false);  // one reading per number typed
    r.time = ItemCombo(kTimeItems, box, QStringLiteral("timeUnit") + n);
    r.volts = ItemCombo(kVoltsItems, box, QStringLiteral("channelUnit") + n);
    QWidget* row[] = {r.file, r.delimiter, r.decimal, r.headerRows, r.time, r.volts};
    for (int c = 0; c < 6; ++c) grid->addWidget(row[c], k + 1, c);
    // Only what the operator touches is fixed; the rest is detected again on every reading.
    connect(r.delimiter, &QComboBox::activated, this, [this, k] {
      LayoutOf(k).delimiter = static_cast<char>(ItemValue<int>(m_layoutRows[k].delimiter));
      LayoutChanged(k);
    });
    connect(r.decimal, &QComboBox::activated, this, [this, k] {
      LayoutOf(k).decimalMark = static_cast<char>(ItemValue<int>(m_layoutRows[k].decimal));
      LayoutChanged(k);
    });
    connect(r.headerRows, &QSpinBox::valueChanged, this, [this, k](int rows) {
      if (m_showingLayout) return;
      LayoutOf(k).headerRows = rows;
      LayoutChanged(k);
    });
    connect(r.time, &QComboBox::activated, this, [this, k] {
      LayoutOf(k).time = ItemValue<Time>(m_layoutRows[k].time);
      LayoutChanged(k);
    });
    connect(r.volts, &QComboBox::activated, this, [this, k] {
      LayoutOf(k).volts = ItemValue<Volts>(m_layoutRows[k].volts);
      LayoutChanged(k);
    });
  }
  grid->setColumnStretch(6, 1);
  return box;
}

DelimitedOverride& CRecordingOpenDlg::LayoutOf(int k) {
  if (m_fields.layouts.size() <= static_cast<std::size_t>(k)) m_fields.layouts.resize(k + 1);
  return m_fields.layouts[static_cast<std::size_t>(k)];
}

void CRecordingOpenDlg::LayoutChanged(int k) {
  ReadFile(k);
  Refresh();
}

void CRecordingOpenDlg::ShowLayout(int k, bool visible) {
  const LayoutRow& r = m_layoutRows[k];
  for (QWidget* w : std::initializer_list<QWidget*>{r.file, r.delimiter, r.decimal, r.headerRows,
                                                    r.time, r.volts})
    w->setVisible(visible);
  if (!visible) return;
  // What the reader used; where it stopped before deciding, what the operator chose.
  const DelimitedOverride& o = LayoutOf(k);
  const DelimitedLayout& read = m_fields.read[static_cast<std::size_t>(k)].recording.layout;
  m_showingLayout = true;
  Select(r.delimiter, o.delimiter.value_or(read.delimiter));
  Select(r.decimal, o.decimalMark.value_or(read.decimalMark));
  r.headerRows->setValue(o.headerRows.value_or(read.headerRows));
  Select(r.time, static_cast<int>(o.time != Time::kDetected ? o.time : TimeOf(read)));
  Select(r.volts, static_cast<int>(o.volts != Volts::kDetected ? o.volts : VoltsOf(read)));
  m_showingLayout = false;
}

bool CRecordingOpenDlg::TwoFiles() const { return m_mode->checkedId() == 2; }

void CRecordingOpenDlg::Browse(int k) {
  const std::string start =
      k < static_cast<int>(m_fields.paths.size()) ? m_fields.paths[k] : std::string();
  const auto chosen = m_ui.AskOpenPath(
      QT_TRANSLATE_NOOP("velk", "打开"),
      {{QT_TRANSLATE_NOOP("velk", "记录文件 (*.isf *.csv *.trc *.txt)"), "*.isf *.csv *.trc *.txt"},
       {QT_TRANSLATE_NOOP("velk", "所有文件 (*.*)"), "*.*"}},
      start);
  if (!chosen) return;
  if (m_fields.paths.size() <= static_cast<std::size_t>(k)) {
    m_fields.paths.resize(k + 1);
    m_fields.formats.resize(k + 1, RecordingFormat::kAuto);
  }
  m_fields.paths[k] = *chosen;
  LayoutOf(k) = DelimitedOverride{};  // a new file is detected afresh
  m_rows[k].path->setText(QString::fromStdString(*chosen));
  m_rows[k].path->setCursorPosition(static_cast<int>(m_rows[k].path->text().size()));
  ReadFile(k);
  Refresh();
}

void CRecordingOpenDlg::FormatChanged(int k) {
  if (k >= static_cast<int>(m_fields.paths.size()) || m_fields.paths[k].empty()) return;
  ReadFile(k);
  Refresh();
}

void CRecordingOpenDlg::ModeChanged() { Refresh(); }

void CRecordingOpenDlg::ReadFile(int k) {
  const auto index = static_cast<std::size_t>(k);
  m_fields.formats[index] = static_cast<RecordingFormat>(m_rows[k].format->currentData().toInt());
  if (m_fields.read.size() < m_fields.paths.size()) m_fields.read.resize(m_fields.paths.size());
  m_fields.read[index] = RecordingResult{};
  ReadChosenFile(m_fields, index);
  const RecordingFormat f = m_fields.formats[index];
  m_delimited[k] = f == RecordingFormat::kDelimited ||
                   (f == RecordingFormat::kAuto &&
                    DetectFileFormat(m_fields.paths[index]) == RecordingFormat::kDelimited);
}

void CRecordingOpenDlg::Refresh() {
  const int files = TwoFiles() ? 2 : 1;
  m_rows[1].path->setEnabled(files == 2);
  m_rows[1].browse->setEnabled(files == 2);
  m_rows[1].format->setEnabled(files == 2);
  m_channels->clear();
  QStringList notes;
  for (int k = 0; k < files && k < static_cast<int>(m_fields.read.size()); ++k) {
    if (m_fields.paths[k].empty()) continue;
    const RecordingResult& r = m_fields.read[k];
    const QString file = tr("文件 %1").arg(k + 1);
    if (!r.ok) {
      notes << FileNote(k, TranslateMessage(r.message, r.args));
      continue;
    }
    for (const RecordingChannel& c : r.recording.channels) {
      auto* item = new QTreeWidgetItem(m_channels);
      item->setText(0, file);
      item->setText(1, FormatText(r.recording.format));
      item->setText(2, QString::fromStdString(c.name));
      item->setText(3, QString::number(c.values.size()));
      item->setText(4, QString::fromStdString(IntervalText(c.sampleIntervalS)));
      item->setText(5, QString::fromStdString(c.unit));
      for (int col = 3; col <= 5; ++col) item->setTextAlignment(col, Qt::AlignRight);
    }
    if (r.recording.format == RecordingFormat::kDelimited)
      notes << FileNote(k, LayoutText(r.recording.layout));
    for (const Recording::Note& n : r.recording.notes)
      notes << FileNote(k, TranslateMessage(n.text, n.args));
  }
  bool anyLayout = false;
  for (int k = 0; k < 2; ++k) {
    const bool shown = k < files && k < static_cast<int>(m_fields.read.size()) &&
                       !m_fields.paths[k].empty() && m_delimited[k];
    ShowLayout(k, shown);
    anyLayout |= shown;
  }
  // One file needs no name in front of its row.
  if (files == 1) m_layoutRows[0].file->hide();
  m_layoutBox->setVisible(anyLayout);
  for (int col = 0; col < m_channels->columnCount(); ++col) m_channels->resizeColumnToContents(col);
  m_layout->setText(notes.join(QLatin1Char('\n')));
  m_layout->setVisible(!notes.isEmpty());
  FillChannelCombos();
}

void CRecordingOpenDlg::FillChannelCombos() {
  const int files = TwoFiles() ? 2 : 1;
  for (QComboBox* combo : {m_incident, m_transmitted}) combo->clear();
  for (int k = 0; k < files && k < static_cast<int>(m_fields.read.size()); ++k) {
    const RecordingResult& r = m_fields.read[k];
    if (!r.ok) continue;
    for (int c = 0; c < static_cast<int>(r.recording.channels.size()); ++c) {
      const QString text = FileNote(
          k, QString::fromStdString(r.recording.channels[static_cast<std::size_t>(c)].name));
      for (QComboBox* combo : {m_incident, m_transmitted}) combo->addItem(text, QPoint(k, c));
    }
  }
  // The usual wiring: first channel incident, the next one (or the second file's first)
  // transmitted.
  m_incident->setCurrentIndex(m_incident->count() > 0 ? 0 : -1);
  m_transmitted->setCurrentIndex(m_transmitted->count() > 1 ? 1 : m_transmitted->count() - 1);
}

bool CRecordingOpenDlg::Pick(const QComboBox* combo, ChannelPick& pick) {
  if (combo->currentIndex() < 0) return false;
  const QPoint p = combo->currentData().toPoint();
  pick = {p.x(), p.y()};
  return true;
}

void CRecordingOpenDlg::accept() {
  ChannelPick inc, tr;
  if (!Pick(m_incident, inc) || !Pick(m_transmitted, tr)) {
    m_ui.ShowMessage(QT_TRANSLATE_NOOP("velk", "请选择入射波和透射波通道。"));
    return;
  }
  int incStart = 0, trStart = 0;
  if (!ReadStartPoint(m_incidentStart, m_ui, incStart) ||
      !ReadStartPoint(m_transmittedStart, m_ui, trStart))
    return;
  // One-file mode drops a second file chosen before the operator switched back.
  const std::size_t files = TwoFiles() ? 2 : 1;
  if (m_fields.paths.size() > files) {
    m_fields.paths.resize(files);
    m_fields.formats.resize(files);
    m_fields.layouts.resize(files);
    m_fields.read.resize(files);
  }
  m_fields.incident = inc;
  m_fields.transmitted = tr;
  m_fields.incidentStart = incStart;
  m_fields.transmittedStart = trStart;
  QDialog::accept();
}

bool RunRecordingOpenDialog(QWidget* parent, RecordingOpenFields& fields, Interaction& ui) {
  CRecordingOpenDlg dlg(fields, ui, parent);
  return dlg.exec() == QDialog::Accepted;
}

}  // namespace velk
