#include "desktopshell.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPrinter>

#include <emscripten.h>

// In a web browser the program lives in a page (web/index.html), which has
// the last word: the printed page goes to it, and it says when the program
// has ended. A browser has no printers the program can see, and no dialog
// may wait in a loop of its own there.

namespace {

// Where the page is written: the program's own file system, in memory.
QString printedFile()
{
    return QDir::temp().filePath(QStringLiteral("TFCC Application.pdf"));
}

} // namespace

// Hands the printed page (or nothing) to the page around the program.
EM_JS(void, tfcc_program_ended, (const unsigned char *pdf, int size), {
    const printed = size > 0 ? HEAPU8.slice(pdf, pdf + size) : null;
    if (typeof globalThis.tfccProgramEnded === 'function')
        globalThis.tfccProgramEnded(printed);
});

// Modal as on the desktop, but shown without a loop of its own: the window's
// commands return right after their warning.
void DesktopShell::showWarning(QWidget *parent, const QString &title, const QString &text)
{
    // A warning after the print dialog says that the page was not printed.
    QFile::remove(printedFile());
    auto *box = new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    box->setTextFormat(Qt::PlainText);
    box->setWindowModality(Qt::ApplicationModal);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

// The browser's print dialog comes after the program: the page is written
// as a PDF for it.
bool DesktopShell::execPrintDialog(QPrinter *printer, QWidget *)
{
    QFile::remove(printedFile());
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(printedFile());
    return true;
}

void DesktopShell::endProgram()
{
    QFile file(printedFile());
    QByteArray printed;
    if (file.open(QIODevice::ReadOnly))
        printed = file.readAll();
    file.close();
    file.remove();
    tfcc_program_ended(reinterpret_cast<const unsigned char *>(printed.constData()), int(printed.size()));
    QCoreApplication::exit(0);
}
