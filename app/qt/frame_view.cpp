#include "qt/frame_view.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <algorithm>

#include "qt/dialogs.h"
#include "render/frame_renderer.h"
#include "render/picture_files.h"

namespace norvika {

namespace {

// The widest box the run shows and its height, in pixels; with the twip positions of its
// questions they give the part of the screen the drawing windows should leave free.
constexpr int kBoxWidth = 440;
constexpr int kBoxHeight = 160;
constexpr int kQuestionRightTwips = 10000;
constexpr int kQuestionBottomTwips = 8500;
constexpr int kOffsetsQuestionTopTwips = 7000;
constexpr int kMinimumWidth = 360;
constexpr int kMinimumHeight = 270;

}  // namespace

FrameView::FrameView(const Window& window) : window_(window) {
  setWindowTitle(QString::fromUtf8(windowCaption(window.id())));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(160, 120);
}

void FrameView::closeEvent(QCloseEvent* event) {
  if (closeGuard_ && !closeGuard_()) {
    event->ignore();
    return;
  }
  QWidget::closeEvent(event);
}

void FrameView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  renderFrame(painter, window_.currentFrame(), QRectF(rect()));
}

void FrameView::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  QAction* save = menu.addAction(QCoreApplication::translate("norvika", "Save picture…"));
  save->setEnabled(!window_.currentFrame().items.empty());
  if (menu.exec(event->globalPos()) != save) return;
  savePicture();
  // The question box the run waits on gets the keyboard back, so the user can answer at once.
  if (QWidget* box = QApplication::activeModalWidget()) {
    box->raise();
    box->activateWindow();
  }
}

void FrameView::savePicture() {
  // A copy: the run may go on drawing while the file dialog is open.
  const Frame frame = window_.currentFrame();
  const QString caption = QString::fromUtf8(windowCaption(window_.id()));
  const QString png = QCoreApplication::translate("norvika", "PNG image (*.png)");
  const QString svg = QCoreApplication::translate("norvika", "SVG drawing (*.svg)");
  const QString pdf = QCoreApplication::translate("norvika", "PDF document (*.pdf)");
  QString filter = png;
  QString name = QFileDialog::getSaveFileName(
      this, QCoreApplication::translate("norvika", "Save picture"),
      QString::fromUtf8(windowSlug(window_.id())) + ".png", png + ";;" + svg + ";;" + pdf, &filter);
  if (name.isEmpty()) return;
  const QString lower = name.toLower();
  if (!lower.endsWith(".png") && !lower.endsWith(".svg") && !lower.endsWith(".pdf")) {
    if (filter.contains(".svg")) {
      name += ".svg";
    } else if (filter.contains(".pdf")) {
      name += ".pdf";
    } else {
      name += ".png";
    }
  }
  if (!saveFrame(frame, name.toStdString(), caption)) {
    QMessageBox::warning(this, caption,
                         QCoreApplication::translate("norvika", "Could not write %1.").arg(name));
  }
}

QRect defaultWindowGeometry(WindowId id, const QRect& available, double dpi) {
  const int freeLeft =
      std::min(available.width() / 2, twipsToPixels(kQuestionRightTwips, dpi) + kBoxWidth);
  const int freeTop = twipsToPixels(kQuestionBottomTwips, dpi) + kBoxHeight;
  const int columnWidth = std::max(kMinimumWidth, available.width() - freeLeft);
  const int halfHeight = std::max(kMinimumHeight, available.height() / 2);
  const int left = available.right() + 1 - columnWidth;
  const int top = available.top();
  QRect rect;
  switch (id) {
    case WindowId::Report:
      rect = QRect(left, top, columnWidth, halfHeight);
      break;
    case WindowId::Graph:
      rect = QRect(left, top + halfHeight, columnWidth, halfHeight);
      break;
    case WindowId::Offsets: {
      // Below the report, so the displacement lines stay in sight while the waterline is
      // checked, and below that check's own question.
      const int below = std::max(top + halfHeight,
                                 twipsToPixels(kOffsetsQuestionTopTwips, dpi) + kBoxHeight + 8);
      rect = QRect(left, below, columnWidth,
                   std::max(kMinimumHeight, available.bottom() + 1 - below));
      break;
    }
    case WindowId::Stability:
      rect = QRect(left, top + halfHeight + halfHeight / 8, columnWidth,
                   available.height() - halfHeight - halfHeight / 8);
      break;
    case WindowId::ShipPosition: {
      // Under the questions, across the rest of the screen's width.
      const int height = std::max(kMinimumHeight, available.bottom() + 1 - (top + freeTop));
      rect =
          QRect(available.left(), available.bottom() + 1 - height, left - available.left(), height);
      if (rect.width() < kMinimumWidth) rect.setWidth(kMinimumWidth);
      break;
    }
  }
  return rect.intersected(available).isEmpty() ? QRect(available.topLeft(), rect.size()) : rect;
}

}  // namespace norvika
