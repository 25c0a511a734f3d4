#ifndef TFCC_PRINTERSURFACE_H
#define TFCC_PRINTERSURFACE_H

#include "devicefont.h"
#include "opaquepictures.h"
#include "pagesurface.h"

#include <QPainter>

class QPrinter;

// The printer's page. Text is measured with the printer's own font metrics,
// at its full resolution; the origin is the corner of the printable area.
class PrinterSurface : public PrinterPageSurface
{
public:
    explicit PrinterSurface(QPrinter &printer);
    ~PrinterSurface() override;

    // Opens the print document. False, with errorString() set, when the
    // printer or the print service cannot take it.
    bool begin();

    void PaintPicture(const QImage &image, double x, double y) override;
    bool EndDoc() override;

    QString errorString() const { return m_error; }

protected:
    double textWidth(const QString &text) override;
    double averageCharWidth() override;
    double lineHeight() override;
    void drawText(double x, double y, const QString &text) override;
    void fontChanged() override;

private:
    QPrinter &m_printer;
    QPainter m_painter;
    DeviceFont m_font;
    OpaquePictures m_opaquePictures;
    QString m_error;
};

#endif
