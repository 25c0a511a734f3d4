#include "opaquepictures.h"
#include "pagetestdata.h"
#include "printedpage.h"
#include "printersurface.h"
#include "recordingsurface.h"
#include "windowsurface.h"

#include <QPrinter>
#include <QRawFont>
#include <QTemporaryDir>
#include <QTest>

// The cursor and font rules every page surface shares, and the window's and
// the printer's own surfaces.
class tst_PageSurface : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void zoneMovesToNextBoundary_data();
    void zoneMovesToNextBoundary();
    void emptyItemInSecondZoneIsBlankLine();
    void lineAdvanceUsesFontAtEndOfLine();
    void openLineContinuesAtNewX();
    void columnStartsAfterTextOnItsLine_data();
    void columnStartsAfterTextOnItsLine();
    void fontPropertyChangesOnlyItself_data();
    void fontPropertyChangesOnlyItself();
    void classicAverageWidthOnPrinter_data();
    void classicAverageWidthOnPrinter();
    void printerZonesAtAnyResolution_data();
    void printerZonesAtAnyResolution();
    void lineAdvanceIsFontHeight_data();
    void lineAdvanceIsFontHeight();
    void picturesOnOpaquePaper_data();
    void picturesOnOpaquePaper();
    void windowErasesPersistentDrawing_data();
    void windowErasesPersistentDrawing();
    void windowDrawingSurvivesRepaint();
    void rehearsalLeavesTheWindowAsItWas();
};

void tst_PageSurface::zoneMovesToNextBoundary_data()
{
    QTest::addColumn<double>("points");
    QTest::addColumn<double>("startX");
    QTest::addColumn<double>("expectedX");

    // 10-point font: zones of 14 * 100 twips.
    QTest::newRow("from the left edge") << 10.0 << 0.0 << 1400.0;
    QTest::newRow("inside the first zone") << 10.0 << 800.0 << 1400.0;
    QTest::newRow("between two boundaries") << 10.0 << 2900.0 << 4200.0;
    QTest::newRow("exactly on a boundary") << 10.0 << 2800.0 << 4200.0;
    QTest::newRow("a rounding error below a boundary") << 10.0 << 2800.0 - 1e-9 << 4200.0;
    QTest::newRow("just below a boundary") << 10.0 << 2799.5 << 2800.0;
    // Zones of 1020.6 twips: the third boundary, as the surface steps to it,
    // divides by the zone width to a hair under 3.
    const double zone = PageSurface::ZoneColumns * RecordingSurface::charWidth(7.29);
    QTest::newRow("on the third boundary of zones 1020.6 twips wide") << 7.29 << 3 * zone << 4 * zone;
}

void tst_PageSurface::zoneMovesToNextBoundary()
{
    QFETCH(double, points);
    QFETCH(double, startX);
    QFETCH(double, expectedX);

    RecordingSurface surface(QStringLiteral("Times New Roman"), points);
    surface.setCurrentX(startX);
    surface.setCurrentY(500);
    surface.Print({Sep::Zone, "x", Sep::Stay});

    QCOMPARE(surface.texts.size(), 1);
    QCOMPARE(surface.texts[0].x, expectedX);
    QCOMPARE(surface.texts[0].y, 500.0);
    QCOMPARE(surface.CurrentX(), expectedX + RecordingSurface::charWidth(points));
    QCOMPARE(surface.CurrentY(), 500.0);
}

void tst_PageSurface::emptyItemInSecondZoneIsBlankLine()
{
    RecordingSurface surface(QStringLiteral("Times New Roman"), 8);
    surface.setCurrentX(300);
    surface.setCurrentY(1000);
    surface.Print({Sep::Zone, "", Sep::End});

    QVERIFY(surface.texts.isEmpty());
    QCOMPARE(surface.CurrentX(), 0.0);
    QCOMPARE(surface.CurrentY(), 1000.0 + RecordingSurface::lineHeightOf(8));
}

void tst_PageSurface::lineAdvanceUsesFontAtEndOfLine()
{
    RecordingSurface surface(QStringLiteral("Times New Roman"), 24);
    surface.Print({"Big", Sep::Stay});
    surface.setFontSize(8);
    surface.Print({"small", Sep::End});

    QCOMPARE(surface.texts[1].x, 3 * RecordingSurface::charWidth(24));
    QCOMPARE(surface.texts[1].fontSize, 8.0);
    QCOMPARE(surface.CurrentY(), RecordingSurface::lineHeightOf(8));
}

void tst_PageSurface::openLineContinuesAtNewX()
{
    RecordingSurface surface(QStringLiteral("Times New Roman"), 10);
    surface.setCurrentY(700);
    surface.Print({Sep::Zone, "Name:       ", Sep::Stay});
    QCOMPARE(surface.CurrentX(), 1400.0 + 12 * 100);
    surface.setCurrentX(5000);
    surface.Print({"Birthday: ", Sep::Stay, "04/17", Sep::End});

    QCOMPARE(surface.texts.size(), 3);
    QCOMPARE(surface.texts[1].x, 5000.0);
    QCOMPARE(surface.texts[1].y, 700.0);
    QCOMPARE(surface.texts[2].x, 5000.0 + 10 * 100);
    QCOMPARE(surface.CurrentY(), 700.0 + RecordingSurface::lineHeightOf(10));
}

void tst_PageSurface::columnStartsAfterTextOnItsLine_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("newLine");
    QTest::addColumn<double>("column");
    QTest::addColumn<double>("expectedX");

    // A 10-point character is 100 twips wide; the text starts at 1000.
    QTest::newRow("text ends before the column") << "abcd" << false << 2000.0 << 2000.0;
    QTest::newRow("text ends on the column") << "abcdefghij" << false << 2000.0 << 2000.0;
    QTest::newRow("text reaches past the column") << "abcdefghijk" << false << 2000.0 << 2200.0;
    QTest::newRow("only trailing blanks reach past") << "abcdefghij   " << false << 2000.0 << 2000.0;
    QTest::newRow("column left of the text") << "abc" << false << 500.0 << 1400.0;
    QTest::newRow("blanks alone") << "     " << false << 500.0 << 500.0;
    QTest::newRow("text on the line before") << "abcdefghijklmnop" << true << 2000.0 << 2000.0;
}

// A group set at a column is never drawn over what its line already holds.
void tst_PageSurface::columnStartsAfterTextOnItsLine()
{
    QFETCH(QString, before);
    QFETCH(bool, newLine);
    QFETCH(double, column);
    QFETCH(double, expectedX);

    RecordingSurface surface(QStringLiteral("Times New Roman"), 10);
    surface.setCurrentX(1000);
    surface.setCurrentY(700);
    surface.Print({before, newLine ? Sep::End : Sep::Stay});
    surface.setColumn(column);
    surface.Print({"OS: ", Sep::Stay});

    QCOMPARE(surface.texts.last().text, QStringLiteral("OS: "));
    QCOMPARE(surface.texts.last().x, expectedX);
    QCOMPARE(surface.texts.last().y, newLine ? 700.0 + RecordingSurface::lineHeightOf(10) : 700.0);
}

void tst_PageSurface::fontPropertyChangesOnlyItself_data()
{
    QTest::addColumn<int>("property");
    QTest::newRow("name") << 0;
    QTest::newRow("size") << 1;
    QTest::newRow("bold") << 2;
    QTest::newRow("italic") << 3;
}

void tst_PageSurface::fontPropertyChangesOnlyItself()
{
    QFETCH(int, property);

    RecordingSurface surface(QStringLiteral("Start Face"), 12, true, true);
    QString name = surface.FontName();
    double size = surface.FontSize();
    bool bold = surface.FontBold();
    bool italic = surface.FontItalic();
    switch (property) {
    case 0: surface.setFontName(name = QStringLiteral("Times New Roman")); break;
    case 1: surface.setFontSize(size = 8); break;
    case 2: surface.setFontBold(bold = false); break;
    case 3: surface.setFontItalic(italic = false); break;
    }
    surface.Print({"x", Sep::End});

    const RecordingSurface::Text &drawn = surface.texts.at(0);
    QCOMPARE(drawn.fontName, name);
    QCOMPARE(drawn.fontSize, size);
    QCOMPARE(drawn.bold, bold);
    QCOMPARE(drawn.italic, italic);
}

void tst_PageSurface::classicAverageWidthOnPrinter_data()
{
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<double>("unitsPer2048Em");

    QTest::newRow("regular") << false << false << 821.8;
    QTest::newRow("bold") << true << false << 874.5;
    QTest::newRow("italic") << false << true << 823.8;
    QTest::newRow("bold italic") << true << true << 844.2;
}

// The zones of the page are 14 classic average widths of "Times New Roman".
// Measured on the printer at full resolution, its metric twin must give the
// widths the page was laid out for, not the far wider stored average.
void tst_PageSurface::classicAverageWidthOnPrinter()
{
    QFETCH(bool, bold);
    QFETCH(bool, italic);
    QFETCH(double, unitsPer2048Em);

    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFileName(dir.filePath(QStringLiteral("page.pdf")));
    QCOMPARE(printer.resolution(), 1200);

    PrinterSurface surface(printer);
    surface.setFontName(QStringLiteral("Times New Roman"));
    surface.setFontSize(12);
    surface.setFontBold(bold);
    surface.setFontItalic(italic);

    const double emTwips = 12 * 20;
    const double expected = unitsPer2048Em / 2048 * emTwips;
    const double average = surface.zoneWidth() / PageSurface::ZoneColumns;
    QVERIFY2(qAbs(average - expected) / expected < 0.005,
             qPrintable(QStringLiteral("average %1 twips, expected %2").arg(average).arg(expected)));
}

void tst_PageSurface::printerZonesAtAnyResolution_data()
{
    QTest::addColumn<int>("dpi");
    QTest::addColumn<QString>("family");

    for (const QString &family : {QStringLiteral("Times New Roman"), QStringLiteral("DejaVu Serif")}) {
        for (int dpi : {150, 300, 400, 720, 2400})
            QTest::addRow("%s at %d dpi", qPrintable(family), dpi) << dpi << family;
    }
}

// The same page in twips, whatever the printer's resolution; and in every
// font of the page, a list of empty places puts the next text on the zone
// it counts, however the zone width divides.
void tst_PageSurface::printerZonesAtAnyResolution()
{
    QFETCH(int, dpi);
    QFETCH(QString, family);

    QTemporaryDir dir;
    QPrinter high(QPrinter::HighResolution);
    high.setOutputFileName(dir.filePath(QStringLiteral("high.pdf")));
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setOutputFileName(dir.filePath(QStringLiteral("page.pdf")));
    printer.setResolution(dpi);
    QCOMPARE(printer.resolution(), dpi);

    PrinterSurface reference(high);
    PrinterSurface surface(printer);
    for (PrinterSurface *s : {&reference, &surface}) {
        s->setFontName(family);
        s->setFontSize(10);
    }
    QVERIFY(qAbs(reference.zoneWidth() - surface.zoneWidth()) / reference.zoneWidth() < 0.01);

    const PrintElement emptyPlaces[] = {Sep::Zone, Sep::Zone, Sep::Zone, Sep::Zone, Sep::Zone,
                                        Sep::Zone, Sep::Zone, Sep::Zone, Sep::Zone};
    for (double points : {8.0, 10.0, 12.0, 24.0}) {
        for (int style = 0; style < 4; ++style) {
            surface.setFontSize(points);
            surface.setFontBold(style & 1);
            surface.setFontItalic(style & 2);
            const double zone = surface.zoneWidth();
            for (int zones = 1; zones <= 9; ++zones) {
                surface.setCurrentX(0);
                surface.Print(emptyPlaces, emptyPlaces + zones);
                QVERIFY2(qAbs(surface.CurrentX() - zones * zone) < zone / 2,
                         qPrintable(QStringLiteral("%1 pt, style %2: %3 empty places end at %4 zones")
                                        .arg(points)
                                        .arg(style)
                                        .arg(zones)
                                        .arg(surface.CurrentX() / zone)));
            }
        }
    }
}

void tst_PageSurface::lineAdvanceIsFontHeight_data()
{
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");

    for (double points : {8.0, 10.0, 12.0, 24.0}) {
        for (bool bold : {false, true})
            QTest::addRow("%g pt %s", points, bold ? "bold" : "regular") << points << bold;
    }
}

// A printed line is as high as the face's own ascent and descent at the size
// the printer draws it, with no gap between lines, whichever toolkit version
// measures it.
void tst_PageSurface::lineAdvanceIsFontHeight()
{
    QFETCH(double, points);
    QFETCH(bool, bold);

    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFileName(dir.filePath(QStringLiteral("page.pdf")));
    PrinterSurface surface(printer);
    surface.setFontName(QStringLiteral("Times New Roman"));
    surface.setFontSize(points);
    surface.setFontBold(bold);
    surface.setCurrentY(1000);
    surface.Print({"Membership Application", Sep::End});

    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(points);
    font.setBold(bold);
    const QRawFont face = QRawFont::fromFont(QFont(font, &printer));
    QVERIFY(face.isValid());
    const double expected = (face.ascent() + face.descent()) * 1440 / printer.logicalDpiY();
    const double advance = surface.CurrentY() - 1000;
    QVERIFY2(qAbs(advance - expected) < 0.5,
             qPrintable(QStringLiteral("advance %1 twips, ascent + descent %2").arg(advance).arg(expected)));
}

namespace {

// A window of 400 by 300 pixels whose surface is white and keeps what is
// drawn on it, in Times New Roman.
struct KeptDrawing
{
    KeptDrawing() : surface(window.font(), &window)
    {
        window.resize(400, 300);
        surface.resize(400, 300);
        surface.setBackColor(Qt::white);
        surface.setAutoRedraw(true);
        surface.setFontName(QStringLiteral("Times New Roman"));
    }

    QWidget window;
    WindowSurface surface;
};

} // namespace

void tst_PageSurface::picturesOnOpaquePaper_data()
{
    QTest::addColumn<int>("picture");
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QString>("shows");

    // The page paints the photograph, then the banner over its top right
    // corner: the banner's first 19 columns lie over the photograph.
    QTest::newRow("the photograph as it is") << 0 << QPoint(140, 2) << "itself";
    QTest::newRow("the banner's letters over the photograph") << 1 << QPoint(15, 12) << "itself";
    QTest::newRow("the banner's background over the photograph") << 1 << QPoint(2, 2) << "photograph";
    QTest::newRow("the banner's letters beside the photograph") << 1 << QPoint(25, 12) << "itself";
    QTest::newRow("the banner's background beside the photograph") << 1 << QPoint(25, 44) << "paper";
}

// For a printer without transparency, the page's pictures reach it opaque,
// looking as they would on paper that does take it.
void tst_PageSurface::picturesOnOpaquePaper()
{
    QFETCH(int, picture);
    QFETCH(QPoint, pixel);
    QFETCH(QString, shows);
    constexpr double TwipsPerPixel = 15;

    RecordingSurface page;
    PrintedPage::compose(page, PageTestData::sampleInputs(), QImage(QStringLiteral(":/picture1.gif")),
                         QImage(QStringLiteral(":/picture2.gif")));
    QCOMPARE(page.pictures.size(), 2);
    QVERIFY(page.pictures.at(1).image.hasAlphaChannel());
    OpaquePictures paper;
    QList<QImage> printed;
    for (const RecordingSurface::Picture &p : std::as_const(page.pictures)) {
        printed << paper.flatten(p.image, QRectF(p.x, p.y, p.size.width() * TwipsPerPixel,
                                                 p.size.height() * TwipsPerPixel));
        QVERIFY(!printed.last().hasAlphaChannel());
        QCOMPARE(printed.last().size(), p.size);
    }

    const RecordingSurface::Picture &drawn = page.pictures.at(picture);
    const bool transparent = qAlpha(drawn.image.pixel(pixel)) == 0;
    QColor expected;
    if (shows == QLatin1String("itself")) {
        QVERIFY(!transparent);
        expected = drawn.image.pixelColor(pixel);
    } else if (shows == QLatin1String("paper")) {
        QVERIFY(transparent);
        expected = Qt::white;
    } else {
        QVERIFY(transparent);
        const RecordingSurface::Picture &photograph = page.pictures.first();
        const QPointF centre(drawn.x + (pixel.x() + 0.5) * TwipsPerPixel, drawn.y + (pixel.y() + 0.5) * TwipsPerPixel);
        const QPoint below(int((centre.x() - photograph.x) / TwipsPerPixel),
                           int((centre.y() - photograph.y) / TwipsPerPixel));
        expected = photograph.image.pixelColor(below);
    }
    QCOMPARE(printed.at(picture).pixelColor(pixel), expected);
}

void tst_PageSurface::windowErasesPersistentDrawing_data()
{
    QTest::addColumn<bool>("byCls");
    QTest::newRow("new background colour") << false;
    QTest::newRow("Cls") << true;
}

void tst_PageSurface::windowErasesPersistentDrawing()
{
    QFETCH(bool, byCls);

    KeptDrawing kept;
    WindowSurface &surface = kept.surface;
    surface.setFontSize(24);
    surface.setCurrentX(300);
    surface.setCurrentY(300);
    surface.Print({"WWWW", Sep::End});

    const QImage before = surface.persistentImage();
    QVERIFY(!before.isNull());
    QVERIFY(before.pixelColor(before.rect().center()) == QColor(Qt::white));
    bool drawn = false;
    for (int y = 0; y < 100 && !drawn; ++y)
        for (int x = 0; x < 150 && !drawn; ++x)
            drawn = before.pixelColor(x, y) != QColor(Qt::white);
    QVERIFY(drawn);

    const QColor cyan(240, 255, 255);
    if (byCls) {
        surface.Cls();
        QCOMPARE(surface.CurrentX(), 0.0);
        QCOMPARE(surface.CurrentY(), 0.0);
    } else {
        surface.setBackColor(cyan);
    }
    const QColor background = byCls ? QColor(Qt::white) : cyan;
    const QImage after = surface.persistentImage();
    for (int y = 0; y < after.height(); y += 3)
        for (int x = 0; x < after.width(); x += 3)
            QCOMPARE(after.pixelColor(x, y), background);
}

void tst_PageSurface::windowDrawingSurvivesRepaint()
{
    QWidget window;
    window.resize(300, 200);
    WindowSurface surface(window.font(), &window);
    surface.resize(300, 200);
    surface.setBackColor(Qt::white);
    surface.setAutoRedraw(true);
    surface.setFontSize(20);
    surface.Print({"Kept", Sep::End});

    const QImage first = surface.grab().toImage();
    const QImage second = surface.grab().toImage();
    QCOMPARE(first, second);
    bool inked = false;
    for (int y = 0; y < 40 && !inked; ++y)
        for (int x = 0; x < 80 && !inked; ++x)
            inked = second.pixelColor(x, y).lightness() < 128;
    QVERIFY(inked);
}

// A page drawn where nobody sees it starts in the window's font and changes
// nothing the window shows: not its drawing, cursor, font, colour or the text
// a screen reader reads. It leaves room for itself: drawn for real, the page
// fits the window's image as it was made.
void tst_PageSurface::rehearsalLeavesTheWindowAsItWas()
{
    KeptDrawing kept;
    QWidget &window = kept.window;
    WindowSurface &surface = kept.surface;
    surface.setFontSize(12);
    surface.setForeColor(Qt::darkBlue);
    surface.setCurrentX(300);
    surface.setCurrentY(300);
    surface.Print({"Street", Sep::Zone, "City", Sep::Stay});

    const QImage image = surface.persistentImage();
    const QString text = surface.pageText().text();
    const double x = surface.CurrentX();
    const double y = surface.CurrentY();

    int pages = 0;
    const auto page = [&pages](PageSurface &page) {
        QCOMPARE(page.FontName(), QStringLiteral("Times New Roman"));
        QCOMPARE(page.FontSize(), 12.0);
        page.setFontSize(24);
        page.setFontBold(true);
        page.setForeColor(Qt::red);
        page.setCurrentX(2000);
        page.setCurrentY(9000);
        page.Print({"Membership Application", Sep::End, "WWWW", Sep::Zone, "x", Sep::End});
        ++pages;
    };
    surface.rehearse(page);

    QCOMPARE(pages, 1);
    const QImage rehearsed = surface.persistentImage();
    QCOMPARE(rehearsed.copy(image.rect()), image);
    for (int py = 0; py < rehearsed.height(); py += 2)
        for (int px = py < image.height() ? image.width() : 0; px < rehearsed.width(); px += 2)
            QCOMPARE(rehearsed.pixelColor(px, py), QColor(Qt::white));
    QCOMPARE(surface.pageText().text(), text);
    QCOMPARE(surface.CurrentX(), x);
    QCOMPARE(surface.CurrentY(), y);
    QCOMPARE(surface.FontSize(), 12.0);
    QVERIFY(!surface.FontBold());
    QCOMPARE(surface.ForeColor(), QColor(Qt::darkBlue));
    // The window goes on measuring in its own font.
    WindowSurface fresh(window.font(), &window);
    fresh.setFontName(QStringLiteral("Times New Roman"));
    fresh.setFontSize(12);
    fresh.Print({"Street", Sep::Stay});
    surface.Print({"Street", Sep::Stay});
    QCOMPARE(surface.CurrentX() - x, fresh.CurrentX());

    surface.Cls();
    surface.setFontSize(12);
    surface.setFontBold(false);
    page(surface);
    QCOMPARE(pages, 2);
    QCOMPARE(surface.persistentImage().size(), rehearsed.size());
    QVERIFY(surface.persistentImage() != rehearsed);
}

QTEST_MAIN(tst_PageSurface)
#include "tst_pagesurface.moc"
