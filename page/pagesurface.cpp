#include "pagesurface.h"

#include <algorithm>
#include <cmath>

PageSurface::PageSurface(const QString &fontName, double fontSize, bool bold, bool italic)
    : m_fontName(fontName), m_fontSize(fontSize), m_fontBold(bold), m_fontItalic(italic)
{
}

PageSurface::~PageSurface() = default;

void PageSurface::setFontName(const QString &name)
{
    m_fontName = name;
    fontChanged();
}

void PageSurface::setFontSize(double points)
{
    m_fontSize = points;
    fontChanged();
}

void PageSurface::setFontBold(bool bold)
{
    m_fontBold = bold;
    fontChanged();
}

void PageSurface::setFontItalic(bool italic)
{
    m_fontItalic = italic;
    fontChanged();
}

double PageSurface::zoneWidth()
{
    return ZoneColumns * averageCharWidth();
}

// The first zone boundary strictly after x. A cursor on a boundary, also one
// that x / zone puts a rounding error short of it, has reached that boundary
// and goes on to the next; one clearly inside a zone goes to its end.
double PageSurface::nextZoneBoundary(double x)
{
    const double zone = zoneWidth();
    if (!(zone > 0))
        return x;
    const double zones = x / zone;
    const double nearest = std::round(zones);
    const double reached = std::abs(zones - nearest) <= BoundaryTolerance ? nearest : std::floor(zones);
    return (reached + 1) * zone;
}

void PageSurface::setColumn(double twips)
{
    m_currentX = m_lineReach > twips ? m_lineReach + textWidth(QStringLiteral(" ")) : twips;
}

void PageSurface::Print(std::initializer_list<PrintElement> list)
{
    Print(list.begin(), list.end());
}

void PageSurface::Print(const PrintElement *begin, const PrintElement *end)
{
    for (const PrintElement *element = begin; element != end; ++element) {
        if (element->isText()) {
            const QString &text = element->text();
            if (text.isEmpty())
                continue;
            drawText(m_currentX, m_currentY, text);
            const double start = m_currentX;
            m_currentX += textWidth(text);
            // Trailing blanks leave nothing on the line to draw over.
            qsizetype visible = text.size();
            while (visible > 0 && text[visible - 1].isSpace())
                --visible;
            if (visible == text.size())
                m_lineReach = std::max(m_lineReach, m_currentX);
            else if (visible > 0)
                m_lineReach = std::max(m_lineReach, start + textWidth(text.left(visible)));
            continue;
        }
        switch (element->separator()) {
        case Sep::Stay:
            break;
        case Sep::Zone:
            m_currentX = nextZoneBoundary(m_currentX);
            break;
        case Sep::End:
            m_currentX = 0;
            m_currentY += lineHeight();
            m_lineReach = NothingOnLine;
            break;
        }
    }
}
