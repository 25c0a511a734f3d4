#include "carriedfaces.h"

// Windows has the faces.
void useCarriedFaces()
{
}
