#ifndef TFCC_WINDOWSURFACEACCESSIBLE_H
#define TFCC_WINDOWSURFACEACCESSIBLE_H

#include <QAccessibleWidget>

class PageText;
class WindowSurface;

// What a screen reader finds on the window's drawing surface: the page drawn
// on it, line by line, as read-only text.
class WindowSurfaceAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit WindowSurfaceAccessible(WindowSurface *surface);

    // For QAccessible::installFactory().
    static QAccessibleInterface *factory(const QString &className, QObject *object);

    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    void *interface_cast(QAccessible::InterfaceType t) override;

    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

private:
    const PageText &page() const;
};

#endif
