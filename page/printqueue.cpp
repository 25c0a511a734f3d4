#include "printqueue.h"

#include <QPrinter>

#include <cups/cups.h>

namespace {

bool printsToService(const QPrinter &printer)
{
    return printer.outputFormat() == QPrinter::NativeFormat;
}

QString serviceError()
{
    const ipp_status_t status = cupsLastError();
    if (status == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE)
        return QStringLiteral("The print service is not running.");
    return QStringLiteral("The print service did not take the job (%1).")
        .arg(QString::fromUtf8(cupsLastErrorString()));
}

} // namespace

QString PrintQueue::problem(const QPrinter &printer)
{
    if (!printsToService(printer))
        return {};
    const QByteArray name = printer.printerName().toUtf8();
    if (name.isEmpty())
        return QStringLiteral("No printer is installed.");

    cups_dest_t *dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(), nullptr);
    if (!dest) {
        if (cupsLastError() == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE)
            return QStringLiteral("The print service is not running.");
        return QStringLiteral("The printer \"%1\" is not known to the print service.").arg(printer.printerName());
    }
    const char *accepting = cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    const char *state = cupsGetOption("printer-state", dest->num_options, dest->options);
    QString problem;
    if (accepting && qstrcmp(accepting, "false") == 0)
        problem = QStringLiteral("The printer \"%1\" is not accepting jobs.").arg(printer.printerName());
    else if (state && qstrcmp(state, "5") == 0)
        problem = QStringLiteral("The printer \"%1\" is stopped.").arg(printer.printerName());
    cupsFreeDests(1, dest);
    return problem;
}

QString PrintQueue::submissionProblem(const QPrinter &printer)
{
    if (!printsToService(printer))
        return {};
    // The toolkit's print engine submits the job as the last thing it asks of
    // the print service, so the service's last answer is the job's.
    if (cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE)
        return serviceError();
    return {};
}
