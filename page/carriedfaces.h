#ifndef TFCC_CARRIEDFACES_H
#define TFCC_CARRIEDFACES_H

// Makes the faces that the pages and the window name ("Times New Roman",
// the design face) resolve to faces of the same metrics, where the platform
// does not do so itself: a web browser lends the program no fonts at all,
// and it carries its own. Call it with the application running, before any
// text is measured; the calls after the first do nothing.
void useCarriedFaces();

#endif
