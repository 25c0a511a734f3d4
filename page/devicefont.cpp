#include "devicefont.h"

#include "carriedfaces.h"

#include <QPaintDevice>
#include <QPointF>

#include <algorithm>
#include <cmath>

namespace {

// The average character width that print zones are measured in: the advances
// of the lower-case letters and the space, weighted by how often they occur in
// English text (per thousand). Fonts' own stored averages are computed over
// all their glyphs nowadays and would make the zones far too wide.
constexpr struct
{
    char16_t ch;
    int weight;
} letterWeights[] = {
    {u'a', 64}, {u'b', 14}, {u'c', 27}, {u'd', 35}, {u'e', 100}, {u'f', 20}, {u'g', 14},
    {u'h', 42}, {u'i', 63}, {u'j', 3},  {u'k', 6},  {u'l', 35},  {u'm', 20}, {u'n', 56},
    {u'o', 56}, {u'p', 17}, {u'q', 4},  {u'r', 49}, {u's', 56},  {u't', 71}, {u'u', 31},
    {u'v', 10}, {u'w', 18}, {u'x', 3},  {u'y', 18}, {u'z', 2},   {u' ', 166},
};

double weightedAverageWidth(const QFontMetricsF &metrics)
{
    double sum = 0;
    for (const auto &entry : letterWeights)
        sum += entry.weight * metrics.horizontalAdvance(QChar(entry.ch));
    return sum / 1000.0;
}

} // namespace

DeviceFont::DeviceFont(QPaintDevice *device)
    : m_device(device),
      m_unitsPerTwip(device->logicalDpiX() / 1440.0),
      m_font(QFont(), device),
      m_metrics(m_font, device)
{
}

void DeviceFont::set(const QString &family, double points, bool bold, bool italic)
{
    useCarriedFaces();
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    font.setKerning(false);
    m_font = QFont(font, m_device);
    m_metrics = QFontMetricsF(m_font, m_device);
    m_averageCharWidth = -1;
    m_unroundedAverageCharWidth = -1;
    m_measuredText = QString();
}

double DeviceFont::averageCharWidth() const
{
    if (m_averageCharWidth < 0)
        m_averageCharWidth = weightedAverageWidth(m_metrics) / m_unitsPerTwip;
    return m_averageCharWidth;
}

double DeviceFont::unroundedAverageCharWidth() const
{
    // Sixteen times the size leaves a rounding of well under a percent, also
    // at 150 dpi.
    constexpr double Scale = 16;
    if (m_unroundedAverageCharWidth < 0) {
        QFont large(m_font);
        large.setPointSizeF(m_font.pointSizeF() * Scale);
        m_unroundedAverageCharWidth =
            weightedAverageWidth(QFontMetricsF(large, m_device)) / Scale / m_unitsPerTwip;
    }
    return m_unroundedAverageCharWidth;
}

double DeviceFont::shapedWidth(QStringView text) const
{
    return m_metrics.horizontalAdvance(text.toString());
}

// Fonts that substitute or move no glyph for these characters when kerning is
// off lay a text of them out as one advance after the other; the toolkit's
// shaping of a long entry costs far more than adding them up. A font passes
// when shaping all of them, with the pairs fonts most often join or kern,
// gives exactly their sum.
bool DeviceFont::addsUpLatin1() const
{
    if (m_latin1 != Latin1::Unknown)
        return m_latin1 == Latin1::AddsUp;
    QString probe;
    qint64 sum = 0;
    bool whole = true;
    for (char16_t c = 0; c < m_latin1Advance.size(); ++c) {
        // Controls and the soft hyphen are laid out by rules of their own.
        const bool plain = (c >= 0x20 && c < 0x7f) || (c >= 0xa0 && c != 0xad);
        m_latin1Advance[c] = -1;
        if (!plain)
            continue;
        const double advance = m_metrics.horizontalAdvance(QChar(c)) * AdvanceUnits;
        whole = whole && advance == std::round(advance);
        m_latin1Advance[c] = qint32(advance);
        probe += QChar(c);
        sum += m_latin1Advance[c];
    }
    const QString pairs = QStringLiteral(" fi fl ff ffi ffl fj ft Th st ct AV AW To Ty Wa Yo LT P. r, \u00c6ffi\u00e6");
    for (QChar c : pairs)
        sum += m_latin1Advance[c.unicode()];
    probe += pairs;
    m_latin1 = whole && shapedWidth(probe) * AdvanceUnits == sum ? Latin1::AddsUp : Latin1::Shaped;
    return m_latin1 == Latin1::AddsUp;
}

// The sum of the advances of text, in device units, when every character of
// it has one that adds up; -1 otherwise.
double DeviceFont::addedWidth(const QString &text) const
{
    if (!addsUpLatin1())
        return -1;
    qint64 sum = 0;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= m_latin1Advance.size() || m_latin1Advance[u] < 0)
            return -1;
        sum += m_latin1Advance[u];
    }
    return double(sum) / AdvanceUnits;
}

double DeviceFont::textWidth(const QString &text) const
{
    if (text.isEmpty() || text != m_measuredText) {
        m_measuredText = text;
        const double added = text.size() >= LongText ? addedWidth(text) : -1;
        m_measuredWidth = (added >= 0 ? added : shapedWidth(text)) / m_unitsPerTwip;
    }
    return m_measuredWidth;
}

namespace {

// Characters that turn a run of text around: drawn, such a text does not
// begin with its first characters.
bool turnsRightToLeft(QChar c)
{
    switch (c.direction()) {
    case QChar::DirR:
    case QChar::DirAL:
    case QChar::DirRLE:
    case QChar::DirRLO:
    case QChar::DirRLI:
    case QChar::DirFSI:
        return true;
    default:
        return false;
    }
}

// The nearest place at or after at where a text can be cut without tearing
// a character apart.
qsizetype cutAt(const QString &text, qsizetype at)
{
    while (at < text.size() && (text[at].isLowSurrogate() || text[at].isMark()))
        ++at;
    return at;
}

} // namespace

qsizetype DeviceFont::visibleLength(const QString &text, double room) const
{
    const qsizetype size = text.size();
    if (size < LongText)
        return size;
    if (addsUpLatin1()) {
        const qint64 roomUnits = qint64(std::ceil(room * AdvanceUnits));
        qint64 width = 0;
        qsizetype i = 0;
        for (; i < size; ++i) {
            const char16_t c = text[i].unicode();
            if (c >= m_latin1Advance.size() || m_latin1Advance[c] < 0)
                break;
            width += m_latin1Advance[c];
            if (width > roomUnits)
                return i + 1;
        }
        if (i == size)
            return size;
    }
    if (std::any_of(text.cbegin(), text.cend(), turnsRightToLeft))
        return size;
    // Left to right throughout: a longer and longer beginning until it
    // reaches past the room, from half a long text on, so that a text just
    // long enough is cut too.
    for (qsizetype length = LongText / 2; length < size; length *= 2) {
        length = cutAt(text, length);
        if (length < size && shapedWidth(QStringView(text).left(length)) > room)
            return length;
    }
    return size;
}

std::optional<QString> DeviceFont::visiblePart(double x, double y, const QString &text, const QSizeF &reach) const
{
    // A line's height beyond the edge still lets slanted and overhanging
    // letters in.
    const double margin = lineHeight() * m_unitsPerTwip;
    const QPointF at = QPointF(x, y) * m_unitsPerTwip;
    if (at.x() > reach.width() + margin || at.y() > reach.height() + margin)
        return std::nullopt;
    return text.left(visibleLength(text, reach.width() + margin - at.x()));
}

// A line is as high as the font, its ascent and descent, without the gap some
// toolkit versions add between lines: the page keeps the same height wherever
// it is drawn.
double DeviceFont::lineHeight() const
{
    return (m_metrics.ascent() + m_metrics.descent()) / m_unitsPerTwip;
}

double DeviceFont::ascent() const
{
    return m_metrics.ascent() / m_unitsPerTwip;
}
