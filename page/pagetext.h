#ifndef TFCC_PAGETEXT_H
#define TFCC_PAGETEXT_H

#include <QFont>
#include <QList>
#include <QRectF>
#include <QString>

#include <utility>

class QPaintDevice;

// The texts drawn on a surface since it was last erased, read back as the
// lines of the page: the texts of one line joined from left to right, the
// lines from top to bottom. Drawing only appends; the texts are measured and
// put together when someone asks for them.
class PageText
{
public:
    struct Run
    {
        QRectF box; // where the text lies, in the device's pixels
        QFont font;
        QString text;
    };

    explicit PageText(const QPaintDevice *device) : m_device(device) {}

    // Text drawn in font with its top-left corner at topLeft, one line high.
    void add(const QPointF &topLeft, double lineHeight, const QFont &font, const QString &text);
    void clear();
    bool isEmpty() const { return m_runs.isEmpty(); }

    // The page's lines, separated by line feeds.
    const QString &text() const;

    // The run that holds the character at offset, and where in the run it
    // is; nullptr for the blanks and line feeds put between runs.
    const Run *runAt(int offset, int *index) const;
    // The run drawn over point, and the offset of its first character.
    const Run *runAtPoint(const QPointF &point, int *start) const;

private:
    void build() const;

    const QPaintDevice *m_device;
    mutable QList<Run> m_runs;
    mutable qsizetype m_measured = 0; // runs whose width is known
    mutable bool m_built = true;
    mutable QString m_text;
    mutable QList<std::pair<int, qsizetype>> m_placed; // (offset in text, run), in text order
};

#endif
