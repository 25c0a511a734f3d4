#include "applicantrecord.h"
#include "fakeshell.h"
#include "form7.h"
#include "pageinputs.h"
#include "windowsurface.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QDate>
#include <QElapsedTimer>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTest>

namespace {

// One text printed on a surface: at (x, y) twips, or where the last one ended
// when x is negative.
struct Printed
{
    double x;
    double y;
    QString text;
};

QAccessibleInterface *accessible(QObject *object)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object);
    if (!iface)
        qFatal("no accessible interface for %s", qPrintable(object->objectName()));
    return iface;
}

QString readable(QObject *object)
{
    return accessible(object)->text(QAccessible::Value);
}

QFont designFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(7.8);
    font.setBold(true);
    return font;
}

void print(WindowSurface &surface, const QList<Printed> &texts)
{
    surface.setAutoRedraw(true);
    surface.setFontName(QStringLiteral("Times New Roman"));
    surface.setFontSize(10);
    for (const Printed &p : texts) {
        if (p.x >= 0) {
            surface.setCurrentX(p.x);
            surface.setCurrentY(p.y);
        }
        surface.Print({p.text, Sep::Stay});
    }
}

// The window in the page view of the sample record.
struct PageView
{
    PageView()
    {
        window.Form_Load();
        window.show();
        window.findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(QStringLiteral("."));
        window.Command1_Click();
    }

    QStringList lines() const { return readable(window.surface()).split(QLatin1Char('\n')); }

    FakeShell shell;
    ApplicantRecord record;
    Form7 window{shell, record};
};

} // namespace

Q_DECLARE_METATYPE(Printed)

class tst_Accessibility : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void controlsIntroduceThemselves_data();
    void controlsIntroduceThemselves();
    void noAccessKeys();
    void surfaceLines_data();
    void surfaceLines();
    void erasingForgetsTheText_data();
    void erasingForgetsTheText();
    void passingDrawingIsNotKept();
    void pageViewReads_data();
    void pageViewReads();
    void readablePageFollowsEditAndPreview();
    void emphasisIsAnAttribute_data();
    void emphasisIsAnAttribute();
    void charactersHaveTheirPlace();
    void longEntryStaysCheap();
};

void tst_Accessibility::controlsIntroduceThemselves_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("label"); // the caption of the label that names it
    QTest::addColumn<bool>("inInputView"); // shown there, and can be acted on

    auto row = [](const char *control, const char *name, const char *description, const char *label,
                  bool inInputView = true) {
        QTest::newRow(control) << QString::fromUtf8(control) << QString::fromUtf8(name)
                               << QString::fromUtf8(description) << QString::fromUtf8(label) << inInputView;
    };
    row("Text1", "First Name", "Your first name", "First Name");
    row("Text2", "MI", "Your middle initial", "MI");
    row("Text3", "Last", "Your last name", "Last");
    row("Text16", "Birthday (Mo/Da)", "Just the month and day.", "Birthday (Mo/Da)");
    row("Text4", "Spouse First Name", "Your spouse's first name", "Spouse First Name");
    row("Text5", "MI", "Your spouse's middle initial", "MI");
    row("Text6", "Last", "Your spouse's last name", "Last");
    row("Text17", "Spouse's birthday (Mo/Da)", "Just the month and day.", "");
    row("Text7", "Street", "Your street address", "Street");
    row("Text8", "City", "Your city", "City");
    row("Text9", "ST", "Your state", "ST");
    row("Text10", "Zip", "Your 5-digit zip code", "Zip");
    row("Text11", "Day Phone", "Your daytime telephone number", "Day Phone");
    row("Text12", "Evening Phone", "Your evening phone", "Evening Phone");
    row("Text13", "E-Mail Address", "e-mail address", "E-Mail Address");
    row("Text15", "Web Page URL", "Your Web Page address", "Web Page URL");
    row("Text14", "Instructions", "", "");
    row("Combo1", "Primary OS", "The Operating System on your main machine", "Primary OS");
    row("Option1", "New", "Click either New or Renewal.", "");
    row("Option2", "Renewal", "Click either New or Renewal.", "");
    row("Check1", "OK to publish data",
        "Check here to give permission to publish your name, address, etc. in the Club Address Book.", "");
    row("Check2", "OK to e-mail", "Check here to give permission to send you e-mail on Club matters.", "");
    row("Command1", "Preview", "Click here to preview your filled-out application.", "");
    row("Command2", "Cancel", "Click here to exit.without saving.", "");
    row("Command3", "Print", "Click to print this page.", "", false);
    row("Command4", "Edit", "Click to recall the filled-out input form.", "", false);
    row("Command5", "Cancel", "Click to exit without save.", "", false);
}

void tst_Accessibility::controlsIntroduceThemselves()
{
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(QString, description);
    QFETCH(QString, label);
    QFETCH(bool, inInputView);

    FakeShell shell;
    ApplicantRecord record;
    Form7 window(shell, record);
    window.Form_Load();
    QWidget *widget = window.findChild<QWidget *>(control);
    QVERIFY(widget);

    QAccessibleInterface *iface = accessible(widget);
    QCOMPARE(iface->text(QAccessible::Name), name);
    QCOMPARE(iface->text(QAccessible::Description), description);
    QStringList labels;
    for (const auto &[other, relation] : iface->relations(QAccessible::Label))
        labels << other->text(QAccessible::Name);
    QCOMPARE(labels, label.isEmpty() ? QStringList() : QStringList{label});

    // The page view's buttons lie beyond the input view's edge: a screen
    // reader neither sees them there nor finds anything to do with them.
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(!iface->state().invisible, inInputView);
    QVERIFY(iface->actionInterface());
    QCOMPARE(!iface->actionInterface()->actionNames().isEmpty(), inInputView);
}

void tst_Accessibility::noAccessKeys()
{
    FakeShell shell;
    ApplicantRecord record;
    Form7 window(shell, record);

    for (QLabel *label : window.findChildren<QLabel *>())
        QVERIFY2(QKeySequence::mnemonic(label->text()).isEmpty(), qPrintable(label->objectName()));
    for (QAbstractButton *button : window.findChildren<QAbstractButton *>()) {
        QAccessibleActionInterface *actions = accessible(button)->actionInterface();
        QVERIFY(actions);
        for (const QString &action : actions->actionNames()) {
            // Qt lists an empty binding for a button without an access key.
            QStringList keys = actions->keyBindingsForAction(action);
            keys.removeAll(QString());
            QVERIFY2(keys.isEmpty(), qPrintable(button->objectName() + QLatin1Char(' ') + keys.join(u' ')));
        }
    }
}

void tst_Accessibility::surfaceLines_data()
{
    QTest::addColumn<QList<Printed>>("texts");
    QTest::addColumn<QString>("expected");

    QTest::newRow("one text") << QList<Printed>{{1000, 1000, "Membership"}} << "Membership";
    QTest::newRow("a line's texts in left-to-right order")
        << QList<Printed>{{3000, 1000, "world"}, {1000, 1000, "Hello"}} << "Hello world";
    QTest::newRow("texts printed one after the other run together")
        << QList<Printed>{{1000, 1000, "["}, {-1, -1, "Renewal"}, {-1, -1, "]"}} << "[Renewal]";
    QTest::newRow("a text's own blank is not doubled")
        << QList<Printed>{{1400, 1000, "Name:       "}, {2400, 1000, "Ann"}} << "Name:       Ann";
    QTest::newRow("a text running into the next keeps a blank")
        << QList<Printed>{{1000, 1000, "(520) 555-0164 and more"}, {1200, 1000, "OS: Linux"}}
        << "(520) 555-0164 and more OS: Linux";
    QTest::newRow("lines from top to bottom")
        << QList<Printed>{{1000, 2000, "second"}, {1000, 1000, "first"}, {1000, 3000, "third"}}
        << "first\nsecond\nthird";
    QTest::newRow("a text far past the edge is still read")
        << QList<Printed>{{1000, 1000, "Name:"}, {400000, 1000, "far"}} << "Name: far";
}

void tst_Accessibility::surfaceLines()
{
    QFETCH(QList<Printed>, texts);
    QFETCH(QString, expected);

    WindowSurface surface(designFont());
    print(surface, texts);

    QAccessibleInterface *iface = accessible(&surface);
    QCOMPARE(iface->text(QAccessible::Value), expected);
    QAccessibleTextInterface *text = iface->textInterface();
    QVERIFY(text);
    QCOMPARE(text->characterCount(), expected.size());
    QCOMPARE(text->text(0, text->characterCount()), expected);
}

void tst_Accessibility::erasingForgetsTheText_data()
{
    QTest::addColumn<bool>("byBackColor");

    QTest::newRow("Cls") << false;
    QTest::newRow("BackColor") << true;
}

void tst_Accessibility::erasingForgetsTheText()
{
    QFETCH(bool, byBackColor);

    WindowSurface surface(designFont());
    surface.show();
    print(surface, {{1000, 1000, "old page"}});
    QVERIFY(!accessible(&surface)->state().invisible);

    if (byBackColor)
        surface.setBackColor(Qt::white);
    else
        surface.Cls();
    print(surface, {{1000, 2000, "new page"}});

    QCOMPARE(readable(&surface), QStringLiteral("new page"));
    if (byBackColor)
        surface.setBackColor(Qt::white);
    else
        surface.Cls();
    QCOMPARE(readable(&surface), QString());
    QCOMPARE(accessible(&surface)->textInterface()->characterCount(), 0);
    QVERIFY(accessible(&surface)->state().invisible);
}

void tst_Accessibility::passingDrawingIsNotKept()
{
    WindowSurface surface(designFont());
    surface.setCurrentX(1000);
    surface.setCurrentY(1000);
    surface.Print({"gone at the next repaint", Sep::End});

    QCOMPARE(readable(&surface), QString());
}

void tst_Accessibility::pageViewReads_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("expected");

    QTest::newRow("title first") << 0 << "Membership Application";
    QTest::newRow("membership type after the sentence")
        << 1 << "Application must be filled out every year when paying dues. [Renewal]";
    QTest::newRow("name and birthday on one line") << 2 << "Name:       Rosalind T. Whitacre Birthday: 04/17";
    QTest::newRow("city line") << 5 << "City, ST, Zip: Copper Wash City, AZ 85919";
    QTest::newRow("phones and system on one line")
        << 6 << "Day Phone:     (520) 555-0142 Evening: (520) 555-0187 OS: XP";
    QTest::newRow("permission with its emphasis")
        << 8 << "You MAY print my name, phone, and e-mail address in the Club Address Book.";
    QTest::newRow("signature and today's date")
        << 14
        << "Signature:_________________________________________________________ Date: "
               + pageDate(QDate::currentDate(), QLocale());
    QTest::newRow("club's address") << 16 << "Tamarisk Flats Computer Club";
    QTest::newRow("treasurer's line last")
        << 27 << "Amount Paid: $___________, Check [  ]  Cash [  ]  Date Received:______/_______";
}

void tst_Accessibility::pageViewReads()
{
    QFETCH(int, line);
    QFETCH(QString, expected);

    const PageView page;
    const QStringList lines = page.lines();

    QCOMPARE(lines.size(), 28);
    QCOMPARE(lines.at(line), expected);
}

void tst_Accessibility::readablePageFollowsEditAndPreview()
{
    PageView page;
    QAccessibleInterface *iface = accessible(page.window.surface());
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Application page"));
    QCOMPARE(iface->role(), QAccessible::StaticText);
    QVERIFY(!iface->state().invisible);
    const QString firstPage = iface->text(QAccessible::Value);

    page.window.Command4_Click();
    QCOMPARE(iface->text(QAccessible::Value), QString());
    QVERIFY(iface->state().invisible);

    page.window.Command1_Click();
    QCOMPARE(iface->text(QAccessible::Value), firstPage);
}

void tst_Accessibility::emphasisIsAnAttribute_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("attribute");

    QTest::newRow("title in 24 points") << "Membership Application" << "font-size:24pt;";
    QTest::newRow("permission in italics") << "MAY " << "font-style:italic;";
    QTest::newRow("sentence after it upright") << "print my name" << "font-style:normal;";
    QTest::newRow("bold page top") << "Tamarisk Flats Computer Club" << "font-weight:700;";
    QTest::newRow("regular page bottom") << "Regular meetings" << "font-weight:400;";
}

void tst_Accessibility::emphasisIsAnAttribute()
{
    QFETCH(QString, text);
    QFETCH(QString, attribute);

    const PageView page;
    QAccessibleInterface *iface = accessible(page.window.surface());
    const int offset = int(iface->text(QAccessible::Value).indexOf(text));
    QVERIFY(offset >= 0);

    int start = -1;
    int end = -1;
    const QString attributes = iface->textInterface()->attributes(offset, &start, &end);
    QVERIFY2(attributes.contains(attribute), qPrintable(attributes));
    QVERIFY2(iface->textInterface()->text(start, end).startsWith(text),
             qPrintable(iface->textInterface()->text(start, end)));
}

void tst_Accessibility::charactersHaveTheirPlace()
{
    WindowSurface surface(designFont());
    surface.resize(800, 600);
    print(surface, {{1440, 720, "Hello"}, {2880, 720, "world"}});
    QAccessibleTextInterface *text = accessible(&surface)->textInterface();
    const QString all = text->text(0, text->characterCount());
    QCOMPARE(all, QStringLiteral("Hello world"));

    // One inch in and half an inch down.
    const QRect first = text->characterRect(0);
    const QPoint corner = surface.mapToGlobal(QPoint(surface.logicalDpiX(), surface.logicalDpiY() / 2));
    QVERIFY2(qAbs(first.left() - corner.x()) <= 1 && qAbs(first.top() - corner.y()) <= 1,
             qPrintable(QStringLiteral("%1,%2").arg(first.left()).arg(first.top())));

    int previousRight = first.left();
    for (int i = 0; i < all.size(); ++i) {
        const QRect rect = text->characterRect(i);
        if (i == 5) {
            QVERIFY2(rect.isNull(), "the blank between the texts was not drawn");
            continue;
        }
        QVERIFY(!rect.isEmpty());
        QVERIFY(rect.left() >= previousRight - 1);
        previousRight = rect.right();
        QCOMPARE(text->offsetAtPoint(rect.center()), i);
    }
    QCOMPARE(text->offsetAtPoint(surface.mapToGlobal(QPoint(5, 5))), -1);
}

void tst_Accessibility::longEntryStaysCheap()
{
    WindowSurface surface(designFont());
    const QString entry(100000, QLatin1Char('x'));
    QList<Printed> texts;
    for (int line = 0; line < 2000; ++line)
        texts.append({double(1000 + line % 5 * 1000), double(1000 + line / 5 * 200), QStringLiteral("item")});
    texts.append({1000, 100000, entry});

    QElapsedTimer timer;
    timer.start();
    print(surface, texts);
    QAccessibleTextInterface *text = accessible(&surface)->textInterface();
    const int count = text->characterCount();
    const QRect last = text->characterRect(count - 1);
    const int middle = text->offsetAtPoint(text->characterRect(count - 50000).center());
    int start = 0;
    int end = 0;
    const QString line = text->textAtOffset(count - 1, QAccessible::LineBoundary, &start, &end);
    const qint64 elapsed = timer.elapsed();

    QCOMPARE(line, entry);
    QVERIFY(!last.isEmpty());
    QCOMPARE(middle, count - 50000);
    // Linear work takes a fraction of a second; quadratic would take minutes.
    QVERIFY2(elapsed < 20000, qPrintable(QStringLiteral("%1 ms").arg(elapsed)));
}

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
