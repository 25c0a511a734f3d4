#ifndef TFCC_OPAQUEPICTURES_H
#define TFCC_OPAQUEPICTURES_H

#include <QImage>
#include <QList>
#include <QRectF>

// The pictures of one printed page as they lie on white paper, for a printer
// that takes no transparency: each picture comes out opaque, showing the
// pictures painted before it, or the paper, through its transparent parts.
// The page draws its pictures before any text, so nothing else lies below.
class OpaquePictures
{
public:
    // picture as it looks once painted at place (in twips), in its own
    // pixels. Later pictures see it as returned here.
    QImage flatten(const QImage &picture, const QRectF &place);

private:
    struct Painted
    {
        QImage image;
        QRectF place;
    };
    QList<Painted> m_painted;
};

#endif
