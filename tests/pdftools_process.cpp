#include "pdftools.h"

#include <QProcess>
#include <QStandardPaths>

std::optional<QString> runPdfTool(const QString &tool, const QStringList &options, const QString &pdf,
                                  const QStringList &after)
{
    QProcess process;
    process.start(tool, options + QStringList{pdf} + after);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput());
}

bool pdfToolsAvailable()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}
