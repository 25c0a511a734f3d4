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
    double averageCharWidth() const { return m_averageCharWidth; }
    double lineHeight() const;
    double ascent() const;

    // Device units (pixels or printer dots) per twip.
    double unitsPerTwip() const { return m_unitsPerTwip; }

private:
    QPaintDevice *m_device;
    double m_unitsPerTwip;
    QFont m_font;
    QFontMetricsF m_metrics;
    double m_averageCharWidth = 0;
};

#endif
