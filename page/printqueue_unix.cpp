#include "printqueue.h"

#include <QLibrary>
#include <QPrinter>

#include <cups/cups.h>

namespace {

// The print service's library, loaded when a page first goes to a printer:
// linked into the program, it and the many libraries it needs would slow
// every start. The toolkit's own printing loads the very same library.
struct Cups
{
    decltype(&cupsGetNamedDest) getNamedDest = nullptr;
    decltype(&cupsGetOption) getOption = nullptr;
    decltype(&cupsFreeDests) freeDests = nullptr;
    decltype(&cupsLastError) lastError = nullptr;
    decltype(&cupsLastErrorString) lastErrorString = nullptr;
};

template<typename Function>
void resolve(QLibrary &library, const char *name, Function &function)
{
    function = reinterpret_cast<Function>(library.resolve(name));
}

// Null when the library cannot be loaded: then there is no print service.
const Cups *cups()
{
    static const Cups loaded = [] {
        Cups c;
        QLibrary library(QStringLiteral("cups"), 2);
        if (!library.load())
            return c;
        resolve(library, "cupsGetNamedDest", c.getNamedDest);
        resolve(library, "cupsGetOption", c.getOption);
        resolve(library, "cupsFreeDests", c.freeDests);
        resolve(library, "cupsLastError", c.lastError);
        resolve(library, "cupsLastErrorString", c.lastErrorString);
        return c;
    }();
    const bool complete = loaded.getNamedDest && loaded.getOption && loaded.freeDests && loaded.lastError
                          && loaded.lastErrorString;
    return complete ? &loaded : nullptr;
}

QString serviceNotRunning()
{
    return QStringLiteral("The print service is not running.");
}

bool printsToService(const QPrinter &printer)
{
    return printer.outputFormat() == QPrinter::NativeFormat;
}

QString serviceError(const Cups &cups)
{
    const ipp_status_t status = cups.lastError();
    if (status == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE)
        return serviceNotRunning();
    return QStringLiteral("The print service did not take the job (%1).")
        .arg(QString::fromUtf8(cups.lastErrorString()));
}

} // namespace

QString PrintQueue::problem(const QPrinter &printer)
{
    if (!printsToService(printer))
        return {};
    const QByteArray name = printer.printerName().toUtf8();
    if (name.isEmpty())
        return QStringLiteral("No printer is installed.");
    const Cups *cups = ::cups();
    if (!cups)
        return serviceNotRunning();

    cups_dest_t *dest = cups->getNamedDest(CUPS_HTTP_DEFAULT, name.constData(), nullptr);
    if (!dest) {
        if (cups->lastError() == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE)
            return serviceNotRunning();
        return QStringLiteral("The printer \"%1\" is not known to the print service.").arg(printer.printerName());
    }
    const char *accepting = cups->getOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    const char *state = cups->getOption("printer-state", dest->num_options, dest->options);
    QString problem;
    if (accepting && qstrcmp(accepting, "false") == 0)
        problem = QStringLiteral("The printer \"%1\" is not accepting jobs.").arg(printer.printerName());
    else if (state && qstrcmp(state, "5") == 0)
        problem = QStringLiteral("The printer \"%1\" is stopped.").arg(printer.printerName());
    cups->freeDests(1, dest);
    return problem;
}

QString PrintQueue::submissionProblem(const QPrinter &printer)
{
    if (!printsToService(printer))
        return {};
    // The toolkit's print engine submits the job as the last thing it asks of
    // the print service, so the service's last answer is the job's.
    const Cups *cups = ::cups();
    if (!cups)
        return serviceNotRunning();
    if (cups->lastError() > IPP_STATUS_OK_EVENTS_COMPLETE)
        return serviceError(*cups);
    return {};
}

// The page reaches the print service as PDF, as it reaches a PDF file.
bool PrintQueue::keepsTransparency(const QPrinter &)
{
    return true;
}
