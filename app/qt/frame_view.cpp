#include "qt/frame_view.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QTimer>
#include <algorithm>

#include "qt/dialogs.h"
#include "render/frame_renderer.h"
#include "render/picture_files.h"
#include "render/picture_saver.h"
#include "render/qt_text.h"

namespace norvika {

FrameView::FrameView(const Window& window, std::filesystem::path directory)
    : window_(window), directory_(std::move(directory)) {
  setWindowTitle(qtString(windowCaption(window.id())));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(window.id() == WindowId::Graph ? kLeastGraphSize : QSize(160, 120));
  lastFinished_.window = window.id();
}

void FrameView::keepFinishedFrame(const Frame& frame) {
  if (!frame.items.empty()) lastFinished_ = frame;
}

const Frame& FrameView::shownFrame() const {
  const Frame& current = window_.currentFrame();
  return holding_ && current.items.empty() ? lastFinished_ : current;
}

bool FrameView::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate && activated_) {
    // Later, so that a context menu opened by the same click is up by then and keeps its keys.
    QTimer::singleShot(0, this, [this] {
      if (QApplication::activePopupWidget() == nullptr && isActiveWindow()) activated_();
    });
  }
  return QWidget::event(event);
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
  renderFrame(painter, shownFrame(), QRectF(rect()));
}

void FrameView::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  QAction* save = menu.addAction(QCoreApplication::translate("norvika", "Save picture…"));
  save->setEnabled(!shownFrame().items.empty());
  if (menu.exec(event->globalPos()) == save) savePicture();
  if (activated_) activated_();
}

void FrameView::savePicture() {
  // A copy: the run may go on drawing while the file dialog is open.
  const Frame frame = shownFrame();
  const QString caption = qtString(windowCaption(window_.id()));
  const QString png = QCoreApplication::translate("norvika", "PNG image (*.png)");
  const QString svg = QCoreApplication::translate("norvika", "SVG drawing (*.svg)");
  const QString pdf = QCoreApplication::translate("norvika", "PDF document (*.pdf)");
  // Qt's own dialog, which can stay on top: the question box the run waits on stays on top of
  // the drawings, and would hide a dialog that did not.
  QFileDialog dialog(this, QCoreApplication::translate("norvika", "Save picture"), QString(),
                     png + ";;" + svg + ";;" + pdf);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  // In the run directory, named by what the drawing shows, as --plots names it.
  dialog.setDirectory(toQString(directory_));
  dialog.selectFile(QString::fromStdString(pictureName(frame)) + ".png");
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  QString name = dialog.selectedFiles().constFirst();
  const QString filter = dialog.selectedNameFilter();
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
