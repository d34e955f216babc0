// The desktop front end around the run: stopping it from its report window, and Qt's and the
// program's texts in the desktop's language.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QTranslator>

#include "qt/qt_platform.h"
#include "qt/translations.h"

namespace norvika {
namespace {

// Presses `button` on the next modal box that comes up, polling until it does.
void pressOnNextBox(QMessageBox::StandardButton button) {
  auto* timer = new QTimer(qApp);
  QObject::connect(timer, &QTimer::timeout, timer, [timer, button] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      if (QAbstractButton* b = box->button(button)) {
        timer->deleteLater();
        timer->stop();
        b->click();
      }
    }
  });
  timer->start(20);
}

TEST(StopTheRun, ClosingTheReportWindowAsksAndAYesEndsTheRun) {
  for (const bool yes : {true, false}) {
    SCOPED_TRACE(yes ? "yes" : "no");
    QtPlatform platform(".");
    platform.window(WindowId::Report).show();
    // While the run waits on its question, the user closes the report window and answers.
    QTimer::singleShot(50, [&platform, yes] {
      pressOnNextBox(yes ? QMessageBox::Yes : QMessageBox::No);
      platform.view(WindowId::Report).close();
    });
    platform.answerAutomatically({"H"}, 1500);
    if (yes) {
      try {
        platform.inputBox("SORU", " ", "H", 4000, 8500);
        ADD_FAILURE() << "the run went on";
      } catch (const ProgramEnd& end) {
        EXPECT_EQ(end.reason(), ExitReason::StoppedByUser);
      }
    } else {
      EXPECT_EQ(platform.inputBox("SORU", " ", "H", 4000, 8500), "H");
      EXPECT_TRUE(platform.view(WindowId::Report).isVisible());
    }
  }
}

TEST(StopTheRun, OnceTheRunHasEndedTheReportWindowJustCloses) {
  QtPlatform platform(".");
  platform.window(WindowId::Report).show();
  platform.setStoppable(false);
  EXPECT_TRUE(platform.view(WindowId::Report).close());
}

TEST(Translations, ATurkishDesktopGetsTurkishButtonsAndMenus) {
  struct Case {
    const char* locale;
    QString ok, cancel, yes, no, save;
  };
  const Case cases[] = {
      {"tr_TR", "Tamam", "İptal", "Evet", "Hayır", "Resmi kaydet…"},
      {"en_GB", "OK", "Cancel", "&Yes", "&No", "Save picture…"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.locale);
    installTranslations(*QCoreApplication::instance(), QLocale(QString::fromLatin1(c.locale)));
    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Ok)->text().remove('&'), c.ok);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text().remove('&'), c.cancel);
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text().remove('&'), QString(c.yes).remove('&'));
    EXPECT_EQ(box.button(QMessageBox::No)->text().remove('&'), QString(c.no).remove('&'));
    EXPECT_EQ(QCoreApplication::translate("norvika", "Save picture…"), c.save);
    // Back to the untranslated texts for the other tests.
    for (QTranslator* t : QCoreApplication::instance()->findChildren<QTranslator*>()) {
      QCoreApplication::removeTranslator(t);
      delete t;
    }
  }
}

}  // namespace
}  // namespace norvika
