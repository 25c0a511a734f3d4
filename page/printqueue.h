#ifndef TFCC_PRINTQUEUE_H
#define TFCC_PRINTQUEUE_H

#include <QString>

class QPrinter;

// Asks the print service whether a job for the chosen printer can go through,
// and whether the last one did: the toolkit hands the page over without
// telling anyone when the service refuses it.
namespace PrintQueue {

// Why the printer's queue cannot take a job now; empty when it can, and for
// output to a file.
QString problem(const QPrinter &printer);

// Why the job just handed over was refused; empty when it was taken.
QString submissionProblem(const QPrinter &printer);

// Whether the page keeps a picture's transparency on its way to the
// printer. Where it does not, the toolkit sends the region under such a
// picture as one image, with all that is drawn over it, text included.
bool keepsTransparency(const QPrinter &printer);

} // namespace PrintQueue

#endif
