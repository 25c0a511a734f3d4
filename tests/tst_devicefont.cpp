#include "devicefont.h"

#include <QImage>
#include <QTest>

// A surface's font keeps what it measured only while the font stays the same.
class tst_DeviceFont : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void measuresInTheFontSetLast_data();
    void measuresInTheFontSetLast();
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

QTEST_MAIN(tst_DeviceFont)
#include "tst_devicefont.moc"
