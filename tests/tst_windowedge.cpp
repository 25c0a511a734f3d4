#include "windowsurface.h"

#include <QScreen>

#include <QTest>

// The window's page near and past the edges of its persistent image: what
// can show is drawn, and text that cannot still moves the cursor on.
class tst_WindowEdge : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void textStartingInsideAnEdgeIsDrawn_data();
    void textStartingInsideAnEdgeIsDrawn();
    void textPastTheEdgeStillMovesTheCursor();
};

namespace {

bool hasInk(const QImage &image, const QColor &background)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != background)
                return true;
    return false;
}

// The most the surface can show: the screen it is on.
QSize imageSize(const WindowSurface &surface)
{
    return surface.screen()->virtualSize().expandedTo(surface.size());
}

} // namespace

void tst_WindowEdge::textStartingInsideAnEdgeIsDrawn_data()
{
    QTest::addColumn<int>("pixelsFromRight");
    QTest::addColumn<int>("pixelsFromBottom");

    QTest::newRow("just inside the right edge") << 8 << 300;
    QTest::newRow("just inside the bottom edge") << 300 << 20;
}

void tst_WindowEdge::textStartingInsideAnEdgeIsDrawn()
{
    QFETCH(int, pixelsFromRight);
    QFETCH(int, pixelsFromBottom);

    QWidget window;
    WindowSurface surface(window.font(), &window);
    surface.setBackColor(Qt::white);
    surface.setAutoRedraw(true);
    surface.setFontName(QStringLiteral("Times New Roman"));
    surface.setFontSize(24);
    const QSize size = imageSize(surface);
    const double twipsPerPixel = 1440.0 / surface.logicalDpiX();

    surface.setCurrentX((size.width() - pixelsFromRight) * twipsPerPixel);
    surface.setCurrentY((size.height() - pixelsFromBottom) * twipsPerPixel);
    surface.Print({"WWWW", Sep::End});

    const QImage image = surface.persistentImage();
    const QRect corner(size.width() - pixelsFromRight, size.height() - pixelsFromBottom, pixelsFromRight,
                       pixelsFromBottom);
    QVERIFY(hasInk(image.copy(corner), Qt::white));
}

void tst_WindowEdge::textPastTheEdgeStillMovesTheCursor()
{
    QWidget window;
    WindowSurface surface(window.font(), &window);
    surface.setAutoRedraw(true);
    surface.setFontName(QStringLiteral("Times New Roman"));
    surface.setFontSize(10);
    const QSize size = imageSize(surface);

    surface.setCurrentX(0);
    surface.Print({"Street", Sep::Stay});
    const double width = surface.CurrentX();
    QVERIFY(width > 0);

    const double pastRight = 2 * size.width() * 1440.0 / surface.logicalDpiX();
    surface.setCurrentX(pastRight);
    surface.Print({"Street", Sep::Stay});
    QCOMPARE(surface.CurrentX(), pastRight + width);
}

QTEST_MAIN(tst_WindowEdge)
#include "tst_windowedge.moc"
