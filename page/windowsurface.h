#ifndef TFCC_WINDOWSURFACE_H
#define TFCC_WINDOWSURFACE_H

#include "devicefont.h"
#include "pagesurface.h"
#include "pagetext.h"

#include <QImage>
#include <QList>
#include <QWidget>

#include <functional>

// The window's own drawing surface: it lies beneath every control and shows
// what the page composer drew. With AutoRedraw on, drawing goes into a
// persistent image that survives covering, resizing and maximizing.
class WindowSurface : public QWidget, public PageSurface
{
    Q_OBJECT

public:
    explicit WindowSurface(const QFont &designFont, QWidget *parent = nullptr);

    QColor BackColor() const { return m_backColor; }
    // Fills the whole surface with color and erases everything drawn on it.
    void setBackColor(const QColor &color);

    bool AutoRedraw() const { return m_autoRedraw; }
    void setAutoRedraw(bool on) { m_autoRedraw = on; }

    // Erases everything drawn and puts the cursor back at (0, 0).
    void Cls();

    // Lets compose draw a page where nobody sees it, with this surface's
    // resolution and font: the fonts that page uses and every letter of a
    // keyboard in them are then loaded and rasterized, and the persistent
    // image made as large as the page, before the page is drawn for real.
    // What the surface shows, its cursor and its font stay as they are.
    void rehearse(const std::function<void(PageSurface &)> &compose);

    // The texts that stay on the surface, for screen readers.
    const PageText &pageText() const { return m_pageText; }

    // Where the drawing that stays on the surface lies.
    QRect drawnRect() const { return m_drawnRect; }

    // The persistent image, for inspection.
    const QImage &persistentImage() const { return m_persistent; }

protected:
    double textWidth(const QString &text) override;
    double averageCharWidth() override;
    double lineHeight() override;
    void drawText(double x, double y, const QString &text) override;
    void fontChanged() override;

    void paintEvent(QPaintEvent *event) override;

private:
    QSizeF reach() const;
    void ensureImage(QImage &image, QImage::Format format, const QColor &fill, const QRectF &drawn);
    void eraseDrawing();

    DeviceFont m_font;
    QColor m_backColor;
    bool m_autoRedraw = false;
    QImage m_persistent;
    QRect m_drawnRect;
    QImage m_transient; // drawn with AutoRedraw off: gone at the next repaint
    PageText m_pageText;
    // The fonts of the rehearsed page, kept so that the toolkit keeps them loaded.
    QList<QFont> m_rehearsedFonts;
};

#endif
