#include "facecoverage.h"

// The design face is one the program carries, as Linux desktops have it.
QString designFaceShown()
{
    return QStringLiteral("Liberation Sans");
}
