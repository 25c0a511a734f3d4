#include "formdriver.h"
#include "windowsurface.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

using namespace FormDriver;

namespace {

const QColor White(255, 255, 255);

// Each box gets a text of its own, so a mixed-up copy shows.
void fillEveryBox(Form7 &window)
{
    for (int i = 1; i <= 17; ++i)
        box(window, i)->setText(QStringLiteral("entry %1").arg(i));
}

// What can be seen of the window: every control's visibility, text and
// choice, the window's state and size, and the drawing.
struct Snapshot
{
    explicit Snapshot(const Form7 &window)
        : controls(formState(window))
    {
        windowState = window.windowState();
        size = window.size();
        backColor = window.surface()->BackColor();
        image = window.surface()->persistentImage();
    }

    QStringList controls;
    Qt::WindowStates windowState;
    QSize size;
    QColor backColor;
    QImage image;
};

} // namespace

class tst_Preview : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void checks_data();
    void checks();
    void sampleShortcutIsExact_data();
    void sampleShortcutIsExact();
    void failedCheckChangesNothing_data();
    void failedCheckChangesNothing();
    void copiesEveryBox_data();
    void copiesEveryBox();
    void primaryOsIsTheComboText_data();
    void primaryOsIsTheComboText();
    void membershipType_data();
    void membershipType();
    void sampleRecord();
    void pageView_data();
    void pageView();
    void focusGoesToPrint_data();
    void focusGoesToPrint();
    void formLeftAloneShowsNoPage();
    void cancel_data();
    void cancel();
};

void tst_Preview::checks_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("street");
    QTest::addColumn<QString>("message");

    const QString noName = QStringLiteral("You must enter a name.");
    const QString noStreet = QStringLiteral("You must enter a Street address.");
    QTest::newRow("name and street empty: only the name is asked for") << QString() << QString() << noName;
    QTest::newRow("name empty, street given") << QString() << QStringLiteral("12 Mesquite Rd") << noName;
    QTest::newRow("street empty") << QStringLiteral("Ann") << QString() << noStreet;
    QTest::newRow("blank name, street empty") << QStringLiteral(" ") << QString() << noStreet;
    QTest::newRow("blank name and blank street pass") << QStringLiteral(" ") << QStringLiteral(" ") << QString();
    QTest::newRow("name and street given") << QStringLiteral("Ann") << QStringLiteral("12 Mesquite Rd") << QString();
}

void tst_Preview::checks()
{
    QFETCH(QString, name);
    QFETCH(QString, street);
    QFETCH(QString, message);

    Session session(Session::LoadAndShow);
    auto &[shell, record, window] = session;
    box(window, 1)->setText(name);
    box(window, 7)->setText(street);

    window.Command1_Click();

    // Persistent drawing is turned on before any check.
    QVERIFY(window.surface()->AutoRedraw());
    if (message.isEmpty()) {
        QVERIFY(shell.warnings.isEmpty());
        QCOMPARE(record.FirstName, name);
        QCOMPARE(record.Street, street);
        QVERIFY(control(window, QStringLiteral("Picture1"))->isVisible());
    } else {
        QCOMPARE(shell.warnings.size(), 1);
        QCOMPARE(shell.warnings.first().title, Title);
        QCOMPARE(shell.warnings.first().text, message);
        QCOMPARE(record, ApplicantRecord());
        QVERIFY(!control(window, QStringLiteral("Picture1"))->isVisible());
    }
    QCOMPARE(shell.endCalls, 0);
}

void tst_Preview::sampleShortcutIsExact_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("street");
    QTest::addColumn<bool>("sample");

    QTest::newRow("full stop alone, street empty") << QStringLiteral(".") << QString() << true;
    QTest::newRow("full stop alone, street given") << QStringLiteral(".") << QStringLiteral("9 Elm") << true;
    QTest::newRow("blank before the full stop") << QStringLiteral(" .") << QStringLiteral("9 Elm") << false;
    QTest::newRow("blank after the full stop") << QStringLiteral(". ") << QStringLiteral("9 Elm") << false;
    QTest::newRow("two full stops") << QStringLiteral("..") << QStringLiteral("9 Elm") << false;
}

void tst_Preview::sampleShortcutIsExact()
{
    QFETCH(QString, name);
    QFETCH(QString, street);
    QFETCH(bool, sample);

    Session session(Session::ShowOnly);
    auto &[shell, record, window] = session;
    box(window, 1)->setText(name);
    box(window, 7)->setText(street);
    box(window, 8)->setText(QStringLiteral("Tucson"));

    window.Command1_Click();

    QVERIFY(shell.warnings.isEmpty());
    QVERIFY(control(window, QStringLiteral("Picture1"))->isVisible());
    if (sample) {
        QVERIFY(record.FirstName != name);
        QVERIFY(!record.FirstName.isEmpty());
        QVERIFY(!record.Street.isEmpty());
        QCOMPARE(record.City, QStringLiteral("Copper Wash City"));
    } else {
        QCOMPARE(record.FirstName, name);
        QCOMPARE(record.Street, street);
        QCOMPARE(record.City, QStringLiteral("Tucson"));
    }
    QCOMPARE(box(window, 1)->text(), name);
}

void tst_Preview::failedCheckChangesNothing_data()
{
    QTest::addColumn<bool>("previewedBefore");
    QTest::addColumn<int>("emptied");

    QTest::newRow("no name, at start-up") << false << 1;
    QTest::newRow("no street, at start-up") << false << 7;
    QTest::newRow("no name, after a Preview and Edit") << true << 1;
    QTest::newRow("no street, after a Preview and Edit") << true << 7;
}

void tst_Preview::failedCheckChangesNothing()
{
    QFETCH(bool, previewedBefore);
    QFETCH(int, emptied);

    Session session(Session::LoadAndShow);
    auto &[shell, record, window] = session;
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    fillEveryBox(window);
    if (previewedBefore) {
        window.Command1_Click();
        window.Command4_Click();
        QVERIFY(shell.warnings.isEmpty());
        box(window, 3)->setText(QStringLiteral("typed later"));
    }
    const ApplicantRecord before = record;
    box(window, emptied)->clear();
    const Snapshot form(window);

    window.Command1_Click();

    QCOMPARE(shell.warnings.size(), 1);
    QCOMPARE(record, before);
    const Snapshot after(window);
    QCOMPARE(after.controls, form.controls);
    QCOMPARE(after.windowState, form.windowState);
    QCOMPARE(after.size, form.size);
    QCOMPARE(after.backColor, form.backColor);
    QCOMPARE(after.image, form.image);
}

void tst_Preview::copiesEveryBox_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("expected");

    auto row = [](const char *field, const char *expected) {
        QTest::newRow(field) << QString::fromLatin1(field) << QString::fromLatin1(expected);
    };
    row("FirstName", "entry 1");
    row("MiddleInitial", "entry 2");
    row("LastName", "entry 3");
    row("SpouseFirstName", "entry 4");
    row("SpouseMiddleInitial", "entry 5");
    row("SpouseLastName", "entry 6");
    row("Street", "entry 7");
    row("City", "entry 8");
    row("State", "entry 9");
    row("Zip", "entry 10");
    row("DayPhone", "entry 11");
    row("EveningPhone", "entry 12");
    row("EMail", "entry 13");
    row("WebPage", "entry 15");
    row("Birthday", "entry 16");
    row("SpouseBirthday", "entry 17");
    row("PrimaryOS", "Linux");
    row("MembershipType", "Renewal");
}

void tst_Preview::copiesEveryBox()
{
    QFETCH(QString, field);
    QFETCH(QString, expected);

    Session session(Session::ShowOnly);
    auto &[shell, record, window] = session;
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    fillEveryBox(window);
    auto *combo = control<QComboBox>(window, QStringLiteral("Combo1"));
    combo->setFocus();
    QTest::keyClicks(combo->lineEdit(), QStringLiteral("Linux"));

    window.Command1_Click();

    QVERIFY(shell.warnings.isEmpty());
    QCOMPARE(FormDriver::field(record, field), expected);
}

void tst_Preview::primaryOsIsTheComboText_data()
{
    QTest::addColumn<int>("chosen");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");

    QTest::newRow("nothing chosen or typed") << -1 << QString() << QString();
    QTest::newRow("chosen from the list") << 7 << QString() << QStringLiteral("Mac");
    QTest::newRow("typed, not in the list") << -1 << QStringLiteral("Linux") << QStringLiteral("Linux");
    QTest::newRow("typed, same as a list entry") << -1 << QStringLiteral("NT") << QStringLiteral("NT");
    QTest::newRow("chosen, then typed over") << 0 << QStringLiteral("OS/2 Warp") << QStringLiteral("OS/2 Warp");
}

void tst_Preview::primaryOsIsTheComboText()
{
    QFETCH(int, chosen);
    QFETCH(QString, typed);
    QFETCH(QString, expected);

    Session session(Session::ShowOnly);
    auto &[shell, record, window] = session;
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    box(window, 1)->setText(QStringLiteral("Ann"));
    box(window, 7)->setText(QStringLiteral("9 Elm"));
    auto *combo = control<QComboBox>(window, QStringLiteral("Combo1"));
    if (chosen >= 0)
        combo->setCurrentIndex(chosen);
    if (!typed.isEmpty()) {
        combo->setFocus();
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo->lineEdit(), typed);
    }

    window.Command1_Click();

    QVERIFY(shell.warnings.isEmpty());
    QCOMPARE(record.PrimaryOS, expected);
}

void tst_Preview::membershipType_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("option1");
    QTest::addColumn<bool>("option2");
    QTest::addColumn<QString>("expected");

    QTest::newRow("Renewal selected") << QStringLiteral("Ann") << false << true << QStringLiteral("Renewal");
    QTest::newRow("New selected") << QStringLiteral("Ann") << true << false << QStringLiteral("New");
    QTest::newRow("neither selected") << QStringLiteral("Ann") << false << false << QStringLiteral("New");
    QTest::newRow("sample, Renewal selected") << QStringLiteral(".") << false << true << QStringLiteral("Renewal");
    QTest::newRow("sample, New selected") << QStringLiteral(".") << true << false << QStringLiteral("New");
}

void tst_Preview::membershipType()
{
    QFETCH(QString, name);
    QFETCH(bool, option1);
    QFETCH(bool, option2);
    QFETCH(QString, expected);

    FakeShell shell;
    ApplicantRecord record;
    record.MembershipType = QStringLiteral("left over");
    Form7 window(shell, record);
    box(window, 1)->setText(name);
    box(window, 7)->setText(QStringLiteral("9 Elm"));
    auto *newButton = control<QRadioButton>(window, QStringLiteral("Option1"));
    auto *renewalButton = control<QRadioButton>(window, QStringLiteral("Option2"));
    newButton->setAutoExclusive(false);
    renewalButton->setAutoExclusive(false);
    newButton->setChecked(option1);
    renewalButton->setChecked(option2);

    window.Command1_Click();

    QVERIFY(shell.warnings.isEmpty());
    QCOMPARE(record.MembershipType, expected);
}

void tst_Preview::sampleRecord()
{
    Session session(Session::ShowOnly);
    auto &[shell, record, window] = session;
    fillEveryBox(window);
    window.Command1_Click();
    window.Command4_Click();
    QCOMPARE(record.SpouseBirthday, QStringLiteral("entry 17"));

    box(window, 1)->setText(QStringLiteral("."));
    box(window, 7)->clear();
    box(window, 17)->setText(QStringLiteral("typed, not previewed"));
    window.Command1_Click();

    QVERIFY(shell.warnings.isEmpty());
    QCOMPARE(record.SpouseFirstName, QString());
    QCOMPARE(record.SpouseMiddleInitial, QString());
    QCOMPARE(record.SpouseLastName, QString());
    QCOMPARE(record.SpouseBirthday, QStringLiteral("entry 17"));
    QCOMPARE(record.City, QStringLiteral("Copper Wash City"));
    QCOMPARE(record.State, QStringLiteral("AZ"));
    QCOMPARE(record.PrimaryOS, QStringLiteral("XP"));
    QVERIFY2(QRegularExpression(QStringLiteral("^\\d{5}$")).match(record.Zip).hasMatch(), qPrintable(record.Zip));
    QVERIFY2(record.MiddleInitial.endsWith(QLatin1Char('.')), qPrintable(record.MiddleInitial));
    QVERIFY2(QRegularExpression(QStringLiteral("^\\d{1,2}/\\d{1,2}$")).match(record.Birthday).hasMatch(),
             qPrintable(record.Birthday));
    for (const QString &personal : {record.FirstName, record.LastName, record.Street, record.EMail, record.DayPhone,
                                    record.EveningPhone, record.WebPage})
        QVERIFY(!personal.isEmpty());
    QVERIFY(record.FirstName != QLatin1String("."));

    // Only the member's birthday box is written; the others keep what they hold.
    QCOMPARE(box(window, 16)->text(), record.Birthday);
    QCOMPARE(box(window, 1)->text(), QStringLiteral("."));
    QCOMPARE(box(window, 4)->text(), QStringLiteral("entry 4"));
    QCOMPARE(box(window, 7)->text(), QString());
    QCOMPARE(box(window, 17)->text(), QStringLiteral("typed, not previewed"));
}

void tst_Preview::pageView_data()
{
    QTest::addColumn<bool>("ignoreMaximize");

    QTest::newRow("window maximized") << false;
    QTest::newRow("maximize request ignored") << true;
}

void tst_Preview::pageView()
{
    QFETCH(bool, ignoreMaximize);

    Session session(Session::LoadAndShow);
    auto &[shell, record, window] = session;
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    shell.ignoreMaximize = ignoreMaximize;
    fillEveryBox(window);

    window.Command1_Click();

    QVERIFY(shell.warnings.isEmpty());
    for (const QString &name : inputViewOnly())
        QVERIFY2(control(window, name)->isHidden(), qPrintable(name));
    for (const QString &name : pageViewControls())
        QVERIFY2(control(window, name)->isVisible(), qPrintable(name));

    QCOMPARE(bool(window.windowState() & Qt::WindowMaximized), !ignoreMaximize);
    QCOMPARE(window.surface()->BackColor(), White);
    QVERIFY(window.surface()->AutoRedraw());
    QVERIFY(!firstOtherPixel(window.surface()->persistentImage(), White).isEmpty());
    // The page and its buttons come into sight once the window has grown,
    // and the window stays on the screen.
    for (const char *name : {"Command3", "Command4", "Command5"})
        QTRY_VERIFY2(window.rect().contains(control(window, QString::fromLatin1(name))->geometry()), name);
    QTRY_VERIFY(window.rect().contains(window.surface()->drawnRect()));
    // Windows lets a maximized window's borders hang over the screen's edges:
    // what must fit is the window inside them.
    const QSize screen = window.screen()->availableGeometry().size();
    QVERIFY2(window.geometry().width() <= screen.width() && window.geometry().height() <= screen.height(),
             qPrintable(QStringLiteral("%1x%2 on %3x%4").arg(window.width()).arg(window.height())
                            .arg(screen.width()).arg(screen.height())));
    QCOMPARE(shell.endCalls, 0);
}

void tst_Preview::focusGoesToPrint_data()
{
    QTest::addColumn<QString>("focused");

    QTest::newRow("the first name") << QStringLiteral("Text1");
    QTest::newRow("the spouse's birthday") << QStringLiteral("Text17");
    QTest::newRow("the operating system") << QStringLiteral("Combo1");
    QTest::newRow("a permission") << QStringLiteral("Check2");
    QTest::newRow("Preview itself, clicked") << QStringLiteral("Command1");
}

// Wherever the focus was in the form, the page view starts on Print.
void tst_Preview::focusGoesToPrint()
{
    QFETCH(QString, focused);

    Session session(Session::LoadAndShow);
    auto &[shell, record, window] = session;
    if (!QTest::qWaitForWindowActive(&window) || !window.isActiveWindow())
        QSKIP("The window system gives the window no keyboard focus");
    fillEveryBox(window);
    control(window, focused)->setFocus();
    QVERIFY(control(window, focused)->hasFocus());

    window.Command1_Click();

    QVERIFY(shell.warnings.isEmpty());
    QCOMPARE(window.focusWidget(), control(window, QStringLiteral("Command3")));
    QCOMPARE(QApplication::focusWidget(), control(window, QStringLiteral("Command3")));
}

// Whatever the window does while the applicant reads the form, nothing of a
// page shows on it or reaches a screen reader, and the first page drawn is
// the page of the entries.
void tst_Preview::formLeftAloneShowsNoPage()
{
    Session session(Session::LoadAndShow);
    auto &[shell, record, window] = session;
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    WindowSurface *surface = window.surface();
    // The page has been drawn where nobody sees it once the surface has
    // made room for it.
    QTRY_VERIFY(!surface->persistentImage().isNull());
    QVERIFY(surface->pageText().isEmpty());
    QCOMPARE(surface->CurrentX(), 0.0);
    QCOMPARE(surface->CurrentY(), 0.0);
    const QString ink = firstOtherPixel(shownPage(*surface), PaleCyan);
    QVERIFY2(ink.isEmpty(), qPrintable(ink));

    control<QLineEdit>(window, QStringLiteral("Text1"))->setText(QStringLiteral("."));
    window.Command1_Click();
    Session fresh(Session::ShowOnly);
    fresh.window.Form_Load();
    control<QLineEdit>(fresh.window, QStringLiteral("Text1"))->setText(QStringLiteral("."));
    fresh.window.Command1_Click();
    QCOMPARE(surface->pageText().text(), fresh.window.surface()->pageText().text());
    QCOMPARE(shownPage(*surface), shownPage(*fresh.window.surface()));
}

void tst_Preview::cancel_data()
{
    QTest::addColumn<QString>("how");

    QTest::newRow("Cancel in the input view") << QStringLiteral("Command2");
    QTest::newRow("Cancel in the page view") << QStringLiteral("Command5");
    QTest::newRow("window closed in the input view") << QStringLiteral("close");
    QTest::newRow("window closed in the page view") << QStringLiteral("preview, close");
}

void tst_Preview::cancel()
{
    QFETCH(QString, how);

    Session session(Session::ShowOnly);
    auto &[shell, record, window] = session;
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    fillEveryBox(window);
    if (how == QLatin1String("Command5") || how.startsWith(QLatin1String("preview")))
        window.Command1_Click();
    const ApplicantRecord before = record;

    if (how.startsWith(QLatin1String("Command")))
        control<QPushButton>(window, how)->click();
    else
        window.close();

    QCOMPARE(shell.endCalls, 1);
    QVERIFY(shell.warnings.isEmpty());
    QCOMPARE(shell.printDialogs, 0);
    QVERIFY(!window.isVisible());
    QCOMPARE(record, before);
}

QTEST_MAIN(tst_Preview)
#include "tst_preview.moc"
