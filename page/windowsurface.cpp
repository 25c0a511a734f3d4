#include "windowsurface.h"

#include "windowsurfaceaccessible.h"

#include <QAccessible>
#include <QPainter>
#include <QPaintEvent>
#include <QScreen>

WindowSurface::WindowSurface(const QFont &designFont, QWidget *parent)
    : QWidget(parent),
      PageSurface(designFont.family(), designFont.pointSizeF(), designFont.bold(), designFont.italic()),
      m_font(this),
      m_backColor(Qt::white),
      m_pageText(this)
{
    // Screen readers read the drawn page through an interface of its own.
    static const bool readable = (QAccessible::installFactory(&WindowSurfaceAccessible::factory), true);
    Q_UNUSED(readable);
    setAttribute(Qt::WA_OpaquePaintEvent);
    fontChanged();
}

void WindowSurface::setBackColor(const QColor &color)
{
    m_backColor = color;
    eraseDrawing();
}

void WindowSurface::Cls()
{
    eraseDrawing();
    setCurrentX(0);
    setCurrentY(0);
}

void WindowSurface::eraseDrawing()
{
    if (!m_persistent.isNull())
        m_persistent.fill(m_backColor);
    m_transient = QImage();
    m_pageText.clear();
    update();
}

double WindowSurface::textWidth(const QString &text)
{
    return m_font.textWidth(text);
}

double WindowSurface::averageCharWidth()
{
    return m_font.averageCharWidth();
}

double WindowSurface::lineHeight()
{
    return m_font.lineHeight();
}

void WindowSurface::fontChanged()
{
    m_font.set(FontName(), FontSize(), FontBold(), FontItalic());
}

// An image covers the largest the window can become, the whole screen, so
// that a page drawn right after maximizing is complete whenever the window
// manager gets round to resizing the window.
void WindowSurface::ensureImage(QImage &image, QImage::Format format, const QColor &fill)
{
    QSize logical = size();
    if (const QScreen *s = screen())
        logical = logical.expandedTo(s->virtualSize());
    const double ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(logical) * ratio).toSize();
    if (!image.isNull() && image.devicePixelRatio() == ratio
        && image.width() >= pixels.width() && image.height() >= pixels.height())
        return;

    QImage grown(pixels.expandedTo(image.size()), format);
    grown.setDevicePixelRatio(ratio);
    grown.setDotsPerMeterX(qRound(logicalDpiX() / 0.0254));
    grown.setDotsPerMeterY(qRound(logicalDpiY() / 0.0254));
    grown.fill(fill);
    if (!image.isNull()) {
        QPainter painter(&grown);
        painter.drawImage(QPointF(0, 0), image);
    }
    image = grown;
}

void WindowSurface::drawText(double x, double y, const QString &text)
{
    if (m_autoRedraw)
        ensureImage(m_persistent, QImage::Format_RGB32, m_backColor);
    else
        ensureImage(m_transient, QImage::Format_ARGB32_Premultiplied, Qt::transparent);
    QImage &image = m_autoRedraw ? m_persistent : m_transient;

    const double scale = m_font.unitsPerTwip();
    // What stays on the surface can be read out, also where it runs past the edge.
    if (m_autoRedraw)
        m_pageText.add(QPointF(x, y) * scale, m_font.lineHeight() * scale, m_font.font(), text);
    // Text that starts past the image's right or bottom edge cannot be seen,
    // and a long entry would still cost its whole shaping to draw.
    const QSizeF area = image.deviceIndependentSize();
    const double margin = m_font.lineHeight() * scale;
    if (x * scale > area.width() + margin || y * scale > area.height() + margin)
        return;
    QPainter painter(&image);
    painter.setFont(m_font.font());
    painter.setPen(ForeColor());
    painter.drawText(QPointF(x * scale, (y + m_font.ascent()) * scale), text);
    painter.end();

    const QRectF drawn(x * scale, y * scale, m_font.textWidth(text) * scale, m_font.lineHeight() * scale);
    update(drawn.toAlignedRect().adjusted(-2, -2, 2, 2));
}

void WindowSurface::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect area = event->rect();
    painter.fillRect(area, m_backColor);
    if (!m_persistent.isNull())
        painter.drawImage(area.topLeft(), m_persistent, QRectF(QPointF(area.topLeft()) * m_persistent.devicePixelRatio(),
                                                              QSizeF(area.size()) * m_persistent.devicePixelRatio()));
    if (!m_transient.isNull()) {
        painter.drawImage(QPointF(0, 0), m_transient);
        m_transient = QImage();
    }
}
