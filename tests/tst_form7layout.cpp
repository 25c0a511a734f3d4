#include "facecoverage.h"
#include "formdriver.h"
#include "windowsurface.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QFontDatabase>
#include <QFontInfo>
#include <QTest>

using FormDriver::colorWhereNoControlLies;
using FormDriver::PaleCyan;
using FormDriver::px;
using FormDriver::Session;

namespace {


QRect pxRect(const QWidget *widget, int left, int top, int width, int height)
{
    return QRect(px(widget, left), px(widget, top), px(widget, width), px(widget, height));
}

template<typename T = QWidget>
T *control(const Form7 &window, const QString &name)
{
    return window.findChild<T *>(name);
}

// The design name of the control that owns a widget (a combo box's inner
// line edit counts as the combo box).
QString designName(const Form7 &window, QWidget *widget)
{
    while (widget && widget->parentWidget() != &window
           && widget->parentWidget() != control(window, QStringLiteral("Frame2")))
        widget = widget->parentWidget();
    return widget ? widget->objectName() : QString();
}

QString captionOf(QWidget *widget)
{
    if (auto *box = qobject_cast<QLineEdit *>(widget))
        return box->text();
    if (auto *label = qobject_cast<QLabel *>(widget))
        return label->text();
    if (auto *group = qobject_cast<QGroupBox *>(widget))
        return group->title();
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        return button->text();
    if (auto *combo = qobject_cast<QComboBox *>(widget))
        return combo->currentText();
    return QString();
}

QString kindOf(QWidget *widget)
{
    if (qobject_cast<QLineEdit *>(widget))
        return QStringLiteral("text box");
    if (auto *label = qobject_cast<QLabel *>(widget))
        return label->pixmap().isNull() ? QStringLiteral("label") : QStringLiteral("picture");
    if (qobject_cast<QGroupBox *>(widget))
        return QStringLiteral("group box");
    if (qobject_cast<QRadioButton *>(widget))
        return QStringLiteral("option button");
    if (qobject_cast<QCheckBox *>(widget))
        return QStringLiteral("check box");
    if (qobject_cast<QPushButton *>(widget))
        return QStringLiteral("button");
    if (qobject_cast<QComboBox *>(widget))
        return QStringLiteral("combo box");
    return QString::fromLatin1(widget->metaObject()->className());
}

} // namespace

class tst_Form7Layout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void controls_data();
    void controls();
    void window();
    void textBoxesHaveNoLengthLimit_data();
    void textBoxesHaveNoLengthLimit();
    void instructionAfterLoad();
    void comboBox();
    void typedComboTextNotInList();
    void startingChoices();
    void labelsLieBeneathOtherControls();
    void bannerCoversBirthdayLabel();
    void picturesAfterTheFirstFrame_data();
    void picturesAfterTheFirstFrame();
    void previewBeforeTheFirstFrame();
    void printBeforeTheFirstFrame();
    void pageButtonsOutOfSight();
    void noDefaultButton();
    void tabOrder_data();
    void tabOrder();
};

void tst_Form7Layout::controls_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<QString>("container");

    const QString frame = QStringLiteral("Frame2");
    const QString text = QStringLiteral("text box");
    const QString label = QStringLiteral("label");
    const QString option = QStringLiteral("option button");
    const QString check = QStringLiteral("check box");
    const QString button = QStringLiteral("button");
    const QString picture = QStringLiteral("picture");
    const QString birthday = QStringLiteral("Just the month and day.");
    const QString newOrRenewal = QStringLiteral("Click either New or Renewal.");

    auto row = [&](const char *name, const QString &kind, const char *caption, const QString &tip, int left,
                   int top, int width, int height, bool visible = true, const QString &container = QStringLiteral("Form7")) {
        QTest::newRow(name) << kind << QString::fromUtf8(caption) << tip << QRect(left, top, width, height) << visible
                            << container;
    };
    auto tip = [](const char *text) { return QString::fromUtf8(text); };

    row("Text14", text, "", QString(), 120, 0, 5532, 288);
    row("Frame2", QStringLiteral("group box"), "", tip("Form of payment"), 120, 240, 3132, 372);
    row("Option1", option, "New", newOrRenewal, 120, 120, 1212, 192, true, frame);
    row("Option2", option, "Renewal", newOrRenewal, 1560, 120, 1332, 192, true, frame);
    row("Check1", check, "OK to publish data",
        tip("Check here to give permission to publish your name, address, etc. in the Club Address Book."), 3360, 360,
        1812, 252);
    row("Check2", check, "OK to e-mail", tip("Check here to give permission to send you e-mail on Club matters."), 5280,
        360, 1572, 192);

    row("Label7", label, "First Name", QString(), 120, 720, 1692, 252);
    row("Label8", label, "MI", QString(), 2520, 720, 372, 252);
    row("Label9", label, "Last", QString(), 3000, 720, 2172, 252);
    row("Label17", label, "Birthday (Mo/Da)", QString(), 5520, 720, 1452, 252);
    row("Text1", text, "", tip("Your first name"), 120, 960, 2292, 285);
    row("Text2", text, "", tip("Your middle initial"), 2520, 960, 372, 285);
    row("Text3", text, "", tip("Your last name"), 3000, 960, 2652, 285);
    row("Text16", text, "", birthday, 5880, 960, 852, 288);
    row("Label1", label, "Spouse First Name", QString(), 120, 1320, 2292, 252);
    row("Label10", label, "MI", QString(), 2520, 1320, 372, 252);
    row("Label11", label, "Last", QString(), 3000, 1320, 2532, 252);
    row("Text4", text, "", tip("Your spouse's first name"), 120, 1560, 2292, 285);
    row("Text5", text, "", tip("Your spouse's middle initial"), 2520, 1560, 372, 285);
    row("Text6", text, "", tip("Your spouse's last name"), 3000, 1560, 2652, 285);
    row("Text17", text, "", birthday, 5880, 1560, 852, 288);

    row("Label3", label, "Street", QString(), 120, 1920, 852, 252);
    row("Text7", text, "", tip("Your street address"), 120, 2160, 5532, 252);
    row("Label4", label, "City", QString(), 120, 2520, 852, 252);
    row("Label5", label, "ST", QString(), 3240, 2520, 372, 252);
    row("Label6", label, "Zip", QString(), 3720, 2520, 852, 252);
    row("Text8", text, "Copper Wash City", tip("Your city"), 120, 2760, 3012, 288);
    row("Text9", text, "AZ", tip("Your state"), 3240, 2760, 372, 288);
    row("Text10", text, "", tip("Your 5-digit zip code"), 3720, 2760, 1932, 288);

    row("Label12", label, "Day Phone", QString(), 120, 3120, 972, 252);
    row("Label13", label, "Evening Phone", QString(), 3000, 3120, 1812, 252);
    row("Text11", text, "", tip("Your daytime telephone number"), 120, 3360, 2652, 288);
    row("Text12", text, "", tip("Your evening phone"), 3000, 3360, 2652, 288);
    row("Label14", label, "E-Mail Address", QString(), 120, 3720, 1932, 252);
    row("Label2", label, "Web Page URL", QString(), 3000, 3720, 1692, 252);
    row("Label15", label, "Primary OS", QString(), 5880, 3720, 972, 252);
    row("Text13", text, "", tip("e-mail address"), 120, 3960, 2652, 288);
    row("Text15", text, "", tip("Your Web Page address"), 3000, 3960, 2652, 288);
    row("Combo1", QStringLiteral("combo box"), "", tip("The Operating System on your main machine"), 5880, 3960,
        852, 288);

    row("Command1", button, "Preview", tip("Click here to preview your filled-out application."), 5880, 2160, 855,
        495);
    row("Command2", button, "Cancel", tip("Click here to exit.without saving."), 5880, 2880, 855, 495);
    row("Command3", button, "Print", tip("Click to print this page."), 8400, 1200, 852, 492, false);
    row("Command4", button, "Edit", tip("Click to recall the filled-out input form."), 8400, 1900, 852, 492, false);
    row("Command5", button, "Cancel", tip("Click to exit without save."), 8400, 2600, 852, 492, false);

    row("Picture1", picture, "", QString(), 360, 360, 1812, 1212, false);
    row("Picture2", picture, "", QString(), 2400, 360, 6732, 612, false);
}

void tst_Form7Layout::controls()
{
    QFETCH(QString, kind);
    QFETCH(QString, caption);
    QFETCH(QString, toolTip);
    QFETCH(QRect, twips);
    QFETCH(bool, visible);
    QFETCH(QString, container);

    Session session(Session::ShowOnly);
    auto &[shell, record, window] = session;
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // The pictures are decoded once the first frame is drawn.
    QTRY_VERIFY(!control<QLabel>(window, QStringLiteral("Picture2"))->pixmap().isNull());

    QWidget *widget = control(window, QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(widget);
    QCOMPARE(kindOf(widget), kind);
    QCOMPARE(captionOf(widget), caption);
    QCOMPARE(widget->toolTip(), toolTip);
    QCOMPARE(widget->geometry(), pxRect(&window, twips.x(), twips.y(), twips.width(), twips.height()));
    QCOMPARE(widget->isVisible(), visible);
    QVERIFY(widget->parentWidget());
    QCOMPARE(widget->parentWidget()->objectName(), container);
    // Every control shows its text in the window's own font.
    QVERIFY(widget->font() == window.font());
}

void tst_Form7Layout::window()
{
    Session session(Session::ShowOnly);
    auto &[shell, record, window] = session;
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QCOMPARE(window.windowTitle(), QStringLiteral("TFCC Application"));
    const QSize client(px(&window, 6984), px(&window, 4404));
    QCOMPARE(window.size(), client);
    QCOMPARE(window.minimumSize(), client);
    QCOMPARE(window.maximumSize(), client);
    QVERIFY(!(window.windowState() & Qt::WindowMaximized));
    QVERIFY(!window.windowIcon().isNull());

    QCOMPARE(window.font().family(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(QFontInfo(window.font()).family(), designFaceShown());
    // Dialogs keep the desktop's font.
    QCOMPARE(QGuiApplication::font(), QFontDatabase::systemFont(QFontDatabase::GeneralFont));
    QCOMPARE(window.font().pointSizeF(), 7.8);
    QVERIFY(window.font().bold());
    QVERIFY(!window.font().italic());

    QCOMPARE(window.surface()->BackColor(), PaleCyan);
    QCOMPARE(colorWhereNoControlLies(window), PaleCyan);
}

void tst_Form7Layout::textBoxesHaveNoLengthLimit_data()
{
    QTest::addColumn<QString>("name");
    for (const QString &name : FormDriver::typedBoxes())
        QTest::newRow(qPrintable(name)) << name;
}

void tst_Form7Layout::textBoxesHaveNoLengthLimit()
{
    QFETCH(QString, name);

    FakeShell shell;
    ApplicantRecord record;
    Form7 window(shell, record);
    const QString longText(40000, QLatin1Char('x'));
    if (auto *combo = control<QComboBox>(window, name)) {
        combo->setEditText(longText);
        QCOMPARE(combo->currentText().size(), longText.size());
    } else {
        auto *box = control<QLineEdit>(window, name);
        QVERIFY(box);
        box->setText(longText);
        QCOMPARE(box->text().size(), longText.size());
        QVERIFY(!box->isReadOnly());
        QCOMPARE(box->echoMode(), QLineEdit::Normal);
    }
}

void tst_Form7Layout::instructionAfterLoad()
{
    Session session(Session::LoadAndShow);
    auto &[shell, record, window] = session;
    QCOMPARE(control<QLineEdit>(window, QStringLiteral("Text14"))->text(),
             QStringLiteral("Fill out this form to print an application for membership in TFCC."));
    QVERIFY(control(window, QStringLiteral("Text14"))->isVisible());
    QCOMPARE(record, ApplicantRecord());
}

void tst_Form7Layout::comboBox()
{
    FakeShell shell;
    ApplicantRecord record;
    Form7 window(shell, record);
    auto *combo = control<QComboBox>(window, QStringLiteral("Combo1"));
    QVERIFY(combo);

    QStringList entries;
    for (int i = 0; i < combo->count(); ++i)
        entries << combo->itemText(i);
    QCOMPARE(entries, QStringList({QStringLiteral("XP"), QStringLiteral("NT"), QStringLiteral("ME"),
                                   QStringLiteral("2000"), QStringLiteral("98 SE"), QStringLiteral("98"),
                                   QStringLiteral("95"), QStringLiteral("Mac"), QStringLiteral("Other")}));
    QVERIFY(combo->isEditable());
    QCOMPARE(combo->currentText(), QString());
    QCOMPARE(combo->currentIndex(), -1);
}

void tst_Form7Layout::typedComboTextNotInList()
{
    Session session(Session::ShowOnly);
    auto &[shell, record, window] = session;
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto *combo = control<QComboBox>(window, QStringLiteral("Combo1"));
    combo->setFocus();
    QTest::keyClicks(combo->lineEdit(), QStringLiteral("Linux"));
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    QTest::keyClick(combo->lineEdit(), Qt::Key_Tab);

    QCOMPARE(combo->currentText(), QStringLiteral("Linux"));
    // Typing never adds to the list.
    QCOMPARE(combo->count(), 9);
}

void tst_Form7Layout::startingChoices()
{
    FakeShell shell;
    ApplicantRecord record;
    Form7 window(shell, record);
    QCOMPARE(control<QCheckBox>(window, QStringLiteral("Check1"))->checkState(), Qt::Checked);
    QCOMPARE(control<QCheckBox>(window, QStringLiteral("Check2"))->checkState(), Qt::Checked);
    QVERIFY(!control<QRadioButton>(window, QStringLiteral("Option1"))->isChecked());
    QVERIFY(control<QRadioButton>(window, QStringLiteral("Option2"))->isChecked());

    // Selecting one option button deselects the other.
    control<QRadioButton>(window, QStringLiteral("Option1"))->click();
    QVERIFY(control<QRadioButton>(window, QStringLiteral("Option1"))->isChecked());
    QVERIFY(!control<QRadioButton>(window, QStringLiteral("Option2"))->isChecked());
}

// Where a label and another control overlap, the other control is drawn
// over it; and the drawing surface lies beneath them all.
void tst_Form7Layout::labelsLieBeneathOtherControls()
{
    FakeShell shell;
    ApplicantRecord record;
    Form7 window(shell, record);

    QList<QWidget *> labels;
    QList<QWidget *> others;
    for (QObject *child : window.children()) {
        auto *widget = qobject_cast<QWidget *>(child);
        if (!widget || widget == window.surface())
            continue;
        (widget->objectName().startsWith(QLatin1String("Label")) ? labels : others) << widget;
    }
    QCOMPARE(labels.size(), 16);

    // Children are listed from the bottom of the stack to the top.
    const QObjectList stack = window.children();
    int overlaps = 0;
    for (QWidget *label : labels) {
        for (QWidget *other : others) {
            if (!label->geometry().intersects(other->geometry()))
                continue;
            ++overlaps;
            QVERIFY2(stack.indexOf(label) < stack.indexOf(other),
                     qPrintable(label->objectName() + QLatin1String(" lies over ") + other->objectName()));
        }
    }
    // The labels overlap the tops of the boxes they name.
    QVERIFY(overlaps >= 10);

    for (QWidget *widget : labels + others)
        QVERIFY2(stack.indexOf(window.surface()) < stack.indexOf(widget), qPrintable(widget->objectName()));
}

void tst_Form7Layout::bannerCoversBirthdayLabel()
{
    Session session(Session::ShowOnly);
    auto &[shell, record, window] = session;
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QWidget *label = control(window, QStringLiteral("Label17"));
    QWidget *banner = control(window, QStringLiteral("Picture2"));
    QVERIFY(banner->geometry().contains(label->geometry()));

    banner->show();
    for (const QPoint &spot : {label->geometry().topLeft(), label->geometry().center(),
                               label->geometry().bottomRight()})
        QCOMPARE(window.childAt(spot), banner);
}

void tst_Form7Layout::picturesAfterTheFirstFrame_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");

    QTest::newRow("landscape photograph") << QStringLiteral("Picture1") << QSize(153, 103);
    QTest::newRow("club name banner") << QStringLiteral("Picture2") << QSize(549, 49);
}

// The form's first frame does not wait for the page view's pictures: they
// are decoded right after it, and stay hidden until Preview.
void tst_Form7Layout::picturesAfterTheFirstFrame()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);

    FakeShell shell;
    ApplicantRecord record;
    Form7 window(shell, record);
    auto *picture = control<QLabel>(window, name);
    QVERIFY(picture->pixmap().isNull());

    window.setVisible(true);
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_COMPARE(picture->pixmap().size(), size);
    QVERIFY(picture->isHidden());
}

// Preview clicked before the form's first frame still shows both pictures.
void tst_Form7Layout::previewBeforeTheFirstFrame()
{
    Session session(Session::LoadAndShow);
    auto &[shell, record, window] = session;
    auto *photograph = control<QLabel>(window, QStringLiteral("Picture1"));
    auto *banner = control<QLabel>(window, QStringLiteral("Picture2"));
    QVERIFY(photograph->pixmap().isNull());

    FormDriver::enter(window, QStringLiteral("Text1"), QStringLiteral("."));
    FormDriver::click(window, "Command1");
    QVERIFY(shell.warnings.isEmpty());
    QVERIFY(photograph->isVisible());
    QCOMPARE(photograph->pixmap().size(), QSize(153, 103));
    QVERIFY(banner->isVisible());
    QCOMPARE(banner->pixmap().size(), QSize(549, 49));
}

// Preview and Print clicked before the form's first frame still print both
// pictures.
void tst_Form7Layout::printBeforeTheFirstFrame()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString pdf = dir.filePath(QStringLiteral("application.pdf"));
    Session session(Session::LoadAndShow);
    auto &[shell, record, window] = session;
    QVERIFY(control<QLabel>(window, QStringLiteral("Picture1"))->pixmap().isNull());
    FormDriver::printTo(shell, pdf);
    FormDriver::enter(window, QStringLiteral("Text1"), QStringLiteral("."));

    FormDriver::click(window, "Command1");
    FormDriver::click(window, "Command3");
    QCOMPARE(shell.warnings.size(), 0);
    QCOMPARE(shell.endCalls, 1);

    const std::optional<QString> list = runPdfTool(QStringLiteral("pdfimages"), {QStringLiteral("-list")}, pdf);
    QVERIFY2(list, "pdfimages (poppler-utils) could not read the PDF");
    // After two heading lines, one line for each image: its number, page,
    // type, width and height.
    QStringList sizes;
    const QStringList lines = list->split(QLatin1Char('\n'));
    for (const QString &line : lines.mid(2)) {
        const QStringList columns = line.simplified().split(QLatin1Char(' '));
        if (columns.size() > 4 && columns.at(2) == QLatin1String("image"))
            sizes << columns.at(3) + QLatin1Char('x') + columns.at(4);
    }
    sizes.sort();
    QCOMPARE(sizes, QStringList({QStringLiteral("153x103"), QStringLiteral("549x49")}));
}

void tst_Form7Layout::pageButtonsOutOfSight()
{
    Session session(Session::ShowOnly);
    auto &[shell, record, window] = session;
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    for (const char *name : {"Command3", "Command4", "Command5"}) {
        QWidget *button = control(window, QString::fromLatin1(name));
        QVERIFY2(!window.rect().intersects(button->geometry()), name);
        QVERIFY2(button->isHidden(), name);
        QVERIFY2(!button->isEnabled(), name);
    }
    for (const char *name : {"Command1", "Command2"})
        QVERIFY2(window.rect().contains(control(window, QString::fromLatin1(name))->geometry()), name);
}

void tst_Form7Layout::noDefaultButton()
{
    Session session(Session::ShowOnly);
    auto &[shell, record, window] = session;
    QVERIFY(QTest::qWaitForWindowActive(&window));

    for (QPushButton *button : window.findChildren<QPushButton *>()) {
        QVERIFY2(!button->isDefault(), qPrintable(button->objectName()));
        QVERIFY2(!button->autoDefault(), qPrintable(button->objectName()));
    }

    // With the name empty, a Preview would complain; Cancel would end the run.
    auto *name = control<QLineEdit>(window, QStringLiteral("Text1"));
    name->setFocus();
    QTest::keyClick(name, Qt::Key_Return);
    QTest::keyClick(name, Qt::Key_Enter);
    QTest::keyClick(name, Qt::Key_Escape);
    QVERIFY(shell.warnings.isEmpty());
    QCOMPARE(shell.endCalls, 0);
    QVERIFY(window.isVisible());
}

void tst_Form7Layout::tabOrder_data()
{
    QTest::addColumn<bool>("chooseNew");
    QTest::addColumn<QString>("optionStop");

    QTest::newRow("as shown at start-up: Renewal selected") << false << QStringLiteral("Option2");
    QTest::newRow("New chosen with the mouse") << true << QStringLiteral("Option1");
}

void tst_Form7Layout::tabOrder()
{
    QFETCH(bool, chooseNew);
    QFETCH(QString, optionStop);

    Session session(Session::LoadAndShow);
    auto &[shell, record, window] = session;
    QVERIFY(QTest::qWaitForWindowActive(&window));
    // A web browser's window is active before it is fully shown; the focus
    // reaches the first box once it is.
    QTRY_COMPARE(designName(window, QApplication::focusWidget()), QStringLiteral("Text1"));
    if (chooseNew) {
        QTest::mouseClick(control(window, QStringLiteral("Option1")), Qt::LeftButton);
        QVERIFY(control<QRadioButton>(window, QStringLiteral("Option1"))->isChecked());
        control(window, QStringLiteral("Text1"))->setFocus();
    }

    const QStringList expected = {
        QStringLiteral("Text1"),    QStringLiteral("Text2"),    QStringLiteral("Text3"),  QStringLiteral("Text16"),
        QStringLiteral("Text4"),    QStringLiteral("Text5"),    QStringLiteral("Text6"),  QStringLiteral("Text17"),
        QStringLiteral("Text7"),    QStringLiteral("Text8"),    QStringLiteral("Text9"),  QStringLiteral("Text10"),
        QStringLiteral("Text11"),   QStringLiteral("Text12"),   QStringLiteral("Text13"), QStringLiteral("Text15"),
        QStringLiteral("Combo1"),   optionStop,                 QStringLiteral("Check1"), QStringLiteral("Check2"),
        QStringLiteral("Command1"), QStringLiteral("Command2"),
        // Round again: the page buttons and the instruction line take no stop.
        QStringLiteral("Text1")};

    QStringList visited = {designName(window, QApplication::focusWidget())};
    for (qsizetype i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << designName(window, QApplication::focusWidget());
    }
    QCOMPARE(visited.join(QLatin1String(", ")), expected.join(QLatin1String(", ")));
}

QTEST_MAIN(tst_Form7Layout)
#include "tst_form7layout.moc"
