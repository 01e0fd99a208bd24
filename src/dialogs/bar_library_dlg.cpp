#include "dialogs/bar_library_dlg.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace velk {

namespace {

constexpr int kOriginRole = Qt::UserRole + 1;

QString Number(double v) { return QString::number(v, 'g', 10); }

QTableWidgetItem* Cell(const QString& text, bool editable) {
  auto* item = new QTableWidgetItem(text);
  if (!editable) {
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    item->setForeground(QColor(128, 128, 128));
  }
  return item;
}

void SetRow(QTableWidget* t, int row, const QStringList& cells, BarRowOrigin origin) {
  const bool editable = origin == BarRowOrigin::User;
  for (int c = 0; c < cells.size(); ++c) t->setItem(row, c, Cell(cells[c], editable));
  t->item(row, 0)->setData(kOriginRole, static_cast<int>(origin));
}

QString NameText(const std::string& name, BarRowOrigin origin) {
  // Built-in names are the program's own texts; a lab's names are shown as typed.
  return origin == BarRowOrigin::BuiltIn
             ? QCoreApplication::translate("velk::BarTable", name.c_str())
             : QString::fromStdString(name);
}

QTableWidget* MakeTable(const QStringList& headers, const QString& name) {
  auto* t = new QTableWidget(0, static_cast<int>(headers.size()));
  t->setObjectName(name);
  t->setHorizontalHeaderLabels(headers);
  t->verticalHeader()->hide();
  t->setSelectionBehavior(QAbstractItemView::SelectRows);
  t->setSelectionMode(QAbstractItemView::SingleSelection);
  t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  t->horizontalHeader()->setStretchLastSection(true);
  return t;
}

BarRowOrigin OriginOf(const QTableWidget* t, int row) {
  return static_cast<BarRowOrigin>(t->item(row, 0)->data(kOriginRole).toInt());
}

double CellNumber(const QTableWidget* t, int row, int column, bool& ok) {
  bool good = false;
  const double v = t->item(row, column)->text().trimmed().toDouble(&good);
  ok = ok && good;
  return good ? v : 0.0;
}

}  // namespace

QString LibraryMessage(const FileResult& r) {
  QString text = QCoreApplication::translate("velk", r.message.c_str());
  for (const std::string& a : r.args) text = text.arg(QString::fromStdString(a));
  return text;
}

CBarLibraryDlg::CBarLibraryDlg(BarLibrary& library, QWidget* parent)
    : QDialog(parent), m_library(library) {
  setWindowTitle(tr("压杆库"));
  m_materials =
      MakeTable({tr("名称"), tr("波速(m/s)"), tr("弹性模量(MPa)"), tr("泊松比"), tr("密度(kg/m³)")},
                "materials");
  m_diameters = MakeTable({tr("名称"), tr("直径(mm)"), tr("面积(mm²)")}, "diameters");

  auto* layout = new QVBoxLayout(this);
  auto addGroup = [&](const QString& title, QTableWidget* table, void (CBarLibraryDlg::*add)()) {
    auto* box = new QGroupBox(title);
    auto* v = new QVBoxLayout(box);
    v->addWidget(table);
    auto* buttons = new QHBoxLayout;
    auto* addButton = new QPushButton(tr("添加"));
    auto* removeButton = new QPushButton(tr("删除"));
    buttons->addWidget(addButton);
    buttons->addWidget(removeButton);
    buttons->addStretch();
    v->addLayout(buttons);
    connect(addButton, &QPushButton::clicked, this, add);
    connect(removeButton, &QPushButton::clicked, this, [this, table] { RemoveSelected(table); });
    layout->addWidget(box);
  };
  addGroup(tr("压杆材料"), m_materials, &CBarLibraryDlg::AddMaterialRow);
  addGroup(tr("压杆直径"), m_diameters, &CBarLibraryDlg::AddDiameterRow);
  auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  connect(box, &QDialogButtonBox::accepted, this, &CBarLibraryDlg::accept);
  connect(box, &QDialogButtonBox::rejected, this, &CBarLibraryDlg::reject);
  layout->addWidget(box);
  Fill();
  resize(620, 560);
}

void CBarLibraryDlg::Fill() {
  m_materials->setRowCount(static_cast<int>(m_library.Materials().size()));
  int row = 0;
  for (const BarMaterialRow& m : m_library.Materials()) {
    SetRow(m_materials, row++,
           {NameText(m.name, m.origin), Number(m.waveSpeedMs), Number(m.modulusMpa),
            Number(m.poisson), Number(m.densityKgM3)},
           m.origin);
  }
  m_diameters->setRowCount(static_cast<int>(m_library.Diameters().size()));
  row = 0;
  for (const BarDiameterRow& d : m_library.Diameters()) {
    SetRow(m_diameters, row, {NameText(d.name, d.origin), Number(d.diameterMm), Number(d.areaMm2)},
           d.origin);
    // The area follows from the diameter.
    m_diameters->item(row, 2)->setFlags(m_diameters->item(row, 2)->flags() & ~Qt::ItemIsEditable);
    ++row;
  }
}

void CBarLibraryDlg::AddMaterialRow() {
  const int row = m_materials->rowCount();
  m_materials->insertRow(row);
  SetRow(m_materials, row, {tr("新材料"), "5000", "200000", "0.29", "7800"}, BarRowOrigin::User);
  m_materials->setCurrentCell(row, 0);
  m_materials->editItem(m_materials->item(row, 0));
}

void CBarLibraryDlg::AddDiameterRow() {
  const int row = m_diameters->rowCount();
  m_diameters->insertRow(row);
  SetRow(m_diameters, row, {"20", "20", ""}, BarRowOrigin::User);
  m_diameters->item(row, 2)->setFlags(m_diameters->item(row, 2)->flags() & ~Qt::ItemIsEditable);
  m_diameters->setCurrentCell(row, 0);
  m_diameters->editItem(m_diameters->item(row, 0));
}

void CBarLibraryDlg::RemoveSelected(QTableWidget* table) {
  const int row = table->currentRow();
  if (row < 0) return;
  if (OriginOf(table, row) != BarRowOrigin::User) {
    QMessageBox::information(this, tr("压杆库"), tr("内置压杆和参数文件带来的压杆不能删除。"));
    return;
  }
  table->removeRow(row);
}

bool CBarLibraryDlg::Collect(BarLibrary& out) {
  // The built-in and session rows stay as they are; the lab's rows are the table's.
  out = m_library;
  for (int i = static_cast<int>(out.Materials().size()) - 1; i >= 0; --i) {
    if (out.Materials()[i].origin == BarRowOrigin::User) (void)out.RemoveMaterial(i);
  }
  for (int i = static_cast<int>(out.Diameters().size()) - 1; i >= 0; --i) {
    if (out.Diameters()[i].origin == BarRowOrigin::User) (void)out.RemoveDiameter(i);
  }
  auto refuse = [this](const FileResult& r) {
    QMessageBox::warning(this, tr("压杆库"), LibraryMessage(r));
    return false;
  };
  for (int row = 0; row < m_materials->rowCount(); ++row) {
    if (OriginOf(m_materials, row) != BarRowOrigin::User) continue;
    bool ok = true;
    BarMaterialRow m{m_materials->item(row, 0)->text().trimmed().toStdString(),
                     CellNumber(m_materials, row, 1, ok), CellNumber(m_materials, row, 2, ok),
                     CellNumber(m_materials, row, 3, ok), CellNumber(m_materials, row, 4, ok)};
    if (!ok) m.waveSpeedMs = 0;  // a cell that is no number makes the row unsound
    if (FileResult r = out.AddMaterial(m); !r) return refuse(r);
  }
  for (int row = 0; row < m_diameters->rowCount(); ++row) {
    if (OriginOf(m_diameters, row) != BarRowOrigin::User) continue;
    bool ok = true;
    BarDiameterRow d{m_diameters->item(row, 0)->text().trimmed().toStdString(),
                     CellNumber(m_diameters, row, 1, ok)};
    if (!ok) d.diameterMm = 0;
    if (FileResult r = out.AddDiameter(d); !r) return refuse(r);
  }
  return true;
}

bool RunBarLibraryDialog(Workspace& ws, const std::vector<CVelkDoc*>& docs, QWidget* parent) {
  struct Chosen {
    std::string material, diameter, trMaterial, trDiameter;
  };
  auto nameOf = [](const auto& rows, int i) {
    return i >= 0 && i < static_cast<int>(rows.size()) ? rows[i].name : std::string();
  };
  std::vector<Chosen> chosen;
  for (CVelkDoc* d : docs) {
    const SetupFields& f = d->m_setup;
    chosen.push_back({nameOf(ws.bars.Materials(), f.barMaterialIndex),
                      nameOf(ws.bars.Diameters(), f.barDiameterIndex),
                      nameOf(ws.bars.Materials(), f.trBarMaterialIndex),
                      nameOf(ws.bars.Diameters(), f.trBarDiameterIndex)});
  }
  CBarLibraryDlg dlg(ws.bars, parent);
  if (dlg.exec() != QDialog::Accepted) return false;
  if (const FileResult r = ws.bars.Save(BarLibraryPath()); !r) {
    QMessageBox::warning(parent, CBarLibraryDlg::tr("压杆库"), LibraryMessage(r));
  }
  auto rowOf = [](int found) { return found >= 0 ? found : 0; };
  for (std::size_t k = 0; k < docs.size(); ++k) {
    SetupFields& f = docs[k]->m_setup;
    f.barMaterialIndex = rowOf(ws.bars.FindMaterial(chosen[k].material));
    f.barDiameterIndex = rowOf(ws.bars.FindDiameter(chosen[k].diameter));
    f.trBarMaterialIndex = rowOf(ws.bars.FindMaterial(chosen[k].trMaterial));
    f.trBarDiameterIndex = rowOf(ws.bars.FindDiameter(chosen[k].trDiameter));
    docs[k]->SetBarProperties();
    if (docs[k]->m_observer.setupFieldsLoaded) docs[k]->m_observer.setupFieldsLoaded();
  }
  return true;
}

void CBarLibraryDlg::accept() {
  BarLibrary edited;
  if (!Collect(edited)) return;
  m_library = edited;
  QDialog::accept();
}

}  // namespace velk
