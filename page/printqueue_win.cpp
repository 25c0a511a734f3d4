#include "printqueue.h"

#include <QPrinter>

// Windows' print spooler refuses a printer it cannot start when the toolkit
// opens the document, and a job it cannot take when the toolkit ends it; both
// answers reach the print surface through the toolkit's own results.

QString PrintQueue::problem(const QPrinter &printer)
{
    if (printer.outputFormat() == QPrinter::NativeFormat && printer.printerName().isEmpty())
        return QStringLiteral("No printer is installed.");
    return {};
}

QString PrintQueue::submissionProblem(const QPrinter &printer)
{
    if (printer.outputFormat() == QPrinter::NativeFormat && printer.printerState() == QPrinter::Error)
        return QStringLiteral("The printer \"%1\" did not take the job.").arg(printer.printerName());
    return {};
}

// Windows' printers are driven through GDI, which has no alpha; only a PDF
// file keeps it.
bool PrintQueue::keepsTransparency(const QPrinter &printer)
{
    return printer.outputFormat() == QPrinter::PdfFormat;
}
