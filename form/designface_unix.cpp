#include "designface.h"

#include <fontconfig/fontconfig.h>

void mapDesignFace()
{
    static const bool mapped = [] {
        static const char alias[] = "<fontconfig>"
                                    "<alias binding=\"same\">"
                                    "<family>MS Sans Serif</family>"
                                    "<prefer><family>Liberation Sans</family></prefer>"
                                    "</alias>"
                                    "</fontconfig>";
        return FcConfigParseAndLoadFromMemory(FcConfigGetCurrent(), reinterpret_cast<const FcChar8 *>(alias),
                                              FcFalse)
               == FcTrue;
    }();
    Q_UNUSED(mapped);
}
