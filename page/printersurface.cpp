#include "printersurface.h"

#include "printqueue.h"

#include <QFile>
#include <QFileInfo>
#include <QPrinter>

namespace {
// A picture's own size: 96 pixels to the inch.
constexpr double TwipsPerPixel = 15.0;

QString fileNotWritten(const QPrinter &printer)
{
    return QStringLiteral("The file \"%1\" could not be written.")
        .arg(QFileInfo(printer.outputFileName()).absoluteFilePath());
}

// The toolkit writes a PDF without asking whether the disk took it; one
// written to its end finishes with the end-of-file marker.
bool pdfWrittenToEnd(const QString &fileName)
{
    constexpr qint64 Tail = 16;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly) || file.size() < Tail || !file.seek(file.size() - Tail))
        return false;
    return file.read(Tail).contains("%%EOF");
}
}

PrinterSurface::PrinterSurface(QPrinter &printer)
    : PrinterPageSurface(QStringLiteral("Times New Roman"), 10, false, false),
      m_printer(printer),
      m_font(&printer)
{
    fontChanged();
}

PrinterSurface::~PrinterSurface()
{
    if (m_painter.isActive())
        m_painter.end();
}

bool PrinterSurface::begin()
{
    m_error = PrintQueue::problem(m_printer);
    if (!m_error.isEmpty())
        return false;
    // With no print service to ask, the toolkit falls back to a file it was
    // never given a name for.
    if (m_printer.outputFormat() == QPrinter::PdfFormat && m_printer.outputFileName().isEmpty()) {
        m_error = QStringLiteral("No printer is available, and no file was chosen to print to.");
        return false;
    }
    if (m_painter.begin(&m_printer))
        return true;
    if (m_printer.outputFormat() == QPrinter::PdfFormat)
        m_error = fileNotWritten(m_printer);
    else
        m_error = QStringLiteral("The printer \"%1\" could not be started.").arg(m_printer.printerName());
    return false;
}

void PrinterSurface::PaintPicture(const QImage &image, double x, double y)
{
    const QRectF place(x, y, image.width() * TwipsPerPixel, image.height() * TwipsPerPixel);
    const double scale = m_font.unitsPerTwip();
    const QRectF target(place.topLeft() * scale, place.size() * scale);
    if (PrintQueue::keepsTransparency(m_printer))
        m_painter.drawImage(target, image);
    else
        m_painter.drawImage(target, m_opaquePictures.flatten(image, place));
}

bool PrinterSurface::EndDoc()
{
    if (!m_painter.isActive()) {
        if (m_error.isEmpty())
            m_error = QStringLiteral("The print document was never opened.");
        return false;
    }
    const bool ended = m_painter.end();
    m_error = PrintQueue::submissionProblem(m_printer);
    if (m_error.isEmpty() && m_printer.outputFormat() == QPrinter::PdfFormat
        && !pdfWrittenToEnd(m_printer.outputFileName()))
        m_error = fileNotWritten(m_printer);
    if (!ended && m_error.isEmpty())
        m_error = QStringLiteral("The page could not be finished for the printer.");
    return m_error.isEmpty();
}

double PrinterSurface::textWidth(const QString &text)
{
    return m_font.textWidth(text);
}

double PrinterSurface::averageCharWidth()
{
    return m_font.unroundedAverageCharWidth();
}

double PrinterSurface::lineHeight()
{
    return m_font.lineHeight();
}

void PrinterSurface::drawText(double x, double y, const QString &text)
{
    // Nothing past the paper's edges is printed, and a long entry would still
    // cost its whole shaping to put into the print document.
    const std::optional<QString> shown =
        m_font.visiblePart(x, y, text, m_printer.paperRect(QPrinter::DevicePixel).size());
    if (!shown)
        return;
    const double scale = m_font.unitsPerTwip();
    m_painter.setFont(m_font.font());
    m_painter.setPen(ForeColor());
    m_painter.drawText(QPointF(x * scale, (y + m_font.ascent()) * scale), *shown);
}

void PrinterSurface::fontChanged()
{
    m_font.set(FontName(), FontSize(), FontBold(), FontItalic());
}
