#include "carriedfaces.h"

// fontconfig answers for "Times New Roman" with Liberation Serif, and the
// design face is mapped as the form asks for it.
void useCarriedFaces()
{
}
