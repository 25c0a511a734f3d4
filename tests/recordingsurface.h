#ifndef TFCC_RECORDINGSURFACE_H
#define TFCC_RECORDINGSURFACE_H

#include "pagesurface.h"

#include <QImage>
#include <QList>
#include <QSize>

// A page surface with simple, known metrics that remembers what was drawn
// where. Every character is FontSize * 10 twips wide (so a 10-point zone is
// 1400 twips), and a line is FontSize * 25 twips high.
class RecordingSurface : public PrinterPageSurface
{
public:
    struct Text
    {
        double x;
        double y;
        QString text;
        QString fontName;
        double fontSize;
        bool bold;
        bool italic;
        QColor color;
    };
    struct Picture
    {
        double x;
        double y;
        QSize size;
        QImage image;
    };

    RecordingSurface(const QString &fontName = QStringLiteral("Initial"), double fontSize = 8,
                     bool bold = false, bool italic = false)
        : PrinterPageSurface(fontName, fontSize, bold, italic)
    {
    }

    void PaintPicture(const QImage &image, double x, double y) override
    {
        pictures.append({x, y, image.size(), image});
    }
    bool EndDoc() override
    {
        ++endDocs;
        return true;
    }

    static double charWidth(double points) { return points * 10; }
    static double lineHeightOf(double points) { return points * 25; }

    QList<Text> texts;
    QList<Picture> pictures;
    int endDocs = 0;

protected:
    double textWidth(const QString &text) override { return text.size() * charWidth(FontSize()); }
    double averageCharWidth() override { return charWidth(FontSize()); }
    double lineHeight() override { return lineHeightOf(FontSize()); }
    void drawText(double x, double y, const QString &text) override
    {
        texts.append({x, y, text, FontName(), FontSize(), FontBold(), FontItalic(), ForeColor()});
    }
};

#endif
