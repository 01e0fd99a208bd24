#include "plot/view/velk_view.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QRubberBand>

#include "plot/core/pick_session.h"
#include "plot/core/view_actions.h"
#include "plot/render/plot_renderer.h"
#include "record/interaction.h"
#include "record/velk_doc.h"

namespace velk {

namespace {

// The pick's key numbers for Qt's keys; 0 for keys the pick ignores.
int PickKeyOf(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return kKeyEnter;
    case Qt::Key_Escape:
      return kKeyEsc;
    case Qt::Key_Left:
      return kKeyLeft;
    case Qt::Key_Up:
      return kKeyUp;
    case Qt::Key_Right:
      return kKeyRight;
    case Qt::Key_Down:
      return kKeyDown;
    case Qt::Key_L:
      return kKeyL;
    case Qt::Key_R:
      return kKeyR;
    case Qt::Key_Comma:
      return kKeyComma;
    case Qt::Key_Period:
      return kKeyFullStop;
    default:
      return 0;
  }
}

// The picture keeps the size of the client area; a view never shown prints at the size the
// batch command draws.
QSize ClientSizeOr(const QWidget& w) {
  const QSize s = w.size();
  return s.isEmpty() ? QSize(690, 490) : s;
}

}  // namespace

CVelkView::CVelkView(CVelkDoc& doc, QWidget* parent) : QWidget(parent), m_model(doc) {
  doc.m_view = &m_model;
  m_model.onCaption = [this](const std::string& c) {
    emit captionChanged(QCoreApplication::translate("velk", c.c_str()));
  };
  m_model.onRedraw = [this] { InvalidatePicture(); };
  m_model.onPickPoint = [this] { return PickPoint(); };
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  m_rubberBand = new QRubberBand(QRubberBand::Rectangle, this);
}

void CVelkView::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    const std::string title = CurveKindTitle(m_model.m_curveKind);
    if (!title.empty()) emit captionChanged(QCoreApplication::translate("velk", title.c_str()));
    InvalidatePicture();
  }
  QWidget::changeEvent(event);
}

CVelkView::~CVelkView() {
  // A pick still running returns "cancelled" to its caller; the loop only ends after we are gone.
  if (m_pickLoop) m_pickLoop->exit(kCancelled);
  if (m_model.doc().m_view == &m_model) m_model.doc().m_view = nullptr;
}

void CVelkView::OnInitialUpdate() {
  m_model.InitialUpdate();
  InvalidatePicture();
}

PlotMetrics CVelkView::plotMetrics() const { return MetricsForClient(width(), height()); }

void CVelkView::InvalidatePicture() {
  m_pictureValid = false;
  m_keepPicture = false;
  update();
}

void CVelkView::paintEvent(QPaintEvent*) {
  if (size().isEmpty()) return;
  if (!m_keepPicture || !m_pictureValid || m_picture.size() != size()) {
    m_picture = RenderPlotImage(m_model, size());
    m_pictureValid = true;
  }
  m_keepPicture = false;
  QPainter p(this);
  if (m_cursor) {
    QImage shown = m_picture;
    XorCursor(shown, *m_cursor);
    p.drawImage(0, 0, shown);
  } else {
    p.drawImage(0, 0, m_picture);
  }
}

void CVelkView::resizeEvent(QResizeEvent* event) {
  m_pictureValid = false;
  QWidget::resizeEvent(event);
}

void CVelkView::OnBaselineMode() { m_baselineMode = !m_baselineMode; }

void CVelkView::mousePressEvent(QMouseEvent* event) {
  if (m_baselineMode && m_model.m_curveKind == kOriginalWave && event->button() == Qt::LeftButton) {
    m_dragOrigin = event->position().toPoint();
    m_rubberBand->setGeometry(QRect(*m_dragOrigin, QSize()));
    m_rubberBand->show();
  }
  QWidget::mousePressEvent(event);
}

void CVelkView::mouseMoveEvent(QMouseEvent* event) {
  if (m_dragOrigin) {
    m_rubberBand->setGeometry(QRect(*m_dragOrigin, event->position().toPoint()).normalized());
  }
  QWidget::mouseMoveEvent(event);
}

void CVelkView::mouseReleaseEvent(QMouseEvent* event) {
  if (m_dragOrigin && event->button() == Qt::LeftButton) {
    const QPoint a = *m_dragOrigin;
    const QPoint b = event->position().toPoint();
    m_dragOrigin.reset();
    m_rubberBand->hide();
    // A click without a drag makes no rectangle and changes nothing.
    if (a.x() != b.x() && a.y() != b.y()) {
      QApplication::beep();
      emit baselineDragStarting();
      ApplyBaselineDrag(m_model, plotMetrics(), std::min(a.x(), b.x()), std::max(a.x(), b.x()));
      emit baselineDragFinished();
    }
  }
  QWidget::mouseReleaseEvent(event);
}

void CVelkView::OnGraphSettings(Interaction& ui) { RunGraphSettings(m_model, ui); }

void CVelkView::OnCheckCurve() { PickPoint(); }

int CVelkView::PickPoint() {
  if (m_picking || !isVisible()) return kCancelled;
  PickSession session(m_model);
  if (!session.Begin(plotMetrics())) return kCancelled;

  QEventLoop loop;
  m_session = &session;
  m_pickLoop = &loop;
  m_picking = true;
  m_pickResult = kCancelled;
  m_cursor = QPoint(session.cursorX(), session.cursorY());
  m_keepPicture = m_pictureValid;
  update();

  QPointer<CVelkView> self(this);
  setFocus(Qt::OtherFocusReason);
  grabKeyboard();
  qApp->installEventFilter(this);
  const auto quitting =
      connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { FinishPick(kCancelled); });

  // Without the keyboard there is nothing to pick with.
  if (m_pickLoop && QWidget::keyboardGrabber() == this) loop.exec();

  if (!self) return kCancelled;
  disconnect(quitting);
  qApp->removeEventFilter(this);
  if (QWidget::keyboardGrabber() == this) releaseKeyboard();
  m_session = nullptr;
  m_pickLoop = nullptr;
  m_picking = false;
  m_cursor.reset();
  emit coordinateText(QString());
  m_keepPicture = m_pictureValid;
  update();
  return m_pickResult == kDone ? kDone : kCancelled;
}

void CVelkView::FinishPick(int result) {
  if (!m_pickLoop) return;
  m_pickResult = result;
  m_pickLoop->exit(result);
  m_pickLoop = nullptr;
  m_session = nullptr;
}

void CVelkView::HandlePickKey(int key) {
  if (!m_session) return;
  switch (m_session->HandleKey(key)) {
    case PickSession::Outcome::kAccept:
      FinishPick(kDone);
      return;
    case PickSession::Outcome::kCancel:
      FinishPick(kCancelled);
      return;
    case PickSession::Outcome::kRefused:
      QApplication::beep();
      return;
    case PickSession::Outcome::kContinue:
      break;
  }
  if (const auto& text = m_session->readout()) emit coordinateText(QString::fromStdString(*text));
  const QPoint c(m_session->cursorX(), m_session->cursorY());
  if (m_cursor != c) {
    m_cursor = c;
    m_keepPicture = m_pictureValid;
    update();
  }
}

void CVelkView::focusOutEvent(QFocusEvent* event) {
  if (m_pickLoop) FinishPick(kCancelled);
  QWidget::focusOutEvent(event);
}

bool CVelkView::eventFilter(QObject* watched, QEvent* event) {
  if (!m_pickLoop) return QWidget::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::ShortcutOverride:
      // Keys belong to the pick: no accelerator may fire while it runs.
      event->accept();
      return true;
    case QEvent::KeyPress:
      if (QWidget::keyboardGrabber() != this) {
        FinishPick(kCancelled);
      } else {
        HandlePickKey(PickKeyOf(static_cast<QKeyEvent*>(event)->key()));
      }
      return true;
    case QEvent::Hide:
    case QEvent::Close:
      // The view or any window around it (its frame, the main window) going away ends the
      // pick before whatever closes it runs on.
      if (watched == this ||
          (watched->isWidgetType() && static_cast<QWidget*>(watched)->isAncestorOf(this))) {
        FinishPick(kCancelled);
      }
      break;
    case QEvent::WindowDeactivate:
      if (watched == window()) FinishPick(kCancelled);
      break;
    case QEvent::ApplicationStateChange:
      if (QGuiApplication::applicationState() != Qt::ApplicationActive) FinishPick(kCancelled);
      break;
    default:
      break;
  }
  // Someone else took the keyboard (a menu, another window's grab): the pick cannot go on.
  if (m_pickLoop && QWidget::keyboardGrabber() != this) FinishPick(kCancelled);
  return QWidget::eventFilter(watched, event);
}

void CVelkView::OnFilePrint() {
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  PrintTo(printer);
}

void CVelkView::OnFilePrintPreview() {
  QPrinter printer(QPrinter::HighResolution);
  QPrintPreviewDialog preview(&printer, this);
  connect(&preview, &QPrintPreviewDialog::paintRequested, this,
          [this](QPrinter* p) { PrintTo(*p); });
  preview.exec();
}

void CVelkView::PrintTo(QPrinter& printer) {
  QPainter painter;
  if (!painter.begin(&printer)) {
    QMessageBox::warning(this, QStringLiteral("Velk"), tr("The printer could not be started."));
    return;
  }
  // The page gets the picture of the client area, scaled to fill the printable area: screen
  // pixels used as printer dots would print a postage stamp.
  const QRectF page(QPointF(0, 0),
                    printer.pageLayout().paintRectPixels(printer.resolution()).size());
  RenderOptions o;
  o.cosmeticPens = false;
  RenderPlotFitted(painter, page, ClientSizeOr(*this), m_model, o);
  painter.end();
}

}  // namespace velk
