#include "designface.h"

QFont designFont()
{
    mapDesignFace();
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(7.8);
    font.setBold(true);
    return font;
}
