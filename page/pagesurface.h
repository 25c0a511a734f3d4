#ifndef TFCC_PAGESURFACE_H
#define TFCC_PAGESURFACE_H

#include <QColor>
#include <QString>

#include <initializer_list>

// The separators of a print list: continue right after the text, go to the
// next print zone, or end the line.
enum class Sep { Stay, Zone, End };

// One element of a print list: a text item or a separator.
class PrintElement
{
public:
    PrintElement(Sep separator) : m_isText(false), m_separator(separator) {}
    PrintElement(const QString &text) : m_isText(true), m_text(text) {}
    PrintElement(const char *text) : m_isText(true), m_text(QString::fromUtf8(text)) {}

    bool isText() const { return m_isText; }
    const QString &text() const { return m_text; }
    Sep separator() const { return m_separator; }

private:
    bool m_isText;
    Sep m_separator = Sep::Stay;
    QString m_text;
};

// A drawing target in twips with a text cursor and a current font, on which a
// page is composed line by line. The window and the printer each implement the
// metric and drawing primitives; the cursor rules live here, once.
class PageSurface
{
public:
    static constexpr double TwipsPerInch = 1440.0;
    static constexpr int ZoneColumns = 14;

    virtual ~PageSurface();

    double CurrentX() const { return m_currentX; }
    double CurrentY() const { return m_currentY; }
    void setCurrentX(double twips) { m_currentX = twips; }
    void setCurrentY(double twips)
    {
        m_currentY = twips;
        m_lineReach = NothingOnLine;
    }
    // Sets CurrentX for a group of text that belongs at twips on the current
    // line. Where text already drawn on the line reaches past that, the group
    // starts one blank after it instead, so that a long entry is never drawn
    // over.
    void setColumn(double twips);

    QString FontName() const { return m_fontName; }
    double FontSize() const { return m_fontSize; }
    bool FontBold() const { return m_fontBold; }
    bool FontItalic() const { return m_fontItalic; }
    QColor ForeColor() const { return m_foreColor; }

    void setFontName(const QString &name);
    void setFontSize(double points);
    void setFontBold(bool bold);
    void setFontItalic(bool italic);
    void setForeColor(const QColor &color) { m_foreColor = color; }

    void Print(std::initializer_list<PrintElement> list);
    void Print(const PrintElement *begin, const PrintElement *end);

    // Width of one print zone in the current font, in twips.
    double zoneWidth();

protected:
    PageSurface(const QString &fontName, double fontSize, bool bold, bool italic);

    // Advance width of text in the current font, in twips.
    virtual double textWidth(const QString &text) = 0;
    // The classic average character width of the current font, in twips.
    virtual double averageCharWidth() = 0;
    // Height of one line of the current font, in twips.
    virtual double lineHeight() = 0;
    // Draws text with its top-left corner at (x, y) twips.
    virtual void drawText(double x, double y, const QString &text) = 0;
    // Called after any font property changed.
    virtual void fontChanged() {}

private:
    // How far, in zones, a cursor may lie from a zone boundary and still
    // stand on it: far above the rounding of any position on a page, far
    // below a dot of any printer.
    static constexpr double BoundaryTolerance = 1e-9;

    static constexpr double NothingOnLine = -1e300;

    double nextZoneBoundary(double x);

    double m_currentX = 0;
    double m_currentY = 0;
    // Where the last visible character drawn on the current line ends.
    double m_lineReach = NothingOnLine;
    QString m_fontName;
    double m_fontSize;
    bool m_fontBold;
    bool m_fontItalic;
    QColor m_foreColor = Qt::black;
};

// A surface that can also paint pictures and end its document: the printer's
// page, and any stand-in for it.
class PrinterPageSurface : public PageSurface
{
public:
    // Paints image at its own size (96 pixels to the inch) with its top-left
    // corner at (x, y) twips.
    virtual void PaintPicture(const class QImage &image, double x, double y) = 0;
    // Ends the document and hands the page over. False when that failed.
    virtual bool EndDoc() = 0;

protected:
    using PageSurface::PageSurface;
};

#endif
