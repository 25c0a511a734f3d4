#include <QColor>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QList>
#include <QSet>
#include <QTest>
#include <QtEndian>

namespace {

// What the block structure of a GIF file says, read from its bytes rather
// than through a decoder that would forgive a wrong file.
struct GifFacts
{
    QByteArray signature;
    int width = 0;
    int height = 0;
    bool globalTable = false;
    int tableSize = 0;
    int background = -1;
    QList<QRgb> palette;
    int frames = 0;
    bool interlaced = false;
    bool transparent = false;
    int transparentIndex = -1;
    bool complete = false;
};

int u8(const QByteArray &data, qsizetype pos)
{
    return pos < data.size() ? quint8(data.at(pos)) : -1;
}

int u16(const QByteArray &data, qsizetype pos)
{
    if (pos + 2 > data.size())
        return -1;
    return qFromLittleEndian<quint16>(data.constData() + pos);
}

int u32(const QByteArray &data, qsizetype pos)
{
    if (pos + 4 > data.size())
        return -1;
    return int(qFromLittleEndian<quint32>(data.constData() + pos));
}

// Skips a chain of data sub-blocks; returns the position after its terminator.
qsizetype skipSubBlocks(const QByteArray &data, qsizetype pos)
{
    while (pos < data.size()) {
        const int length = u8(data, pos);
        pos += 1 + length;
        if (length == 0)
            return pos;
    }
    return data.size() + 1;
}

GifFacts readGif(const QByteArray &data)
{
    GifFacts gif;
    if (data.size() < 13)
        return gif;
    gif.signature = data.left(6);
    gif.width = u16(data, 6);
    gif.height = u16(data, 8);
    const int packed = u8(data, 10);
    gif.globalTable = packed & 0x80;
    gif.background = u8(data, 11);
    qsizetype pos = 13;
    if (gif.globalTable) {
        gif.tableSize = 2 << (packed & 7);
        for (int i = 0; i < gif.tableSize && pos + 3 <= data.size(); ++i, pos += 3)
            gif.palette.append(qRgb(u8(data, pos), u8(data, pos + 1), u8(data, pos + 2)));
    }
    while (pos < data.size()) {
        const int introducer = u8(data, pos);
        if (introducer == 0x3B) {
            gif.complete = pos + 1 == data.size();
            break;
        }
        if (introducer == 0x21) {
            if (u8(data, pos + 1) == 0xF9 && u8(data, pos + 2) == 4) {
                gif.transparent = u8(data, pos + 3) & 0x01;
                gif.transparentIndex = u8(data, pos + 6);
            }
            pos = skipSubBlocks(data, pos + 2);
        } else if (introducer == 0x2C) {
            ++gif.frames;
            const int local = u8(data, pos + 9);
            gif.interlaced = gif.interlaced || (local & 0x40);
            pos += 10;
            if (local & 0x80)
                pos += 3 * (2 << (local & 7));
            pos = skipSubBlocks(data, pos + 1);
        } else {
            break;
        }
    }
    return gif;
}

QByteArray resource(const QString &name)
{
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool isGrey(QRgb pixel)
{
    return qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel)
            && qRed(pixel) < 200;
}

} // namespace

// Checks that the two pictures and the window icon compiled into the program
// have the exact formats the window and the printed page rely on.
class tst_Assets : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void gifStructure_data();
    void gifStructure();
    void gifDecodes_data();
    void gifDecodes();
    void landscapeUsesWholePalette();
    void landscapeHasDropShadow_data();
    void landscapeHasDropShadow();
    void bannerIsTransparentOnWhite();
    void bannerShowsYellowOnBlue();
    void iconHeader();
    void iconMask_data();
    void iconMask();

private:
    static void addGifRows();
};

void tst_Assets::addGifRows()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("tableSize");

    QTest::newRow("landscape photograph") << QStringLiteral(":/picture1.gif") << QSize(153, 103) << 256;
    QTest::newRow("club name banner") << QStringLiteral(":/picture2.gif") << QSize(549, 49) << 32;
}

void tst_Assets::gifStructure_data()
{
    addGifRows();
}

void tst_Assets::gifStructure()
{
    QFETCH(QString, file);
    QFETCH(QSize, size);
    QFETCH(int, tableSize);

    const GifFacts gif = readGif(resource(file));
    QCOMPARE(gif.signature, QByteArray("GIF89a"));
    QCOMPARE(QSize(gif.width, gif.height), size);
    QVERIFY(gif.globalTable);
    QCOMPARE(gif.tableSize, tableSize);
    QCOMPARE(gif.palette.size(), tableSize);
    QCOMPARE(gif.frames, 1);
    QVERIFY(!gif.interlaced);
    QVERIFY2(gif.complete, "blocks do not end in the trailer");
}

void tst_Assets::gifDecodes_data()
{
    addGifRows();
}

void tst_Assets::gifDecodes()
{
    QFETCH(QString, file);
    QFETCH(QSize, size);

    QImageReader reader(file);
    QCOMPARE(reader.format(), QByteArray("gif"));
    QCOMPARE(reader.imageCount(), 1);
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), size);
}

void tst_Assets::landscapeUsesWholePalette()
{
    const GifFacts gif = readGif(resource(QStringLiteral(":/picture1.gif")));
    QVERIFY(!gif.transparent);
    const QSet<QRgb> palette(gif.palette.cbegin(), gif.palette.cend());
    QCOMPARE(palette.size(), 256);

    // With 256 distinct entries, 256 distinct pixel colours means every
    // index is drawn somewhere.
    const QImage image = QImage(QStringLiteral(":/picture1.gif")).convertToFormat(QImage::Format_RGB32);
    QSet<QRgb> drawn;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            drawn.insert(image.pixel(x, y));
    QCOMPARE(drawn.size(), 256);
    QCOMPARE(drawn, palette);
}

void tst_Assets::landscapeHasDropShadow_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<bool>("grey");

    QTest::newRow("right edge, half-way down") << QPoint(151, 51) << true;
    QTest::newRow("bottom edge, half-way across") << QPoint(76, 101) << true;
    QTest::newRow("bottom right corner") << QPoint(150, 100) << true;
    QTest::newRow("inside the photograph") << QPoint(76, 51) << false;
}

void tst_Assets::landscapeHasDropShadow()
{
    QFETCH(QPoint, point);
    QFETCH(bool, grey);

    const QImage image(QStringLiteral(":/picture1.gif"));
    QVERIFY(!image.isNull());
    QCOMPARE(isGrey(image.pixel(point)), grey);
}

void tst_Assets::bannerIsTransparentOnWhite()
{
    const GifFacts gif = readGif(resource(QStringLiteral(":/picture2.gif")));
    QVERIFY(gif.transparent);
    QCOMPARE(gif.transparentIndex, 31);
    QCOMPARE(gif.background, 31);
    QCOMPARE(gif.palette.value(31), qRgb(255, 255, 255));

    const QImage image(QStringLiteral(":/picture2.gif"));
    QVERIFY(image.hasAlphaChannel());
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(image.pixel(548, 48)), 0);
}

void tst_Assets::bannerShowsYellowOnBlue()
{
    const QImage image(QStringLiteral(":/picture2.gif"));
    int yellow = 0;
    int blue = 0;
    int grey = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = QColor::fromRgba(image.pixel(x, y));
            if (c.alpha() == 0)
                continue;
            if (c.red() > 200 && c.green() > 180 && c.blue() < 100)
                ++yellow;
            else if (c.blue() > 150 && c.red() < 80 && c.green() < 100)
                ++blue;
            else if (isGrey(c.rgb()) || c.hsvSaturation() < 30)
                ++grey;
        }
    }
    // Letters filled, outlined and shadowed across the banner's width.
    QVERIFY2(yellow > 2000, qPrintable(QString::number(yellow)));
    QVERIFY2(blue > 2000, qPrintable(QString::number(blue)));
    QVERIFY2(grey > 500, qPrintable(QString::number(grey)));
}

void tst_Assets::iconHeader()
{
    const QByteArray ico = resource(QStringLiteral(":/tfcc.ico"));
    QCOMPARE(u16(ico, 0), 0);
    QCOMPARE(u16(ico, 2), 1);
    QCOMPARE(u16(ico, 4), 1);

    QCOMPARE(u8(ico, 6), 32);
    QCOMPARE(u8(ico, 7), 32);
    QCOMPARE(u8(ico, 8), 0);
    QCOMPARE(u16(ico, 12), 8);
    const int bytes = u32(ico, 14);
    const int offset = u32(ico, 18);
    QCOMPARE(offset + bytes, int(ico.size()));

    QCOMPARE(u32(ico, offset), 40);
    QCOMPARE(u32(ico, offset + 4), 32);
    QCOMPARE(u32(ico, offset + 8), 64);
    QCOMPARE(u16(ico, offset + 12), 1);
    QCOMPARE(u16(ico, offset + 14), 8);
    QCOMPARE(u32(ico, offset + 16), 0);
    const int colours = u32(ico, offset + 32);
    QVERIFY(colours == 0 || colours == 256);
    // Header, 256 palette entries, one byte a pixel, one mask bit a pixel.
    QCOMPARE(bytes, 40 + 256 * 4 + 32 * 32 + 32 * 32 / 8);
}

void tst_Assets::iconMask_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("alpha");

    QTest::newRow("left-most column") << 0 << 0;
    QTest::newRow("first column inside") << 1 << 255;
    QTest::newRow("middle column") << 16 << 255;
    QTest::newRow("last column inside") << 30 << 255;
    QTest::newRow("right-most column") << 31 << 0;
}

void tst_Assets::iconMask()
{
    QFETCH(int, column);
    QFETCH(int, alpha);

    QImageReader reader(QStringLiteral(":/tfcc.ico"));
    QCOMPARE(reader.format(), QByteArray("ico"));
    const QImage image = reader.read();
    QCOMPARE(image.size(), QSize(32, 32));
    for (int y = 0; y < image.height(); ++y)
        QCOMPARE(qAlpha(image.pixel(column, y)), alpha);
}

QTEST_MAIN(tst_Assets)
#include "tst_assets.moc"
