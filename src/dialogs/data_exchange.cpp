#include "dialogs/data_exchange.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace velk {

namespace {

// std::to_chars and std::from_chars never look at the C locale, so a desktop set to a locale with
// a decimal comma still reads and writes "0.2".
template <typename T>
QString FormatGeneral(T value, int significantDigits) {
  char buf[64];
  const auto r =
      std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, significantDigits);
  return QString::fromLatin1(buf, static_cast<int>(r.ptr - buf));
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// The text between leading and trailing blanks, with a leading '+' dropped (from_chars takes
// only '-'). Returns false for text from_chars must not see ("+-1").
bool Trim(const std::string& s, const char*& first, const char*& last) {
  first = s.data();
  last = s.data() + s.size();
  while (first < last && IsBlank(*first)) ++first;
  while (last > first && IsBlank(last[-1])) --last;
  if (first < last && *first == '+') {
    ++first;
    if (first < last && *first == '-') return false;
  }
  return first < last;
}

ExchangeMessageSink& Sink() {
  static ExchangeMessageSink sink;
  return sink;
}

// Sets the text only when it differs, keeping the caret where it was: rewriting a field the
// operator is typing in must not throw the caret to the end.
void SetEditText(QLineEdit* edit, const QString& text) {
  if (edit->text() == text) return;
  const int caret = edit->cursorPosition();
  edit->setText(text);
  edit->setCursorPosition(std::min(caret, static_cast<int>(text.size())));
}

}  // namespace

void ShowExchangeMessage(const char* sourceText, QWidget* parent) {
  if (Sink()) {
    Sink()(sourceText, parent);
    return;
  }
  QMessageBox::warning(parent, QCoreApplication::translate("velk::DataExchange", "Velk"),
                       QCoreApplication::translate("velk::DataExchange", sourceText));
}

QString FormatIntField(int value) { return QString::number(value); }
QString FormatFloatField(float value) { return FormatGeneral(value, 6); }
QString FormatDoubleField(double value) { return FormatGeneral(value, 15); }

QString FormatFixedField(double value) {
  // "%f" of the largest double has 309 integer digits.
  char buf[400];
  const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 6);
  return QString::fromLatin1(buf, static_cast<int>(r.ptr - buf));
}

std::optional<int> ParseIntField(const QString& text) {
  const std::string s = text.toStdString();
  const char *first, *last;
  if (!Trim(s, first, last)) return std::nullopt;
  int v = 0;
  const auto r = std::from_chars(first, last, v);
  if (r.ec != std::errc() || r.ptr != last) return std::nullopt;
  return v;
}

std::optional<double> ParseDoubleField(const QString& text) {
  const std::string s = text.toStdString();
  const char *first, *last;
  if (!Trim(s, first, last)) return std::nullopt;
  double v = 0;
  const auto r = std::from_chars(first, last, v, std::chars_format::general);
  if (r.ec != std::errc() || r.ptr != last || !std::isfinite(v)) return std::nullopt;
  return v;
}

std::optional<float> ParseFloatField(const QString& text) {
  const auto d = ParseDoubleField(text);
  if (!d || std::fabs(*d) > std::numeric_limits<float>::max()) return std::nullopt;
  return static_cast<float>(*d);
}

ExchangeMessageSink SetExchangeMessageSink(ExchangeMessageSink sink) {
  ExchangeMessageSink old = std::move(Sink());
  Sink() = std::move(sink);
  return old;
}

template <typename T, typename Parse, typename Format>
void DataExchange::Exchange(QLineEdit* edit, T& value, Parse parse, Format format,
                            const char* message) {
  if (m_failed) return;
  if (!m_save) {
    SetEditText(edit, format(value));
    return;
  }
  const auto parsed = parse(edit->text());
  if (!parsed) {
    Fail(edit, message);
    return;
  }
  value = *parsed;
}

void DataExchange::Text(QLineEdit* edit, int& value) {
  Exchange(edit, value, ParseIntField, FormatIntField, kTypeAnInteger);
}
void DataExchange::Text(QLineEdit* edit, float& value) {
  Exchange(edit, value, ParseFloatField, FormatFloatField, kTypeANumber);
}
void DataExchange::Text(QLineEdit* edit, double& value) {
  Exchange(edit, value, ParseDoubleField, FormatDoubleField, kTypeANumber);
}

void DataExchange::Radio(const std::vector<QAbstractButton*>& group, int& value) {
  if (m_failed) return;
  if (m_save) {
    value = -1;
    for (std::size_t i = 0; i < group.size(); ++i) {
      if (group[i]->isChecked()) value = static_cast<int>(i);
    }
    return;
  }
  for (std::size_t i = 0; i < group.size(); ++i) {
    QAbstractButton* b = group[i];
    // An exclusive group cannot be cleared by unchecking its one checked button.
    const bool autoExclusive = b->autoExclusive();
    b->setAutoExclusive(false);
    b->setChecked(static_cast<int>(i) == value);
    b->setAutoExclusive(autoExclusive);
  }
}

void DataExchange::ComboIndex(QComboBox* combo, int& value) {
  if (m_failed) return;
  if (m_save) {
    value = combo->currentIndex();
  } else {
    combo->setCurrentIndex(value >= 0 && value < combo->count() ? value : -1);
  }
}

void DataExchange::Check(QAbstractButton* box, bool& value) {
  if (m_failed) return;
  if (m_save) {
    value = box->isChecked();
  } else {
    box->setChecked(value);
  }
}

void DataExchange::Fail(QLineEdit* edit, const char* message) {
  m_failed = true;
  ShowExchangeMessage(message, m_dialog);
  // Back to the offending field with its text selected, so the next keystroke replaces it.
  if (edit->isVisible()) {
    edit->setFocus();
    edit->selectAll();
  }
}

bool Exchanger::UpdateData(bool save) {
  // A message box raised by a failing field runs a nested event loop; an exchange started from
  // inside it would read half-updated fields, so a nested exchange is refused.
  if (m_lockout) return false;
  m_lockout = true;
  DataExchange dx(ExchangeWidget(), save);
  DoDataExchange(dx);
  m_lockout = false;
  return !dx.failed();
}

PropertySheet::PropertySheet(const QString& caption, QWidget* parent) : QDialog(parent) {
  setWindowTitle(caption);
  m_tabs = new QTabWidget(this);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText(tr("确定"));
  buttons->button(QDialogButtonBox::Cancel)->setText(tr("取消"));
  connect(buttons, &QDialogButtonBox::accepted, this, &PropertySheet::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &PropertySheet::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_tabs);
  layout->addWidget(buttons);
  connect(m_tabs, &QTabWidget::currentChanged, this, &PropertySheet::OnCurrentChanged);
}

void PropertySheet::AddPage(PropertyPage* page, const QString& title) {
  m_pages.push_back(page);
  m_opened.push_back(false);
  page->UpdateData(false);
  m_tabs->addTab(page, title);
}

int PropertySheet::pageCount() const { return static_cast<int>(m_pages.size()); }

PropertyPage* PropertySheet::page(int index) const {
  return index >= 0 && index < pageCount() ? m_pages[index] : nullptr;
}

bool PropertySheet::WasOpened(int index) const {
  return index >= 0 && index < pageCount() && m_opened[index];
}

void PropertySheet::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  const int i = m_tabs->currentIndex();
  if (i >= 0 && i < pageCount()) {
    m_opened[i] = true;
    m_current = i;
  }
}

void PropertySheet::OnCurrentChanged(int index) {
  if (m_reverting) return;
  // Leaving a page reads it back; a field that does not parse keeps the operator on it.
  if (m_current >= 0 && m_current < pageCount() && m_current != index &&
      !m_pages[m_current]->UpdateData(true)) {
    m_reverting = true;
    m_tabs->setCurrentIndex(m_current);
    m_reverting = false;
    return;
  }
  if (!isVisible()) return;  // tabs added before the sheet is shown are not "opened"
  m_current = index;
  if (index >= 0 && index < pageCount()) m_opened[index] = true;
}

void PropertySheet::accept() {
  const int i = m_tabs->currentIndex();
  if (i >= 0 && i < pageCount() && !m_pages[i]->UpdateData(true)) return;
  QDialog::accept();
}

}  // namespace velk
