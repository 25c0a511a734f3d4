#include "toolkittranslation.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool loadQtTranslation(QTranslator &translator, const QLocale &locale)
{
    const QString directory = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    // "qt" gathers every module's catalogue, and for some languages is the
    // only one there is; "qtbase" alone serves where it is missing.
    return translator.load(locale, QStringLiteral("qt"), QStringLiteral("_"), directory)
        || translator.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), directory);
}
