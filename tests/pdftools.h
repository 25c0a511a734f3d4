#ifndef TFCC_PDFTOOLS_H
#define TFCC_PDFTOOLS_H

#include <QString>
#include <QStringList>

#include <optional>

// Runs one of poppler's programs (pdftotext, pdfimages) on a printed PDF, with
// the options before the file and "-" after it where the program writes to
// standard output. Gives what it wrote, or nothing when it could not run or
// failed. In a web browser the test's runner does it on the machine.
std::optional<QString> runPdfTool(const QString &tool, const QStringList &options, const QString &pdf,
                                  const QStringList &after = {});

// Whether poppler's programs are there to run.
bool pdfToolsAvailable();

#endif
