#ifndef DEVICEFONT_H
#define DEVICEFONT_H

#include <QFont>
#include <QFontMetricsF>

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
    double averageCharWidth() const;
    double lineHeight() const;
    double ascent() const;

    // Device units (pixels or printer dots) per twip.
    double unitsPerTwip() const { return m_unitsPerTwip; }

private:
    QPaintDevice *m_device;
    double m_unitsPerTwip;
    QFont m_font;
    QFontMetricsF m_metrics;
    // Measured when first asked for: a page sets several font properties in a
    // row, and loading the font of each step between would cost far more.
    mutable double m_averageCharWidth = -1;
    // The last text measured: a surface measures what it has just drawn,
    // and shaping a long text again costs as much as drawing it.
    mutable QString m_measuredText;
    mutable double m_measuredWidth = 0;
};

#endif
