#include "plot/view/plot_commands.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "plot/render/plot_export.h"
#include "plot/view/velk_view.h"

namespace velk {

bool ExportCurrentPlot(QWidget* parent, CVelkView& view) {
  const QString png = CVelkView::tr("PNG image (*.png)");
  const QString svg = CVelkView::tr("SVG drawing (*.svg)");
  const QString pdf = CVelkView::tr("PDF document (*.pdf)");
  QString chosen = png;
  QString path = QFileDialog::getSaveFileName(
      parent, CVelkView::tr("Export plot"), QString(),
      png + QStringLiteral(";;") + svg + QStringLiteral(";;") + pdf, &chosen);
  if (path.isEmpty()) return false;
  if (!PlotFileKindOf(path)) {
    // A name typed without a known extension takes the one of the chosen filter.
    path += chosen == svg   ? QStringLiteral(".svg")
            : chosen == pdf ? QStringLiteral(".pdf")
                            : QStringLiteral(".png");
  }
  const QSize size = view.size().isEmpty() ? QSize(690, 490) : view.size();
  QString error;
  if (!ExportPlot(view.model(), path, size, &error)) {
    QMessageBox::warning(parent, QStringLiteral("Velk"), error);
    return false;
  }
  return true;
}

}  // namespace velk
