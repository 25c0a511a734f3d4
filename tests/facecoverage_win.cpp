#include "facecoverage.h"

// Windows has a face of that name (under Wine, a renamed Liberation Sans).
QString designFaceShown()
{
    return QStringLiteral("MS Sans Serif");
}
