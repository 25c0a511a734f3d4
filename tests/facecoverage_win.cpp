#include "facecoverage.h"

#include <QFont>
#include <QFontDatabase>
#include <QRawFont>

bool someFaceCarries(char32_t c)
{
    const QStringList families = QFontDatabase::families();
    for (const QString &family : families) {
        if (QRawFont::fromFont(QFont(family)).supportsCharacter(uint(c)))
            return true;
    }
    return false;
}

// Windows has a face of that name (under Wine, a renamed Liberation Sans).
QString designFaceShown()
{
    return QStringLiteral("MS Sans Serif");
}
