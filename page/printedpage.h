#ifndef TFCC_PRINTEDPAGE_H
#define TFCC_PRINTEDPAGE_H

class PrinterPageSurface;
class QImage;
struct PageInputs;

// The membership application as it goes to the printer.
namespace PrintedPage {

// Composes the one page; ending the document is left to the caller, who
// reports whether the printer took it.
void compose(PrinterPageSurface &surface, const PageInputs &in, const QImage &picture1,
             const QImage &picture2);

}

#endif
