#include "facecoverage.h"

#include <fontconfig/fontconfig.h>

bool someFaceCarries(char32_t c)
{
    FcCharSet *chars = FcCharSetCreate();
    FcCharSetAddChar(chars, c);
    FcPattern *pattern = FcPatternCreate();
    FcPatternAddCharSet(pattern, FC_CHARSET, chars);
    FcObjectSet *family = FcObjectSetBuild(FC_FAMILY, nullptr);
    FcFontSet *faces = FcFontList(nullptr, pattern, family);
    const bool carried = faces && faces->nfont > 0;
    if (faces)
        FcFontSetDestroy(faces);
    FcObjectSetDestroy(family);
    FcPatternDestroy(pattern);
    FcCharSetDestroy(chars);
    return carried;
}

// Desktops lack the face; it shows as the metric-similar Liberation Sans.
QString designFaceShown()
{
    return QStringLiteral("Liberation Sans");
}
