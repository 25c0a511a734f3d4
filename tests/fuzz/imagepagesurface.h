#ifndef TFCC_IMAGEPAGESURFACE_H
#define TFCC_IMAGEPAGESURFACE_H

#include "devicefont.h"
#include "pagesurface.h"

#include <QImage>
#include <QPainter>

// The printed page drawn into an image instead of a printer: the same
// measuring and drawing as the printer's page, on a device any machine has.
class ImagePageSurface : public PrinterPageSurface
{
public:
    explicit ImagePageSurface(QImage &image)
        : PrinterPageSurface(QStringLiteral("Times New Roman"), 10, false, false),
          m_image(image),
          m_font(&image)
    {
        fontChanged();
        m_painter.begin(&m_image);
    }

    void PaintPicture(const QImage &image, double x, double y) override
    {
        const double scale = m_font.unitsPerTwip();
        m_painter.drawImage(QRectF(x * scale, y * scale, image.width() * 15 * scale,
                                   image.height() * 15 * scale),
                            image);
    }
    bool EndDoc() override { return m_painter.end(); }

protected:
    double textWidth(const QString &text) override { return m_font.textWidth(text); }
    double averageCharWidth() override { return m_font.averageCharWidth(); }
    double lineHeight() override { return m_font.lineHeight(); }
    void drawText(double x, double y, const QString &text) override
    {
        const double scale = m_font.unitsPerTwip();
        m_painter.setFont(m_font.font());
        m_painter.setPen(ForeColor());
        m_painter.drawText(QPointF(x * scale, (y + m_font.ascent()) * scale), text);
    }
    void fontChanged() override { m_font.set(FontName(), FontSize(), FontBold(), FontItalic()); }

private:
    QImage &m_image;
    DeviceFont m_font;
    QPainter m_painter;
};

#endif
