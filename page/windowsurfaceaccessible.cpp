#include "windowsurfaceaccessible.h"

#include "pagetext.h"
#include "windowsurface.h"

#include <QFontMetricsF>

WindowSurfaceAccessible::WindowSurfaceAccessible(WindowSurface *surface)
    : QAccessibleWidget(surface, QAccessible::StaticText)
{
}

QAccessibleInterface *WindowSurfaceAccessible::factory(const QString &className, QObject *object)
{
    if (className == QLatin1String("WindowSurface"))
        if (auto *surface = qobject_cast<WindowSurface *>(object))
            return new WindowSurfaceAccessible(surface);
    return nullptr;
}

const PageText &WindowSurfaceAccessible::page() const
{
    return static_cast<const WindowSurface *>(widget())->pageText();
}

QAccessible::State WindowSurfaceAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.readOnly = true;
    // A blank surface has nothing to read.
    if (page().isEmpty())
        s.invisible = true;
    return s;
}

QString WindowSurfaceAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return page().text();
    return QAccessibleWidget::text(t);
}

void *WindowSurfaceAccessible::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(t);
}

// The page can be read, not selected: there is no selection and no cursor.
void WindowSurfaceAccessible::selection(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = 0;
}

int WindowSurfaceAccessible::selectionCount() const
{
    return 0;
}

void WindowSurfaceAccessible::addSelection(int, int) {}

void WindowSurfaceAccessible::removeSelection(int) {}

void WindowSurfaceAccessible::setSelection(int, int, int) {}

int WindowSurfaceAccessible::cursorPosition() const
{
    return 0;
}

void WindowSurfaceAccessible::setCursorPosition(int) {}

QString WindowSurfaceAccessible::text(int startOffset, int endOffset) const
{
    return page().text().mid(startOffset, endOffset - startOffset);
}

int WindowSurfaceAccessible::characterCount() const
{
    return int(page().text().size());
}

QRect WindowSurfaceAccessible::characterRect(int offset) const
{
    int index = 0;
    const PageText::Run *run = page().runAt(offset, &index);
    if (!run)
        return QRect();
    const QFontMetricsF metrics(run->font, widget());
    const QRectF box(run->box.left() + metrics.horizontalAdvance(run->text.left(index)), run->box.top(),
                     metrics.horizontalAdvance(run->text.at(index)), run->box.height());
    return QRect(widget()->mapToGlobal(box.topLeft().toPoint()), box.size().toSize());
}

int WindowSurfaceAccessible::offsetAtPoint(const QPoint &point) const
{
    const QPointF local = widget()->mapFromGlobal(QPointF(point));
    int start = 0;
    const PageText::Run *run = page().runAtPoint(local, &start);
    if (!run)
        return -1;
    // The first character whose right edge lies beyond the point.
    const QFontMetricsF metrics(run->font, widget());
    const double x = local.x() - run->box.left();
    qsizetype low = 0;
    qsizetype high = run->text.size() - 1;
    while (low < high) {
        const qsizetype middle = (low + high) / 2;
        if (metrics.horizontalAdvance(run->text.left(middle + 1)) > x)
            high = middle;
        else
            low = middle + 1;
    }
    return start + int(low);
}

void WindowSurfaceAccessible::scrollToSubstring(int, int) {}

QString WindowSurfaceAccessible::attributes(int offset, int *startOffset, int *endOffset) const
{
    int index = 0;
    const PageText::Run *run = page().runAt(offset, &index);
    if (!run) {
        *startOffset = offset;
        *endOffset = offset + 1;
        return QString();
    }
    *startOffset = offset - index;
    *endOffset = *startOffset + int(run->text.size());
    return QStringLiteral("font-family:\"%1\";font-size:%2pt;font-weight:%3;font-style:%4;")
        .arg(run->font.family())
        .arg(run->font.pointSizeF())
        .arg(run->font.weight())
        .arg(run->font.italic() ? QStringLiteral("italic") : QStringLiteral("normal"));
}
