#include "formdriver.h"
#include "windowsurface.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTest>

#include <optional>

using namespace FormDriver;

// A long session of random use, step by step against a small model of what
// the user should see. A failure names the seed and the step; the session
// is played again with TFCC_RANDOM_SEED set to that seed.

namespace {

constexpr int Steps = 2000;
const QString StartInstruction = QStringLiteral("Fill out this form to print an application for membership in TFCC.");
const QString EditInstruction = QStringLiteral("Edit as required and continue.");
// A folder that is not there, wherever the test runs (in a browser, /proc is
// an ordinary folder of the program's memory).
const QString Unwritable = QStringLiteral("/proc/tfcc-missing/tfcc-session.pdf");

// Typed a key at a time: letters and digits (some begin entries of the
// operating system list), the toolkit's special characters, other scripts, a
// character beyond the basic plane, a combining mark and a joiner.
const QStringList Keys = QStringLiteral("a|m|Z|9| |.|&|%|<|/|é|Ω|א|中|😀|\u0301|\u200D").split(QLatin1Char('|'));
// Pasted whole, as no key types them.
const QStringList Pastes = {QStringLiteral("\t"), QStringLiteral("%1 %2"), QStringLiteral("<b>bold</b>"),
                            QStringLiteral("  padded  ")};
const QStringList OsEntries = {QStringLiteral("XP"), QStringLiteral("NT"),    QStringLiteral("ME"),
                               QStringLiteral("2000"), QStringLiteral("98 SE"), QStringLiteral("98"),
                               QStringLiteral("95"), QStringLiteral("Mac"),   QStringLiteral("Other")};

QStringList allControls()
{
    return inputViewOnly() + pageViewControls();
}

// What the user should see.
struct Model
{
    bool pageView = false;
    QMap<QString, QString> texts;
    bool publish = true;
    bool sendEmail = true;
    bool renewal = true;
    ApplicantRecord record;
    std::optional<ApplicantRecord> sample; // its personal values are the program's own
    QList<FakeShell::Warning> warnings;
    int printDialogs = 0;

    Model()
    {
        for (const QString &name : typedBoxes())
            texts[name] = QString();
        texts[QStringLiteral("Text8")] = QStringLiteral("Copper Wash City");
        texts[QStringLiteral("Text9")] = QStringLiteral("AZ");
        texts[QStringLiteral("Text14")] = StartInstruction;
    }

    QStringList visible() const
    {
        if (pageView)
            return pageViewControls();
        QStringList names = allControls();
        for (const QString &pageOnly : {QStringLiteral("Picture1"), QStringLiteral("Picture2"),
                                        QStringLiteral("Command3"), QStringLiteral("Command4"),
                                        QStringLiteral("Command5")})
            names.removeAll(pageOnly);
        return names;
    }

    void preview(const ApplicantRecord &seen)
    {
        const QString name = texts.value(QStringLiteral("Text1"));
        if (name == QLatin1String(".")) {
            if (!sample)
                sample = seen;
            ApplicantRecord next = *sample;
            next.SpouseFirstName = next.SpouseMiddleInitial = next.SpouseLastName = QString();
            next.City = QStringLiteral("Copper Wash City");
            next.State = QStringLiteral("AZ");
            next.PrimaryOS = QStringLiteral("XP");
            next.SpouseBirthday = record.SpouseBirthday;
            record = next;
            texts[QStringLiteral("Text16")] = record.Birthday;
        } else if (name.isEmpty()) {
            warnings.append({Title, QStringLiteral("You must enter a name.")});
            return;
        } else if (texts.value(QStringLiteral("Text7")).isEmpty()) {
            warnings.append({Title, QStringLiteral("You must enter a Street address.")});
            return;
        } else {
            for (const EntryBox &box : entryBoxes())
                record.*box.field = texts.value(box.name);
        }
        record.MembershipType = renewal ? QStringLiteral("Renewal") : QStringLiteral("New");
        pageView = true;
    }

    void edit()
    {
        for (const EntryBox &box : entryBoxes()) {
            if (box.name != QLatin1String("Text16") && box.name != QLatin1String("Text17"))
                texts[box.name] = record.*box.field;
        }
        texts[QStringLiteral("Text14")] = EditInstruction;
        pageView = false;
    }
};

// A key of the keyboard where there is one, else the text an input method sends.
void typeKey(QLineEdit *line, const QString &text)
{
    if (text.size() == 1 && text.at(0).unicode() < 0x80)
        QTest::keyClicks(line, text);
    else
        QTest::sendKeyEvent(QTest::Click, line, Qt::Key_unknown, text, Qt::NoModifier);
}

// The first difference between what the user sees and the model, or an
// empty text.
QString difference(const Form7 &window, const FakeShell &shell, const ApplicantRecord &record, const Model &model)
{
    if (window.isMaximized() != model.pageView)
        return QStringLiteral("the window is %1").arg(window.isMaximized() ? "maximized" : "not maximized");
    const QColor background = model.pageView ? QColor(255, 255, 255) : QColor(240, 255, 255);
    if (window.surface()->BackColor() != background)
        return QStringLiteral("the background is %1").arg(window.surface()->BackColor().name());
    QStringList visible;
    for (const QString &name : allControls()) {
        if (control(window, name)->isVisible())
            visible << name;
    }
    QStringList expected = model.visible();
    visible.sort();
    expected.sort();
    if (visible != expected)
        return QStringLiteral("visible: %1; expected: %2").arg(visible.join(u' '), expected.join(u' '));
    for (const QString &name : typedBoxes()) {
        if (entryText(window, name) != model.texts.value(name))
            return QStringLiteral("%1 shows \"%2\", expected \"%3\"")
                .arg(name, entryText(window, name).left(200), model.texts.value(name).left(200));
    }
    if (control<QCheckBox>(window, QStringLiteral("Check1"))->isChecked() != model.publish
        || control<QCheckBox>(window, QStringLiteral("Check2"))->isChecked() != model.sendEmail)
        return QStringLiteral("a check box is not as ticked");
    if (control<QRadioButton>(window, QStringLiteral("Option2"))->isChecked() != model.renewal
        || control<QRadioButton>(window, QStringLiteral("Option1"))->isChecked() == model.renewal)
        return QStringLiteral("New or Renewal is not as chosen");
    for (const EntryBox &box : entryBoxes()) {
        if (record.*box.field != model.record.*box.field)
            return QStringLiteral("the record keeps %1 \"%2\", expected \"%3\"")
                .arg(QLatin1String(box.role), (record.*box.field).left(200), (model.record.*box.field).left(200));
    }
    if (record.MembershipType != model.record.MembershipType)
        return QStringLiteral("the record keeps the membership type \"%1\"").arg(record.MembershipType);
    if (shell.warnings.size() != model.warnings.size())
        return QStringLiteral("%1 messages shown, expected %2").arg(shell.warnings.size()).arg(model.warnings.size());
    if (!shell.warnings.isEmpty()) {
        const FakeShell::Warning &shown = shell.warnings.last();
        const FakeShell::Warning &wanted = model.warnings.last();
        // A failed print names the file; its other words are the program's.
        const bool textAsWanted = wanted.text.isEmpty() ? shown.text.contains(Unwritable) : shown.text == wanted.text;
        if (shown.title != wanted.title || !textAsWanted)
            return QStringLiteral("the message \"%1\" titled \"%2\"").arg(shown.text, shown.title);
    }
    if (shell.printDialogs != model.printDialogs)
        return QStringLiteral("%1 print dialogs, expected %2").arg(shell.printDialogs).arg(model.printDialogs);
    if (shell.endCalls != 0)
        return QStringLiteral("the program ended");
    return {};
}

} // namespace

class tst_RandomSession : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void session_data();
    void session();
};

void tst_RandomSession::session_data()
{
    QTest::addColumn<quint32>("seed");

    bool chosen = false;
    const quint32 seed = qEnvironmentVariable("TFCC_RANDOM_SEED").toUInt(&chosen);
    if (chosen) {
        QTest::newRow("seed from TFCC_RANDOM_SEED") << seed;
        return;
    }
    QTest::newRow("fixed seed") << quint32(20031019);
    QTest::newRow("fresh seed") << QRandomGenerator::global()->generate();
}

void tst_RandomSession::session()
{
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);

    Session session(Session::LoadAndShow);
    auto &[shell, record, window] = session;
    QVERIFY(QTest::qWaitForWindowActive(&window));
    Model model;
    const QStringList boxes = typedBoxes();
    QMap<QString, int> kinds;

    for (int step = 1; step <= Steps; ++step) {
        QString kind;
        QString did;
        const int roll = random.bounded(100);
        if (model.pageView) {
            if (roll < 50) {
                kind = did = QStringLiteral("Edit");
                click(window, "Command4");
                model.edit();
            } else {
                const bool cancel = roll < 75;
                kind = did = cancel ? QStringLiteral("Print cancelled") : QStringLiteral("Print failed");
                printTo(shell, Unwritable);
                shell.acceptPrint = !cancel;
                click(window, "Command3");
                ++model.printDialogs;
                if (!cancel)
                    model.warnings.append({Title, QString()});
            }
        } else if (roll < 45) {
            const QString name = boxes.at(random.bounded(boxes.size()));
            QLineEdit *line = lineEdit(window, name);
            line->setFocus();
            QTest::keyClick(line, Qt::Key_End);
            QString typed;
            if (random.bounded(6) == 0) {
                typed = Pastes.at(random.bounded(Pastes.size()));
                line->insert(typed);
            } else {
                for (int n = 1 + random.bounded(6); n > 0; --n) {
                    const QString key = Keys.at(random.bounded(Keys.size()));
                    typeKey(line, key);
                    typed += key;
                }
            }
            kind = QStringLiteral("typing");
            did = QStringLiteral("typed \"%1\" into %2").arg(typed, name);
            model.texts[name] += typed;
        } else if (roll < 51) {
            // Half the time one of the two required boxes, so that Preview's checks get their turn.
            const QString required = random.bounded(2) ? QStringLiteral("Text1") : QStringLiteral("Text7");
            const QString name = random.bounded(2) ? boxes.at(random.bounded(boxes.size())) : required;
            QLineEdit *line = lineEdit(window, name);
            line->setFocus();
            QTest::keyClick(line, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(line, Qt::Key_Backspace);
            const bool shortcut = name == QLatin1String("Text1") && random.bounded(2) == 0;
            if (shortcut)
                typeKey(line, QStringLiteral("."));
            kind = shortcut ? QStringLiteral("\".\" alone") : QStringLiteral("emptying");
            did = QStringLiteral("%1 %2").arg(shortcut ? "typed \".\" alone into" : "emptied", name);
            model.texts[name] = shortcut ? QStringLiteral(".") : QString();
        } else if (roll < 55) {
            const int entry = random.bounded(OsEntries.size());
            kind = QStringLiteral("list choice");
            did = QStringLiteral("chose %1 from the list").arg(OsEntries.at(entry));
            control<QComboBox>(window, QStringLiteral("Combo1"))->setCurrentIndex(entry);
            model.texts[QStringLiteral("Combo1")] = OsEntries.at(entry);
        } else if (roll < 63) {
            const bool first = random.bounded(2);
            kind = QStringLiteral("check box");
            did = first ? QStringLiteral("ticked Check1") : QStringLiteral("ticked Check2");
            control<QCheckBox>(window, first ? QStringLiteral("Check1") : QStringLiteral("Check2"))->click();
            bool &value = first ? model.publish : model.sendEmail;
            value = !value;
        } else if (roll < 70) {
            model.renewal = random.bounded(2);
            kind = QStringLiteral("New or Renewal");
            did = model.renewal ? QStringLiteral("chose Renewal") : QStringLiteral("chose New");
            control<QRadioButton>(window, model.renewal ? QStringLiteral("Option2") : QStringLiteral("Option1"))
                ->click();
        } else {
            did = QStringLiteral("Preview");
            click(window, "Command1");
            model.preview(record);
            kind = model.pageView ? QStringLiteral("Preview") : QStringLiteral("Preview refused");
        }

        ++kinds[kind];
        const QString diff = difference(window, shell, record, model);
        if (!diff.isEmpty())
            QFAIL(qPrintable(QStringLiteral("seed %1, step %2 (%3): %4").arg(seed).arg(step).arg(did, diff)));
    }
    QStringList summary;
    for (auto kind = kinds.cbegin(); kind != kinds.cend(); ++kind)
        summary << QStringLiteral("%1 %2").arg(kind.key()).arg(kind.value());
    qInfo("seed %u: %s; %lld messages", seed, qPrintable(summary.join(QStringLiteral(", "))), qint64(shell.warnings.size()));
}

QTEST_MAIN(tst_RandomSession)
#include "tst_randomsession.moc"
