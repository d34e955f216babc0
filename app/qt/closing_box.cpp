#include "qt/closing_box.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/pause.h"
#include "render/qt_text.h"

namespace norvika {

QString closingBoxText(const std::vector<std::filesystem::path>& written) {
  QString text = qtText(Text::ClosingFilesHeading) + QLatin1Char('\n');
  for (const std::filesystem::path& file : written) {
    text += QStringLiteral("    ") + QString::fromStdString(file.string()) + QLatin1Char('\n');
  }
  return text + qtText(Text::ClosingFinish);
}

ClosingBox::ClosingBox(const std::vector<std::filesystem::path>& written)
    : label_(new QLabel(closingBoxText(written))),
      keep_(new QPushButton(QCoreApplication::translate("norvika", "&Keep the windows open"))) {
  setWindowTitle(qtText(Text::ClosingTitle));
  label_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
  // Both buttons take Return while they have the focus (Tab reaches the second).
  buttons->addButton(keep_, QDialogButtonBox::ActionRole);
  QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
  ok->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(keep_, &QPushButton::clicked, this, [this] {
    keepsWindows_ = true;
    accept();
  });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label_);
  layout->addWidget(buttons);
  ok->setFocus();
}

QString ClosingBox::text() const { return label_->text(); }

}  // namespace norvika
