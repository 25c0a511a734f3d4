#include "desktopshell.h"
#include "form1.h"
#include "formdriver.h"
#include "orderform.h"
#include "windowsurface.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

using namespace FormDriver;

// What the desktop and the disk can do to the window: a file that cannot be
// written, the window minimized or resized, and the window closed through
// its frame. (A covered window is shown again from the toolkit's backing
// store, without painting; there is nothing of the window's own to check.)

namespace {

// Preview, and wait until the window has grown to show the page buttons.
bool previewPlainApplication(const Form7 &window)
{
    enter(window, QStringLiteral("Text1"), QStringLiteral("Ann"));
    enter(window, QStringLiteral("Text7"), QStringLiteral("9 Elm St"));
    click(window, "Command1");
    const QRect lowest = control(window, QStringLiteral("Command5"))->geometry();
    return QTest::qWaitFor([&] { return window.rect().contains(lowest); });
}

// Which controls show, and where they are; the drawing surface beneath them
// takes the window's size.
QStringList controlsInPlace(const Form7 &window)
{
    QStringList shown;
    for (const QWidget *child : window.findChildren<QWidget *>()) {
        if (!child->objectName().isEmpty() && child->isVisible() && child != window.surface()) {
            const QRect g = child->geometry();
            shown << QStringLiteral("%1 %2,%3 %4x%5")
                         .arg(child->objectName())
                         .arg(g.x())
                         .arg(g.y())
                         .arg(g.width())
                         .arg(g.height());
        }
    }
    shown.sort();
    return shown;
}

QImage shot(QWidget &window, const QSize &size)
{
    return window.grab(QRect(QPoint(0, 0), size)).toImage();
}

} // namespace

class tst_Faults : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void unwritableFile_data();
    void unwritableFile();
    void pageOutlastsWindowChanges_data();
    void pageOutlastsWindowChanges();
    void closingEndsTheProgram_data();
    void closingEndsTheProgram();

private:
    QTemporaryDir m_dir;
};

void tst_Faults::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QFile file(m_dir.filePath(QStringLiteral("file.txt")));
    QVERIFY(file.open(QIODevice::WriteOnly));
}

// Root may write anywhere a folder allows, so the faults are made of paths no
// one can write to.
void tst_Faults::unwritableFile_data()
{
    QTest::addColumn<QString>("path");

    QTest::newRow("folder is a file") << m_dir.filePath(QStringLiteral("file.txt/out.pdf"));
    QTest::newRow("folder does not exist") << m_dir.filePath(QStringLiteral("missing/out.pdf"));
    QTest::newRow("a folder, not a file") << m_dir.path();
    // A web browser's file system is the program's own memory: no process
    // table, no disk to fill.
    if (QGuiApplication::platformName() != QLatin1String("wasm")) {
        QTest::newRow("kernel's process table, name holding %1 and &&") << QStringLiteral("/proc/tfcc %1 &&.pdf");
        QTest::newRow("disk full") << QStringLiteral("/dev/full");
    }
}

void tst_Faults::unwritableFile()
{
    QFETCH(QString, path);

    Session session(Session::LoadAndShow);
    auto &[shell, record, window] = session;
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(previewPlainApplication(window));
    const QStringList pageView = controlsInPlace(window);
    const QImage page = window.surface()->persistentImage();
    const ApplicantRecord kept = record;
    const Qt::WindowStates state = window.windowState();

    printTo(shell, path);
    click(window, "Command3");

    QCOMPARE(shell.warnings.size(), 1);
    QCOMPARE(shell.warnings.first().title, Title);
    QVERIFY2(shell.warnings.first().text.contains(QFileInfo(path).fileName()), qPrintable(shell.warnings.first().text));
    QCOMPARE(shell.endCalls, 0);
    QCOMPARE(window.windowState(), state);
    QCOMPARE(controlsInPlace(window), pageView);
    QCOMPARE(window.surface()->persistentImage(), page);
    QCOMPARE(record, kept);

    const QString writable = m_dir.filePath(QStringLiteral("after %1.pdf").arg(QTest::currentDataTag()));
    printTo(shell, writable);
    click(window, "Command3");
    QCOMPARE(shell.warnings.size(), 1);
    QCOMPARE(shell.endCalls, 1);
    QVERIFY(pdfText(writable).startsWith(QLatin1String("Membership Application")));
}

// The offscreen platform has no window manager and one fixed screen: a change
// of the screen's size is played as the window manager's answer to it, a
// maximized window made larger or smaller.
void tst_Faults::pageOutlastsWindowChanges_data()
{
    QTest::addColumn<QString>("change");

    QTest::newRow("minimized and restored") << QStringLiteral("minimize");
    QTest::newRow("screen grown") << QStringLiteral("grow");
    QTest::newRow("screen shrunk") << QStringLiteral("shrink");
}

void tst_Faults::pageOutlastsWindowChanges()
{
    QFETCH(QString, change);
    if ((change == QLatin1String("grow") || change == QLatin1String("shrink"))
        && QGuiApplication::platformName() != QLatin1String("offscreen"))
        QSKIP("A real window system gives a maximized window its size itself");
    if (change == QLatin1String("minimize") && QGuiApplication::platformName() == QLatin1String("wasm"))
        QSKIP("A web page has no minimized windows");

    Session session(Session::LoadAndShow);
    auto &[shell, record, window] = session;
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(previewPlainApplication(window));
    const QSize maximized = window.size();
    const QStringList pageView = controlsInPlace(window);
    const QImage page = window.surface()->persistentImage();
    const QImage seen = shot(window, maximized);

    QSize common = maximized;
    if (change == QLatin1String("minimize")) {
        window.setWindowState(window.windowState() | Qt::WindowMinimized);
        QTRY_VERIFY(window.isMinimized());
        window.setWindowState((window.windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
        QTRY_VERIFY(!window.isMinimized());
        // A window system may give the restored window its size a moment later.
        QTRY_COMPARE(window.size(), maximized);
    } else {
        const QSize resized = change == QLatin1String("grow") ? maximized * 3 / 2 : maximized * 3 / 4;
        window.resize(resized);
        QTRY_COMPARE(window.size(), resized);
        QCOMPARE(window.surface()->size(), resized);
        common = maximized.boundedTo(resized);
    }
    window.repaint();
    QCoreApplication::processEvents();

    QCOMPARE(controlsInPlace(window), pageView);
    QCOMPARE(window.surface()->persistentImage(), page);
    QCOMPARE(shot(window, common), seen.copy(QRect(QPoint(0, 0), common * seen.devicePixelRatio())));
    QVERIFY(shell.warnings.isEmpty());
}

void tst_Faults::closingEndsTheProgram_data()
{
    QTest::addColumn<bool>("pageView");
    QTest::addColumn<QString>("how");

    QTest::newRow("frame's close in the input view") << false << QStringLiteral("window manager");
    QTest::newRow("frame's close in the page view") << true << QStringLiteral("window manager");
    QTest::newRow("closed by the desktop in the input view") << false << QStringLiteral("close");
    QTest::newRow("closed by the desktop in the page view") << true << QStringLiteral("close");
    QTest::newRow("Cancel in the input view") << false << QStringLiteral("Command2");
    QTest::newRow("Cancel in the page view") << true << QStringLiteral("Command5");
}

// The real start-up and the real desktop: the event loop must end by itself,
// with success, and leave no window on the screen.
void tst_Faults::closingEndsTheProgram()
{
    QFETCH(bool, pageView);
    QFETCH(QString, how);
    if (QGuiApplication::platformName() == QLatin1String("wasm"))
        QSKIP("In a web page the event loop is the browser's; the page says when the program ended (web_endtoend)");

    OrderForm::Applicant = ApplicantRecord();
    DesktopShell shell;
    Form1 form1(shell);
    form1.Form_Load();
    Form7 &window = form1.form7();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    if (pageView) {
        QVERIFY(previewPlainApplication(window));
    }

    QTimer::singleShot(0, &window, [&window, how] {
        if (how == QLatin1String("window manager"))
            window.windowHandle()->close();
        else if (how == QLatin1String("close"))
            window.close();
        else
            click(window, qPrintable(how));
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, &watchdog, [] { QCoreApplication::exit(99); });
    watchdog.start(10000);

    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(watchdog.isActive());
    for (const QWidget *topLevel : QApplication::topLevelWidgets())
        QVERIFY2(!topLevel->isVisible(), qPrintable(topLevel->objectName()));
    QVERIFY(!form1.isVisible());
}

QTEST_MAIN(tst_Faults)
#include "tst_faults.moc"
