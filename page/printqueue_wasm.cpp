#include "printqueue.h"

#include <QPrinter>

// A web browser has no printers the program can see: the page is written as
// a PDF, which the browser's own print dialog then takes (app/). Writing it
// is all that can fail here, and the toolkit reports that itself.
namespace PrintQueue {

QString problem(const QPrinter &)
{
    return {};
}

QString submissionProblem(const QPrinter &)
{
    return {};
}

bool keepsTransparency(const QPrinter &)
{
    return true;
}

} // namespace PrintQueue
