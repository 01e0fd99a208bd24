#pragma once
// Moving dialog fields to and from their controls. Every dialog and property page of the program
// goes through here, so all of them write numbers the same way (integers "%d", float fields with
// 6 and double fields with 15 significant digits, in the C locale whatever the desktop's locale)
// and all of them answer text that does not parse with the same two messages.

#include <QDialog>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

class QAbstractButton;
class QButtonGroup;
class QComboBox;
class QLineEdit;
class QTabWidget;

namespace velk {

// The two parse messages, as source texts (translated when shown).
inline constexpr char kTypeAnInteger[] =
    QT_TRANSLATE_NOOP("velk::DataExchange", "请键入一个整数。");
inline constexpr char kTypeANumber[] = QT_TRANSLATE_NOOP("velk::DataExchange", "请键入一个数。");

QString FormatIntField(int value);        // "%d"
QString FormatFloatField(float value);    // "%.6g"
QString FormatDoubleField(double value);  // "%.15g"
QString FormatFixedField(double value);   // "%f": the six decimals derived page fields show
// Surrounding blanks are allowed, anything else after the number is not. Values a field cannot
// hold (beyond int or float range, infinities, NaN) do not parse.
std::optional<int> ParseIntField(const QString& text);
std::optional<float> ParseFloatField(const QString& text);
std::optional<double> ParseDoubleField(const QString& text);

// Where parse messages go. The default shows a message box titled "Velk" over the dialog;
// the desktop program and the tests may route them elsewhere. Receives the source text.
using ExchangeMessageSink = std::function<void(const char* sourceText, QWidget* parent)>;
// Installs a sink and returns the previous one; an empty sink restores the message box.
ExchangeMessageSink SetExchangeMessageSink(ExchangeMessageSink sink);
// Shows a dialog's message through the sink.
void ShowExchangeMessage(const char* sourceText, QWidget* parent);

// One pass over a dialog's fields, in the order the dialog lists them. Reading stops at the first
// field whose text does not parse: that field and the ones after it keep their old values.
class DataExchange {
 public:
  DataExchange(QWidget* dialog, bool saveAndValidate) : m_dialog(dialog), m_save(saveAndValidate) {}

  bool saving() const { return m_save; }
  bool failed() const { return m_failed; }

  void Text(QLineEdit* edit, int& value);
  void Text(QLineEdit* edit, float& value);
  void Text(QLineEdit* edit, double& value);
  // Index of the checked button of the group in the order given, -1 when none is checked.
  void Radio(const std::vector<QAbstractButton*>& group, int& value);
  // Selected list index, -1 for no selection.
  void ComboIndex(QComboBox* combo, int& value);
  void Check(QAbstractButton* box, bool& value);

 private:
  template <typename T, typename Parse, typename Format>
  void Exchange(QLineEdit* edit, T& value, Parse parse, Format format, const char* message);
  void Fail(QLineEdit* edit, const char* message);

  QWidget* m_dialog;
  bool m_save;
  bool m_failed = false;
};

// Mixed into every dialog and page that exchanges fields. While an exchange writes to the
// controls, change handlers must ignore the change notifications it causes (Locked()).
class Exchanger {
 public:
  virtual ~Exchanger() = default;
  // save = true reads the controls into the fields; false writes the fields to the controls.
  // Returns false when a field failed to parse (its message has been shown).
  bool UpdateData(bool save);
  bool Locked() const { return m_lockout; }

 protected:
  virtual void DoDataExchange(DataExchange& dx) = 0;
  virtual QWidget* ExchangeWidget() = 0;

 private:
  bool m_lockout = false;
};

// One page of a property sheet.
class PropertyPage : public QWidget, public Exchanger {
  Q_OBJECT
 public:
  using QWidget::QWidget;

 protected:
  QWidget* ExchangeWidget() override { return this; }
};

// A modal sheet of tabbed pages with OK and Cancel. Each page's fields are written to its controls
// when the page is added. A page is read back when the operator leaves its tab (the tab change is
// refused while a field does not parse) and, for the current page, at OK; a page whose tab never
// became current is never read back, so its fields keep the values the command put in.
class PropertySheet : public QDialog {
  Q_OBJECT
 public:
  explicit PropertySheet(const QString& caption, QWidget* parent = nullptr);

  void AddPage(PropertyPage* page, const QString& title);
  int pageCount() const;
  PropertyPage* page(int index) const;
  // True once the page's tab has been the current one.
  bool WasOpened(int index) const;
  QTabWidget* tabs() const { return m_tabs; }

  void accept() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void OnCurrentChanged(int index);

  QTabWidget* m_tabs;
  std::vector<PropertyPage*> m_pages;
  std::vector<bool> m_opened;
  int m_current = -1;
  bool m_reverting = false;
};

}  // namespace velk
