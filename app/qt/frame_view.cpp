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

}  // namespace norvika
