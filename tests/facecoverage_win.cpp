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

// Windows has a face of that name (Wine gets one from its font replacements).
QString designFaceShown()
{
    return QStringLiteral("MS Sans Serif");
}
