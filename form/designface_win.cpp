#include "designface.h"

// Windows maps the design face onto its own sans serif by itself.
void mapDesignFace()
{
}
