#include "opaquepictures.h"

#include <QPainter>

QImage OpaquePictures::flatten(const QImage &picture, const QRectF &place)
{
    if (picture.isNull() || place.isEmpty())
        return picture;

    QImage flat(picture.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    // Twips to the picture's pixels. Without smoothing, a picture below
    // keeps its pixels' colours where the two grids do not line up.
    painter.scale(picture.width() / place.width(), picture.height() / place.height());
    painter.translate(-place.topLeft());
    for (const Painted &below : std::as_const(m_painted)) {
        if (below.place.intersects(place))
            painter.drawImage(below.place, below.image);
    }
    painter.drawImage(place, picture);
    painter.end();

    m_painted.append({flat, place});
    return flat;
}
