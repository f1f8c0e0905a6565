#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace tonik {

Translations::Translations()
{
    const QLocale locale = QLocale::system();
    // Tonik's own are compiled into it (":/i18n/tonik_de.qm"): nothing to find
    // on disk, and a language Tonik lacks costs one lookup in its resources.
    if (tonik.load(locale, QStringLiteral("tonik"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(&tonik);
    if (qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt);
}

Translations::~Translations()
{
    QCoreApplication::removeTranslator(&qt);
    QCoreApplication::removeTranslator(&tonik);
}

}  // namespace tonik
