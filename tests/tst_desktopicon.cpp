#include <QImage>
#include <QSize>
#include <QTest>

// Checks that the PNG icon installed for the desktop's menus shows the same
// picture as the window icon compiled into the program.
class tst_DesktopIcon : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pngMatchesWindowIcon();
};

void tst_DesktopIcon::pngMatchesWindowIcon()
{
    const QImage window = QImage(QStringLiteral(":/tfcc.ico")).convertToFormat(QImage::Format_ARGB32);
    const QImage desktop = QImage(qEnvironmentVariable("TFCC_SOURCE_DIR") + QStringLiteral("/assets/tfcc.png"))
                               .convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(window.size(), QSize(32, 32));
    QCOMPARE(desktop.size(), window.size());

    for (int y = 0; y < window.height(); ++y) {
        for (int x = 0; x < window.width(); ++x) {
            const QRgb shown = window.pixel(x, y);
            const QRgb listed = desktop.pixel(x, y);
            // A see-through pixel has no colour worth comparing.
            if (qAlpha(shown) == 0 && qAlpha(listed) == 0)
                continue;
            if (shown != listed)
                QFAIL(qPrintable(QStringLiteral("pixel %1,%2 is #%3 in the window icon, #%4 in the PNG")
                                     .arg(x)
                                     .arg(y)
                                     .arg(shown, 8, 16, QLatin1Char('0'))
                                     .arg(listed, 8, 16, QLatin1Char('0'))));
        }
    }
}

QTEST_MAIN(tst_DesktopIcon)
#include "tst_desktopicon.moc"
