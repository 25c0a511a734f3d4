#include "pdftools.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <emscripten.h>

#include <cstdlib>

// The browser runs no programs: the PDF goes to the test's runner, which
// serves the page the test runs in, and which runs the program on it on the
// machine (tests/web/run-test). The request is synchronous, as a test waits
// for a program to finish on the desktop. Gives the answer's text, or null
// when there was none.
EM_JS_DEPS(tfcc_pdftools, "$stringToNewUTF8,$UTF8ToString");

EM_JS(char *, tfcc_run_pdf_tool, (const char *request, const unsigned char *pdf, int size), {
    const xhr = new XMLHttpRequest();
    xhr.open('POST', '/pdf-tool?' + encodeURIComponent(UTF8ToString(request)), false);
    try {
        xhr.send(HEAPU8.slice(pdf, pdf + size));
    } catch (e) {
        return 0;
    }
    if (xhr.status !== 200)
        return 0;
    return stringToNewUTF8(xhr.responseText);
});

std::optional<QString> runPdfTool(const QString &tool, const QStringList &options, const QString &pdf,
                                  const QStringList &after)
{
    QByteArray bytes;
    if (!pdf.isEmpty()) {
        QFile file(pdf);
        if (!file.open(QIODevice::ReadOnly))
            return std::nullopt;
        bytes = file.readAll();
    }
    const QJsonObject request{{QStringLiteral("tool"), tool},
                              {QStringLiteral("before"), QJsonArray::fromStringList(options)},
                              {QStringLiteral("after"), QJsonArray::fromStringList(after)}};
    char *answer = tfcc_run_pdf_tool(QJsonDocument(request).toJson(QJsonDocument::Compact).constData(),
                                     reinterpret_cast<const unsigned char *>(bytes.constData()),
                                     int(bytes.size()));
    if (!answer)
        return std::nullopt;
    const QString text = QString::fromUtf8(answer);
    std::free(answer);
    return text;
}

// The runner answers for the machine: pdftotext's version, when it has it.
bool pdfToolsAvailable()
{
    return runPdfTool(QStringLiteral("pdftotext"), {QStringLiteral("-v")}, QString()).has_value();
}
