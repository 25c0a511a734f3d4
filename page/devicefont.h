#ifndef TFCC_DEVICEFONT_H
#define TFCC_DEVICEFONT_H

#include <QFont>
#include <QFontMetricsF>
#include <QSizeF>

#include <array>
#include <optional>

class QPaintDevice;

// The current font of a surface, measured on the device it is drawn on, with
// every length given in twips.
class DeviceFont
{
public:
    explicit DeviceFont(QPaintDevice *device);

    void set(const QString &family, double points, bool bold, bool italic);

    // The font to draw with on the device.
    const QFont &font() const { return m_font; }

    double textWidth(const QString &text) const;
    // How much of text, from its start, must be drawn to cover everything
    // that lies within room device units of where it begins: a long entry
    // draws only what can be seen of it.
    qsizetype visibleLength(const QString &text, double room) const;
    // What can be seen of text drawn at (x, y) twips on an area that reaches
    // from the origin to reach, in device units; nothing when it starts past
    // the area's right or bottom edge.
    std::optional<QString> visiblePart(double x, double y, const QString &text, const QSizeF &reach) const;
    double averageCharWidth() const;
    // The same for paper, where the page must come out alike at any
    // resolution: measured at a large size, as a font system that rounds each
    // advance to whole dots (Windows' does) would make a low-resolution
    // printer's average several percent off.
    double unroundedAverageCharWidth() const;
    double lineHeight() const;
    double ascent() const;

    // Device units (pixels or printer dots) per twip.
    double unitsPerTwip() const { return m_unitsPerTwip; }

private:
    // Texts shorter than this are shaped as they are; longer ones may be
    // measured by adding up the advances of their characters.
    static constexpr qsizetype LongText = 1024;

    // The toolkit keeps advances in 64ths of a device unit, and adding them
    // up as whole numbers is exact and quick.
    static constexpr int AdvanceUnits = 64;

    bool addsUpLatin1() const;
    double addedWidth(const QString &text) const;
    double shapedWidth(QStringView text) const;

    QPaintDevice *m_device;
    double m_unitsPerTwip;
    QFont m_font;
    QFontMetricsF m_metrics;
    // Measured when first asked for: a page sets several font properties in a
    // row, and loading the font of each step between would cost far more.
    mutable double m_averageCharWidth = -1;
    mutable double m_unroundedAverageCharWidth = -1;
    // The last text measured: a surface measures what it has just drawn,
    // and shaping a long text again costs as much as drawing it.
    mutable QString m_measuredText;
    mutable double m_measuredWidth = 0;
    // Whether shaping a text of Latin-1 characters in this font comes to
    // nothing but the sum of their advances, and those advances in 64ths of
    // a device unit (-1 where a character is laid out by rules of its own);
    // worked out on the first long text.
    enum class Latin1 { Unknown, AddsUp, Shaped };
    mutable Latin1 m_latin1 = Latin1::Unknown;
    mutable std::array<qint32, 256> m_latin1Advance{};
};

#endif
