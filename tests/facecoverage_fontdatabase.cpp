#include "facecoverage.h"

#include <QFont>
#include <QFontDatabase>
#include <QRawFont>

// Where there is no fontconfig to ask (Windows, a web browser), the toolkit's
// own list of faces.
bool someFaceCarries(char32_t c)
{
    const QStringList families = QFontDatabase::families();
    for (const QString &family : families) {
        if (QRawFont::fromFont(QFont(family)).supportsCharacter(uint(c)))
            return true;
    }
    return false;
}
