#include "pageinputs.h"

#include <QDate>
#include <QLocale>

QString pageDate(const QDate &date, const QLocale &locale)
{
    return locale.toString(date, QStringLiteral("MMMM dd, yyyy"));
}
