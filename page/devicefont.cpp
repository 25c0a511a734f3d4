#include "devicefont.h"

#include <QPaintDevice>


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
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    font.setKerning(false);
    m_font = QFont(font, m_device);
    m_metrics = QFontMetricsF(m_font, m_device);
    m_averageCharWidth = -1;
    m_measuredText = QString();
}

double DeviceFont::averageCharWidth() const
{
    if (m_averageCharWidth < 0)
        m_averageCharWidth = weightedAverageWidth(m_metrics) / m_unitsPerTwip;
    return m_averageCharWidth;
}

double DeviceFont::textWidth(const QString &text) const
{
    if (text.isEmpty() || text != m_measuredText) {
        m_measuredText = text;
        m_measuredWidth = m_metrics.horizontalAdvance(text) / m_unitsPerTwip;
    }
    return m_measuredWidth;
}

double DeviceFont::lineHeight() const
{
    return m_metrics.lineSpacing() / m_unitsPerTwip;
}

double DeviceFont::ascent() const
{
    return m_metrics.ascent() / m_unitsPerTwip;
}
