#include "formdriver.h"
#include "windowsurface.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

using namespace FormDriver;

namespace {

const QString EditInstruction = QStringLiteral("Edit as required and continue.");

QComboBox *combo(const Form7 &window)
{
    return control<QComboBox>(window, QStringLiteral("Combo1"));
}

void fillEveryBox(Form7 &window, const QString &prefix)
{
    for (int i = 1; i <= 17; ++i)
        box(window, i)->setText(QStringLiteral("%1 %2").arg(prefix).arg(i));
    combo(window)->setEditText(prefix + QStringLiteral(" OS"));
}

// The boxes Edit fills again from the kept record: all but the birthdays,
// which stay as typed.
void addRestoreMap()
{
    QTest::addColumn<int>("entry");

    for (int i = 0; i < entryBoxes().size(); ++i) {
        const EntryBox &box = entryBoxes().at(i);
        if (box.name != QLatin1String("Text16") && box.name != QLatin1String("Text17"))
            QTest::addRow("%s from %s", qPrintable(box.name), box.role) << i;
    }
}

// Notes the size at which a widget last drew itself.
class FrameWatcher : public QObject
{
public:
    explicit FrameWatcher(QWidget *widget) { widget->installEventFilter(this); }

    QSize drawnAt;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            drawnAt = static_cast<QWidget *>(watched)->size();
        return false;
    }
};

} // namespace

class tst_Edit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void formComesBack_data();
    void formComesBack();
    void windowComesBack_data();
    void windowComesBack();
    void nextPreviewDrawsOnClearedSurface_data();
    void nextPreviewDrawsOnClearedSurface();
    void sampleRecordComesBack();
    void primaryOsComesBackAsText_data();
    void primaryOsComesBackAsText();
    void keptValueIsWritten_data();
    void keptValueIsWritten();
    void typedChangesOutlastEditButton_data();
    void typedChangesOutlastEditButton();
    void editButtonBeforeAnyPreview_data();
    void editButtonBeforeAnyPreview();
};

void tst_Edit::formComesBack_data()
{
    QTest::addColumn<Qt::CheckState>("publish");
    QTest::addColumn<Qt::CheckState>("email");
    QTest::addColumn<bool>("isNew");
    QTest::addColumn<int>("chosenOs");

    QTest::newRow("as at start-up, Renewal") << Qt::Checked << Qt::Checked << false << -1;
    QTest::newRow("publish greyed, e-mail refused, New") << Qt::PartiallyChecked << Qt::Unchecked << true << 3;
    QTest::newRow("publish refused, e-mail greyed, Renewal") << Qt::Unchecked << Qt::PartiallyChecked << false << 8;
}

void tst_Edit::formComesBack()
{
    QFETCH(Qt::CheckState, publish);
    QFETCH(Qt::CheckState, email);
    QFETCH(bool, isNew);
    QFETCH(int, chosenOs);

    Session session(Session::LoadAndShow);
    auto &[shell, record, window] = session;
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    fillEveryBox(window, QStringLiteral("typed"));
    if (chosenOs >= 0)
        combo(window)->setCurrentIndex(chosenOs);
    control<QCheckBox>(window, QStringLiteral("Check1"))->setCheckState(publish);
    control<QCheckBox>(window, QStringLiteral("Check2"))->setCheckState(email);
    control<QRadioButton>(window, isNew ? QStringLiteral("Option1") : QStringLiteral("Option2"))->setChecked(true);
    QStringList before = formState(window);

    window.Command1_Click();
    QVERIFY(control(window, QStringLiteral("Picture1"))->isVisible());
    window.Command4_Click();

    QVERIFY(shell.warnings.isEmpty());
    QCOMPARE(box(window, 14)->text(), EditInstruction);
    before.replaceInStrings(QRegularExpression(QStringLiteral("^Text14=shown\\|.*$")),
                            QStringLiteral("Text14=shown|") + EditInstruction);
    QCOMPARE(formState(window), before);
}

void tst_Edit::windowComesBack_data()
{
    QTest::addColumn<bool>("ignoreMaximize");

    QTest::newRow("window maximized") << false;
    QTest::newRow("maximize request ignored, window grown") << true;
}

void tst_Edit::windowComesBack()
{
    QFETCH(bool, ignoreMaximize);

    Session session(Session::ShowOnly);
    auto &[shell, record, window] = session;
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    shell.ignoreMaximize = ignoreMaximize;
    fillEveryBox(window, QStringLiteral("typed"));
    const QSize client(px(&window, 6984), px(&window, 4404));
    // The page surface covers the whole window and draws for it.
    FrameWatcher frames(window.surface());

    // Twice, each view drawn on the screen before the next command: the
    // second Preview finds out whether the window system took the first
    // Edit's frame.
    for (int round = 1; round <= 2; ++round) {
        window.Command1_Click();
        QCOMPARE(bool(window.windowState() & Qt::WindowMaximized), !ignoreMaximize);
        QTRY_VERIFY(window.size() != client);
        QTRY_COMPARE(frames.drawnAt, window.size());
        window.Command4_Click();

        QVERIFY(!(window.windowState() & Qt::WindowMaximized));
        QTRY_COMPARE(window.minimumSize(), client);
        QCOMPARE(window.maximumSize(), client);
        QTRY_COMPARE(window.size(), client);
        QTRY_COMPARE(frames.drawnAt, client);
    }
    QCOMPARE(window.surface()->BackColor(), PaleCyan);
    const QString ink = firstOtherPixel(window.surface()->persistentImage(), PaleCyan);
    QVERIFY2(ink.isEmpty(), qPrintable(ink));
    QCOMPARE(colorWhereNoControlLies(window), PaleCyan);

    QVERIFY(control(window, QStringLiteral("Picture1"))->isHidden());
    QVERIFY(control(window, QStringLiteral("Picture2"))->isHidden());
    QVERIFY(control(window, QStringLiteral("Label17"))->isVisible());
    QCOMPARE(window.childAt(control(window, QStringLiteral("Label17"))->geometry().center()),
             control(window, QStringLiteral("Label17")));
    for (const char *name : {"Command3", "Command4", "Command5"}) {
        QWidget *button = control(window, QString::fromLatin1(name));
        QVERIFY2(!window.rect().intersects(button->geometry()), name);
        QVERIFY2(button->isHidden(), name);
        QVERIFY2(!button->isEnabled(), name);
    }
    QCOMPARE(shell.endCalls, 0);
}

void tst_Edit::nextPreviewDrawsOnClearedSurface_data()
{
    QTest::addColumn<QString>("firstEntries");

    QTest::newRow("same entries again") << QStringLiteral("second");
    QTest::newRow("longer entries before") << QStringLiteral("a much longer first entry, which runs on and on");
}

// The page of a second Preview is the page a fresh window draws for the
// same entries: nothing of the first page shows through.
void tst_Edit::nextPreviewDrawsOnClearedSurface()
{
    QFETCH(QString, firstEntries);

    FakeShell shell;
    ApplicantRecord freshRecord;
    Form7 fresh(shell, freshRecord);
    fresh.setVisible(true);
    QVERIFY(QTest::qWaitForWindowExposed(&fresh));
    fillEveryBox(fresh, QStringLiteral("second"));
    fresh.Command1_Click();
    const QImage expected = shownPage(*fresh.surface());
    fresh.close();

    ApplicantRecord record;
    Form7 window(shell, record);
    window.setVisible(true);
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    fillEveryBox(window, firstEntries);
    window.Command1_Click();
    const QImage firstPage = shownPage(*window.surface());
    window.Command4_Click();
    fillEveryBox(window, QStringLiteral("second"));
    window.Command1_Click();

    QVERIFY(shell.warnings.isEmpty());
    QCOMPARE(shownPage(*window.surface()), expected);
    if (firstEntries == QLatin1String("second"))
        QCOMPARE(firstPage, expected);
}

void tst_Edit::sampleRecordComesBack()
{
    Session session(Session::ShowOnly);
    auto &[shell, record, window] = session;
    fillEveryBox(window, QStringLiteral("typed"));
    box(window, 1)->setText(QStringLiteral("."));

    window.Command1_Click();
    const ApplicantRecord sample = record;
    window.Command4_Click();

    QCOMPARE(record, sample);
    QCOMPARE(box(window, 1)->text(), sample.FirstName);
    QVERIFY(box(window, 1)->text() != QLatin1String("."));
    QCOMPARE(box(window, 2)->text(), sample.MiddleInitial);
    QCOMPARE(box(window, 3)->text(), sample.LastName);
    QCOMPARE(box(window, 4)->text(), QString());
    QCOMPARE(box(window, 5)->text(), QString());
    QCOMPARE(box(window, 6)->text(), QString());
    QCOMPARE(box(window, 7)->text(), sample.Street);
    QCOMPARE(box(window, 8)->text(), QStringLiteral("Copper Wash City"));
    QCOMPARE(box(window, 9)->text(), QStringLiteral("AZ"));
    QCOMPARE(box(window, 10)->text(), sample.Zip);
    QCOMPARE(box(window, 11)->text(), sample.DayPhone);
    QCOMPARE(box(window, 12)->text(), sample.EveningPhone);
    QCOMPARE(box(window, 13)->text(), sample.EMail);
    QCOMPARE(box(window, 15)->text(), sample.WebPage);
    QCOMPARE(combo(window)->currentText(), QStringLiteral("XP"));
    QCOMPARE(box(window, 16)->text(), sample.Birthday);
    QCOMPARE(box(window, 17)->text(), QStringLiteral("typed 17"));

    // A further Preview takes the sample's values as ordinary entries.
    window.Command1_Click();
    QVERIFY(shell.warnings.isEmpty());
    ApplicantRecord expected = sample;
    expected.SpouseBirthday = QStringLiteral("typed 17");
    QCOMPARE(record, expected);
}

void tst_Edit::primaryOsComesBackAsText_data()
{
    QTest::addColumn<QString>("os");

    QTest::newRow("not in the list") << QStringLiteral("Linux");
    QTest::newRow("in the list") << QStringLiteral("Mac");
    QTest::newRow("empty") << QString();
}

void tst_Edit::primaryOsComesBackAsText()
{
    QFETCH(QString, os);

    FakeShell shell;
    ApplicantRecord record;
    record.PrimaryOS = os;
    Form7 window(shell, record);
    window.setVisible(true);
    combo(window)->setCurrentIndex(0);

    window.Command4_Click();

    QCOMPARE(combo(window)->currentText(), os);
    QCOMPARE(combo(window)->count(), 9);
}

void tst_Edit::keptValueIsWritten_data()
{
    addRestoreMap();
}

void tst_Edit::keptValueIsWritten()
{
    QFETCH(int, entry);
    const EntryBox &restored = entryBoxes().at(entry);

    Session session(Session::ShowOnly);
    auto &[shell, record, window] = session;
    fillEveryBox(window, QStringLiteral("previewed"));
    window.Command1_Click();
    QVERIFY(shell.warnings.isEmpty());
    // The kept value, not a copy of the box, is what comes back.
    record.FirstName = QStringLiteral("kept first name");
    record.MiddleInitial = QStringLiteral("K.");
    record.LastName = QStringLiteral("kept last name");
    record.SpouseFirstName = QStringLiteral("kept spouse");
    record.SpouseMiddleInitial = QStringLiteral("S.");
    record.SpouseLastName = QStringLiteral("kept spouse last");
    record.Street = QStringLiteral("kept street");
    record.City = QStringLiteral("kept city");
    record.State = QStringLiteral("KS");
    record.Zip = QStringLiteral("00001");
    record.DayPhone = QStringLiteral("kept day");
    record.EveningPhone = QStringLiteral("kept evening");
    record.EMail = QStringLiteral("kept@example.com");
    record.WebPage = QStringLiteral("kept.example.com");
    record.PrimaryOS = QStringLiteral("kept OS");

    window.Command4_Click();

    QCOMPARE(entryText(window, restored.name), record.*restored.field);
}

void tst_Edit::typedChangesOutlastEditButton_data()
{
    addRestoreMap();
}

// Out of sight beyond the form's edge, Edit cannot be pressed there.
void tst_Edit::typedChangesOutlastEditButton()
{
    QFETCH(int, entry);
    const EntryBox &restored = entryBoxes().at(entry);

    Session session(Session::ShowOnly);
    auto &[shell, record, window] = session;
    fillEveryBox(window, QStringLiteral("previewed"));
    window.Command1_Click();
    window.Command4_Click();
    fillEveryBox(window, QStringLiteral("typed afterwards"));
    const QString typed = entryText(window, restored.name);

    click(window, "Command4");

    QCOMPARE(entryText(window, restored.name), typed);
    QVERIFY(record.*restored.field != typed);
    QCOMPARE(box(window, 14)->text(), QStringLiteral("typed afterwards 14"));
}

void tst_Edit::editButtonBeforeAnyPreview_data()
{
    addRestoreMap();
}

void tst_Edit::editButtonBeforeAnyPreview()
{
    QFETCH(int, entry);
    const EntryBox &restored = entryBoxes().at(entry);

    Session session(Session::LoadAndShow);
    auto &[shell, record, window] = session;
    fillEveryBox(window, QStringLiteral("typed"));
    const QString typed = entryText(window, restored.name);

    click(window, "Command4");

    QCOMPARE(entryText(window, restored.name), typed);
    QCOMPARE(box(window, 14)->text(), QStringLiteral("typed 14"));
    QCOMPARE(record, ApplicantRecord());
}

QTEST_MAIN(tst_Edit)
#include "tst_edit.moc"
