#pragma once

#include <QLocale>

class QCoreApplication;

namespace norvika {

/// Installs Qt's own translations (buttons, file dialogs) and the program's (its menu, the
/// desktop front end's boxes) for `locale`, so a Turkish desktop shows Tamam, İptal, Evet,
/// Hayır. A language without a translation keeps the English texts. The run's own texts are
/// never translated.
void installTranslations(QCoreApplication& application, const QLocale& locale);

}  // namespace norvika
