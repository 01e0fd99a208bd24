#pragma once
// "recapitulation": every test parameter on one screen, edited in one modal dialog.

#include <QDialog>

#include "dialogs/data_exchange.h"
#include "record/pages.h"

class QLineEdit;

namespace velk {

class CRecapDlg : public QDialog, public Exchanger {
  Q_OBJECT
 public:
  explicit CRecapDlg(const RecapFields& fields, QWidget* parent = nullptr);
  const RecapFields& fields() const { return m_fields; }

  // OK reads every field back; the dialog stays open while one does not parse.
  void accept() override;

 protected:
  void DoDataExchange(DataExchange& dx) override;
  QWidget* ExchangeWidget() override { return this; }

 private:
  RecapFields m_fields;
  QLineEdit* Edit(int id) const;
};

// Runs the dialog modally; on OK copies its fields into `fields` and returns true.
bool RunRecapDialog(QWidget* parent, RecapFields& fields);

}  // namespace velk
