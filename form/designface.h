#ifndef TFCC_DESIGNFACE_H
#define TFCC_DESIGNFACE_H

#include <QFont>

// The window's font: the classic dialog face, "MS Sans Serif", bold, at 7.8
// points. Desktops lack the face; the program maps it onto Liberation Sans, a
// metric-similar sans serif (mapDesignFace()).
QFont designFont();

// Tells fontconfig, for this process, to take Liberation Sans wherever the
// design face is asked for. The toolkit's own substitution table would give
// the same face, but then the first text in it works out two fallback lists
// against every installed face (one for the design face, one for Liberation
// Sans), where fontconfig's alias needs one: on a desktop with thousands of
// faces each list is a tenth of start-up. Text in a script that Liberation
// Sans lacks still falls back to the desktop's fonts, as the list is made
// when such text first shows.
// Only the first call does anything; the others wait for it. It changes
// fontconfig's configuration, which no other thread may be reading then: the
// first call must come before any thread uses fontconfig, as start-up's font
// warm-up makes it, or on the only thread that does.
void mapDesignFace();

#endif
