// The desktop front end around the run: stopping it from its report window, its end, the folder
// dialog of a run started from the menu, and Qt's and the program's texts in the desktop's
// language.

#include <gtest/gtest.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QAbstractFileIconProvider>
#include <QApplication>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QTranslator>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "image_checks.h"
#include "qt/closing_box.h"
#include "qt/qt_platform.h"
#include "qt/run_directory.h"
#include "qt/translations.h"
#include "support/result_file.h"

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

template <typename Box>
Box* shownBox() {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (auto* box = dynamic_cast<Box*>(w); box != nullptr && box->isVisible()) return box;
  }
  return nullptr;
}

// The closing box names all four result files of a run with the strength step; while it is
// open the graph shows the drawing the run cleared after its pause; Enter ends it, the second
// button (clicked, or given Return once Tab has reached it) keeps the windows open until the
// user closes the report window.
TEST(ClosingBox, NamesEveryResultFileAndKeepsTheDrawings) {
  const std::filesystem::path run = "/home/user/gemiler/dtmb5415";
  const std::vector<std::filesystem::path> written = {run / "Norvika.SON", run / "SEPHIYE.TXT",
                                                      run / "MUKAVEMET.SON", run / "MUKAVEMET.TXT"};
  enum class Answer { Enter, ClickKeep, ReturnOnKeep };
  for (const Answer answer : {Answer::Enter, Answer::ClickKeep, Answer::ReturnOnKeep}) {
    SCOPED_TRACE(static_cast<int>(answer));
    const bool keep = answer != Answer::Enter;
    QtPlatform platform(".");
    Window& graph = platform.window(WindowId::Graph);
    graph.show();
    platform.view(WindowId::Graph).resize(400, 400);
    graph.scale(0, 10, 10, 0);
    graph.drawWidth(8);
    graph.line(0, 5, 10, 5, qbColor(4));
    graph.cls();  // as the run clears the graph after its pause
    bool seen = false;
    QTimer::singleShot(50, &platform.view(WindowId::Graph), [&] {
      ClosingBox* box = shownBox<ClosingBox>();
      ASSERT_NE(box, nullptr);
      seen = true;
      EXPECT_EQ(box->windowTitle(), "PROGRAM SONU");
      EXPECT_EQ(box->text(),
                "PROGRAM CALISMASI TAMAMLANDI. SONUCLAR ASAGIDAKI DOSYALARA YAZILDI:\n"
                "    /home/user/gemiler/dtmb5415/Norvika.SON\n"
                "    /home/user/gemiler/dtmb5415/SEPHIYE.TXT\n"
                "    /home/user/gemiler/dtmb5415/MUKAVEMET.SON\n"
                "    /home/user/gemiler/dtmb5415/MUKAVEMET.TXT\n"
                "BITIRMEK ICIN 'ENTER' TUSUNA BASINIZ.");
      const QImage shown = platform.view(WindowId::Graph).grab().toImage();
      EXPECT_TRUE(testing::colourNear(shown, QPoint(200, 200), QColor(128, 0, 0)));
      QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
      if (answer == Answer::ClickKeep) box->keepButton()->click();
      if (answer == Answer::ReturnOnKeep) QApplication::sendEvent(box->keepButton(), &enter);
      if (answer == Answer::Enter) QApplication::sendEvent(box, &enter);
    });
    platform.closingQuestion(written);
    EXPECT_TRUE(seen);
    platform.setStoppable(false);  // the run has ended
    EXPECT_TRUE(platform.view(WindowId::Graph).isVisible());
    if (keep) {
      // Kept, the windows stay until the user closes the report window, which closes them all.
      FrameView& report = platform.view(WindowId::Report);
      QTimer::singleShot(50, &report, [&report] { report.close(); });
    }
    platform.waitWhileWindowsKept();
    EXPECT_EQ(platform.view(WindowId::Graph).isVisible(), !keep);
  }
}

// Started from the menu: a folder without a task file is said so and the dialog comes again
// there; opening Norvika.TSK chooses its folder; Cancel chooses nothing.
TEST(RunDirectory, AFolderWithoutATaskFileIsSaidSoAndAskedAgain) {
  const std::filesystem::path root =
      std::filesystem::temp_directory_path() / ("norvika-folders-" + std::to_string(::getpid()));
  const std::filesystem::path empty = root / "bos";
  const std::filesystem::path run = root / "gemi";
  std::filesystem::create_directories(empty);
  std::filesystem::create_directories(run);
  std::ofstream(run / "Norvika.TSK") << "\n";

  std::vector<std::function<void(QWidget*)>> steps = {
      [&](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(dialog, nullptr);
        EXPECT_FALSE(dialog->testOption(QFileDialog::ShowDirsOnly));
        EXPECT_EQ(dialog->nameFilters(), QStringList{"Norvika task files (Norvika.TSK)"});
        dialog->setDirectory(QString::fromStdString(empty.string()));
        static_cast<QDialog*>(dialog)->accept();  // as the Choose button does
      },
      [&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), QString("The folder %1 holds no task file Norvika.TSK. Choose the "
                                       "folder of a run, the one that holds its Norvika.TSK.")
                                   .arg(QString::fromStdString(empty.string())));
        box->button(QMessageBox::Ok)->click();
      },
      [&](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->directory().absolutePath(), QString::fromStdString(empty.string()));
        dialog->selectFile(QString::fromStdString((run / "Norvika.TSK").string()));
        static_cast<QDialog*>(dialog)->accept();  // as the Choose button does
      },
  };
  QPointer<QWidget> handled;
  std::size_t next = 0;
  QTimer driver;
  QObject::connect(&driver, &QTimer::timeout, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || modal == handled || next >= steps.size()) return;
    handled = modal;
    steps[next++](modal);
  });
  driver.start(50);
  EXPECT_EQ(chooseRunDirectory(root), std::optional<std::filesystem::path>(run));
  EXPECT_EQ(next, steps.size());

  steps = {[](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); }};
  next = 0;
  EXPECT_EQ(chooseRunDirectory(root), std::nullopt);
  EXPECT_EQ(next, steps.size());
  driver.stop();
  std::filesystem::remove_all(root);
}

TEST(Translations, ATurkishDesktopGetsTurkishButtonsAndMenus) {
  struct Case {
    const char* locale;
    QString ok, cancel, yes, no, save, keep, noDirectory, folder;
  };
  const Case cases[] = {
      {"tr_TR", "Tamam", "İptal", "Evet", "Hayır", "Resmi kaydet…", "&Pencereleri açık bırak",
       "hesap klasörü seçilmedi; hesap yapılmadı", "Klasör"},
      {"en_GB", "OK", "Cancel", "&Yes", "&No", "Save picture…", "&Keep the windows open",
       "no run directory chosen; nothing was run", "Folder"},
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
    EXPECT_EQ(QCoreApplication::translate("norvika", "&Keep the windows open"), c.keep);
    EXPECT_EQ(QCoreApplication::translate("norvika", "no run directory chosen; nothing was run"),
              c.noDirectory);
    // The kind column of the save dialog, which Qt's own Turkish translation leaves out.
    EXPECT_EQ(QAbstractFileIconProvider().type(QFileInfo(QDir::tempPath())), c.folder);
    // Back to the untranslated texts for the other tests.
    for (QTranslator* t : QCoreApplication::instance()->findChildren<QTranslator*>()) {
      QCoreApplication::removeTranslator(t);
      delete t;
    }
  }
}

}  // namespace
}  // namespace norvika
