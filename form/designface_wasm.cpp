#include "designface.h"

#include "carriedfaces.h"

// The browser has no fonts of its own to map the design face onto: it is
// one of the faces the program carries.
void mapDesignFace()
{
    useCarriedFaces();
}
