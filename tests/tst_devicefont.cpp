#include "devicefont.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QTest>

// A surface's font keeps what it measured only while the font stays the same.
class tst_DeviceFont : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void measuresInTheFontSetLast_data();
    void measuresInTheFontSetLast();
    void longTextMeasuresAsShaped_data();
    void longTextMeasuresAsShaped();
    void visibleBeginningDrawsTheSame_data();
    void visibleBeginningDrawsTheSame();
};

namespace {

struct Face
{
    QString family;
    double points;
    bool bold;
    bool italic;
};

void use(DeviceFont &font, const Face &face)
{
    font.set(face.family, face.points, face.bold, face.italic);
}

} // namespace

Q_DECLARE_METATYPE(Face)

void tst_DeviceFont::measuresInTheFontSetLast_data()
{
    QTest::addColumn<Face>("before");
    QTest::addColumn<Face>("after");

    const Face serif{QStringLiteral("Times New Roman"), 10, false, false};
    QTest::newRow("larger size") << serif << Face{serif.family, 24, false, false};
    QTest::newRow("bold") << serif << Face{serif.family, 10, true, false};
    QTest::newRow("italic") << Face{serif.family, 10, true, false} << Face{serif.family, 10, true, true};
    QTest::newRow("another family") << serif << Face{QStringLiteral("Courier New"), 10, false, false};
}

// The same text and zones measured first in one font, then in the next, come
// out as a font set only to the next measures them.
void tst_DeviceFont::measuresInTheFontSetLast()
{
    QFETCH(Face, before);
    QFETCH(Face, after);

    QImage device(10, 10, QImage::Format_RGB32);
    const QString text = QStringLiteral("Membership Application");

    DeviceFont changed(&device);
    use(changed, before);
    const double widthBefore = changed.textWidth(text);
    const double zoneBefore = changed.averageCharWidth();
    use(changed, after);

    DeviceFont fresh(&device);
    use(fresh, after);
    QCOMPARE(changed.textWidth(text), fresh.textWidth(text));
    QCOMPARE(changed.averageCharWidth(), fresh.averageCharWidth());
    QVERIFY(changed.textWidth(text) != widthBefore);
    QVERIFY(changed.averageCharWidth() != zoneBefore);
}

namespace {

// A text of at least length characters, made of piece over and over.
QString repeated(const QString &piece, qsizetype length)
{
    QString text;
    while (text.size() < length)
        text += piece;
    return text;
}

void addLongTexts()
{
    QTest::addColumn<Face>("face");
    QTest::addColumn<QString>("text");

    const Face regular{QStringLiteral("Times New Roman"), 10, false, false};
    const Face boldItalic{QStringLiteral("Times New Roman"), 8, true, true};
    const QString street = QStringLiteral("1208 Saguaro Lane, Copper Wash City AZ; ");
    QTest::newRow("plain letters") << regular << repeated(street, 5000);
    QTest::newRow("plain letters, bold italic") << boldItalic << repeated(street, 5000);
    QTest::newRow("heading size, bold") << Face{regular.family, 24, true, false} << repeated(street, 3000);
    QTest::newRow("accents and signs") << regular
                                       << repeated(QStringLiteral("Fran\u00e7oise M\u00fcller \u00a9\u00bd\u00b0 "), 4000);
    QTest::newRow("pairs fonts join or kern") << regular << repeated(QStringLiteral("office affluent AVATAR Type "), 4000);
    QTest::newRow("a Greek word in the middle")
        << regular << repeated(street, 2000) + QStringLiteral("\u03b1\u03b2\u03b3 ") + repeated(street, 2000);
    QTest::newRow("tab and soft hyphen") << regular << repeated(QStringLiteral("Mesquite\tBend\u00adRoad "), 3000);
    QTest::newRow("combining accents") << regular << repeated(QStringLiteral("Jose\u0301 Zoe\u0308 "), 3000);
    QTest::newRow("Hebrew after Latin") << regular << repeated(street, 1000) + repeated(QStringLiteral("\u05e9\u05dc\u05d5\u05dd "), 1000);
    QTest::newRow("just long enough") << regular << repeated(QStringLiteral("x"), 1024);
}

} // namespace

void tst_DeviceFont::longTextMeasuresAsShaped_data()
{
    addLongTexts();
}

// However a long entry is measured, it comes out as wide as the toolkit lays
// it out, to the last fraction of a pixel.
void tst_DeviceFont::longTextMeasuresAsShaped()
{
    QFETCH(Face, face);
    QFETCH(QString, text);

    QImage device(10, 10, QImage::Format_RGB32);
    DeviceFont font(&device);
    use(font, face);
    const double shaped = QFontMetricsF(font.font(), &device).horizontalAdvance(text);
    QCOMPARE(font.textWidth(text) * font.unitsPerTwip(), shaped);
}

void tst_DeviceFont::visibleBeginningDrawsTheSame_data()
{
    addLongTexts();
}

// Drawing only the beginning the font picks for a width leaves exactly the
// pixels the whole text leaves there; a text that runs right to left, or
// mixes in such a run, is drawn whole.
void tst_DeviceFont::visibleBeginningDrawsTheSame()
{
    QFETCH(Face, face);
    QFETCH(QString, text);

    QImage whole(900, 60, QImage::Format_RGB32);
    DeviceFont font(&whole);
    use(font, face);
    const double margin = font.lineHeight() * font.unitsPerTwip();
    const qsizetype length = font.visibleLength(text, whole.width() + margin);
    QVERIFY(length > 0);
    QVERIFY(length <= text.size());
    QVERIFY2(length < text.size() || text.size() < 1024 || text.contains(QChar(0x05e9)),
             "a long left-to-right text is cut");

    QImage beginning = whole;
    for (auto [image, drawn] : {std::pair{&whole, text}, std::pair{&beginning, text.left(length)}}) {
        image->fill(Qt::white);
        QPainter painter(image);
        painter.setLayoutDirection(Qt::LeftToRight);
        painter.setFont(font.font());
        painter.drawText(QPointF(0, 40), drawn);
    }
    QCOMPARE(beginning, whole);
}

QTEST_MAIN(tst_DeviceFont)
#include "tst_devicefont.moc"
