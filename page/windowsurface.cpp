#include "windowsurface.h"

#include "windowsurfaceaccessible.h"

#include <QAccessible>
#include <QPainter>
#include <QPaintEvent>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

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
    m_drawnRect = QRect();
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

// The most the window can show: the whole screen, which it may fill at any
// moment once maximized.
QSizeF WindowSurface::reach() const
{
    QSize logical = size();
    if (const QScreen *s = screen())
        logical = logical.expandedTo(s->virtualSize());
    return QSizeF(logical);
}

// An image grows to cover what is drawn on it, as far as the window can
// reach, so that a page drawn before the window manager has maximized the
// window is complete whenever the window gets there. It grows in steps, and
// no further than the drawing: a page fills a fraction of a large screen.
void WindowSurface::ensureImage(QImage &image, QImage::Format format, const QColor &fill, const QRectF &drawn)
{
    constexpr int Step = 256;
    const double ratio = devicePixelRatioF();
    const QSizeF limit = reach() * ratio;
    const auto stepped = [](double needed, double limit) {
        return int(std::min(std::ceil(needed / Step) * Step, std::ceil(limit)));
    };
    const QSize pixels(stepped(drawn.right() * ratio, limit.width()), stepped(drawn.bottom() * ratio, limit.height()));
    if (!image.isNull() && image.devicePixelRatio() == ratio && image.width() >= pixels.width()
        && image.height() >= pixels.height())
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

namespace {

// Text drawn on the window: how much of it can be seen, and where it lies.
struct Placed
{
    QString shown;
    QRectF drawn; // with room for slanted and overhanging letters
};

// Text past the right or bottom edge of the screen can never be seen, and a
// long entry would still cost its whole shaping to draw.
std::optional<Placed> place(const DeviceFont &font, const QSizeF &reach, double x, double y, const QString &text)
{
    std::optional<QString> shown = font.visiblePart(x, y, text, reach);
    if (!shown)
        return std::nullopt;
    const double scale = font.unitsPerTwip();
    const double margin = font.lineHeight() * scale;
    Placed placed;
    placed.shown = std::move(*shown);
    placed.drawn = QRectF(x * scale, y * scale, font.textWidth(placed.shown) * scale, font.lineHeight() * scale)
                       .adjusted(-margin, -margin, margin, margin)
                       .intersected(QRectF(QPointF(0, 0), reach));
    return placed;
}

} // namespace

void WindowSurface::drawText(double x, double y, const QString &text)
{
    const double scale = m_font.unitsPerTwip();
    // What stays on the surface can be read out, also where it runs past the edge.
    if (m_autoRedraw)
        m_pageText.add(QPointF(x, y) * scale, m_font.lineHeight() * scale, m_font.font(), text);
    const std::optional<Placed> placed = place(m_font, reach(), x, y, text);
    if (!placed)
        return;

    if (m_autoRedraw) {
        ensureImage(m_persistent, QImage::Format_RGB32, m_backColor, placed->drawn);
        m_drawnRect |= placed->drawn.toAlignedRect();
    } else {
        ensureImage(m_transient, QImage::Format_ARGB32_Premultiplied, Qt::transparent, placed->drawn);
    }
    QPainter painter(m_autoRedraw ? &m_persistent : &m_transient);
    painter.setFont(m_font.font());
    painter.setPen(ForeColor());
    painter.drawText(QPointF(x * scale, (y + m_font.ascent()) * scale), placed->shown);
    painter.end();

    update(placed->drawn.toAlignedRect());
}

namespace {

// The letters, figures and signs of a keyboard.
const QString &typedLetters()
{
    static const QString letters = [] {
        QString all;
        for (char16_t c = 0x20; c < 0x7f; ++c)
            all += QChar(c);
        return all;
    }();
    return letters;
}

// A page surface that draws into a small scratch image at a window surface's
// resolution, at the fraction of a pixel where the window would, so that the
// glyphs it rasterizes are the very ones the window's drawing looks up. It
// notes the fonts it used and how far its page reaches, and rasterizes every
// letter of a keyboard in each of its fonts.
class RehearsalSurface : public PageSurface
{
public:
    RehearsalSurface(QWidget *window, const PageSurface &like, const QSizeF &reach)
        : PageSurface(like.FontName(), like.FontSize(), like.FontBold(), like.FontItalic()),
          m_font(window),
          m_reach(reach),
          m_image((QSizeF(1024, 64) * window->devicePixelRatioF()).toSize(), QImage::Format_RGB32)
    {
        m_image.setDevicePixelRatio(window->devicePixelRatioF());
        m_image.setDotsPerMeterX(qRound(window->logicalDpiX() / 0.0254));
        m_image.setDotsPerMeterY(qRound(window->logicalDpiY() / 0.0254));
        m_image.fill(Qt::white);
        fontChanged();
    }

    QList<QFont> fonts;
    QRectF bounds;

protected:
    double textWidth(const QString &text) override { return m_font.textWidth(text); }
    double averageCharWidth() override { return m_font.averageCharWidth(); }
    double lineHeight() override { return m_font.lineHeight(); }
    void fontChanged() override { m_font.set(FontName(), FontSize(), FontBold(), FontItalic()); }

    void drawText(double x, double y, const QString &text) override
    {
        const std::optional<Placed> placed = place(m_font, m_reach, x, y, text);
        if (!placed)
            return;
        bounds |= placed->drawn;
        const double left = x * m_font.unitsPerTwip();
        const QPointF origin(left - std::floor(left), m_font.ascent() * m_font.unitsPerTwip());
        QPainter painter(&m_image);
        painter.setFont(m_font.font());
        painter.setPen(ForeColor());
        painter.drawText(origin, placed->shown);
        // Whatever an applicant types in this font, its letters are ready too.
        if (!fonts.contains(m_font.font())) {
            fonts.append(m_font.font());
            painter.drawText(origin, typedLetters());
        }
    }

private:
    DeviceFont m_font;
    QSizeF m_reach;
    QImage m_image;
};

} // namespace

// Besides the fonts and letters, the persistent image is made as large as
// the page: grown line by line while the page is drawn, its fresh memory
// costs more than all the drawing.
void WindowSurface::rehearse(const std::function<void(PageSurface &)> &compose)
{
    RehearsalSurface rehearsal(this, *this, reach());
    compose(rehearsal);
    m_rehearsedFonts = rehearsal.fonts;
    if (!rehearsal.bounds.isEmpty())
        ensureImage(m_persistent, QImage::Format_RGB32, m_backColor, rehearsal.bounds);
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
