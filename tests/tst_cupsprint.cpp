#include "formdriver.h"
#include "printersurface.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QLocale>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRawFont>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QtEndian>

#include <optional>

// Printing through a real print service: the private scheduler that CTest
// starts (cupsd_start) takes the page on its default queue and keeps each job
// as a file, which poppler's tools read back.

using FormDriver::control;
using FormDriver::Session;
using FormDriver::Title;

namespace {

const QString Queue = QStringLiteral("tfcc-test");
constexpr int JobTimeoutMs = 20000;

struct Entries
{
    QString firstName, middleInitial, lastName, birthday;
    QString spouseFirstName, spouseMiddleInitial, spouseLastName, spouseBirthday;
    QString street, city, state, zip;
    QString dayPhone, eveningPhone, email, webPage, os;
    bool renewal = false;
    bool publish = true;
    bool sendEmail = true;
};

Entries fullEntries()
{
    Entries e;
    e.firstName = QStringLiteral("Rosalind");
    e.middleInitial = QStringLiteral("T.");
    e.lastName = QStringLiteral("Whitacre");
    e.birthday = QStringLiteral("March 14");
    e.spouseFirstName = QStringLiteral("Daniel");
    e.spouseMiddleInitial = QStringLiteral("J.");
    e.spouseLastName = QStringLiteral("Whitacre");
    e.spouseBirthday = QStringLiteral("July 2");
    e.street = QStringLiteral("1208 Saguaro Lane");
    e.city = QStringLiteral("Copper Wash City");
    e.state = QStringLiteral("AZ");
    e.zip = QStringLiteral("85919");
    e.dayPhone = QStringLiteral("555-0142");
    e.eveningPhone = QStringLiteral("555-0199");
    e.email = QStringLiteral("rwhitacre@example.net");
    e.webPage = QStringLiteral("www.example.net/rw");
    e.os = QStringLiteral("Linux");
    e.renewal = true;
    e.publish = true;
    e.sendEmail = false;
    return e;
}

void fillIn(Form7 &window, const Entries &e)
{
    const QList<QPair<const char *, QString>> texts = {
        {"Text1", e.firstName},      {"Text2", e.middleInitial},   {"Text3", e.lastName},
        {"Text16", e.birthday},      {"Text4", e.spouseFirstName}, {"Text5", e.spouseMiddleInitial},
        {"Text6", e.spouseLastName}, {"Text17", e.spouseBirthday}, {"Text7", e.street},
        {"Text8", e.city},           {"Text9", e.state},           {"Text10", e.zip},
        {"Text11", e.dayPhone},      {"Text12", e.eveningPhone},   {"Text13", e.email},
        {"Text15", e.webPage},
    };
    for (const auto &[name, text] : texts)
        control<QLineEdit>(window, name)->setText(text);
    control<QComboBox>(window, "Combo1")->setEditText(e.os);
    control<QRadioButton>(window, e.renewal ? "Option2" : "Option1")->setChecked(true);
    control<QCheckBox>(window, "Check1")->setChecked(e.publish);
    control<QCheckBox>(window, "Check2")->setChecked(e.sendEmail);
}

void click(Form7 &window, const char *button)
{
    QTest::mouseClick(control<QPushButton>(window, button), Qt::LeftButton);
}

// What a user can see of the window: which named controls are shown, and
// whether it is maximized.
QString shape(const Form7 &window)
{
    QStringList shown;
    const QList<QWidget *> children = window.findChildren<QWidget *>();
    for (const QWidget *child : children) {
        if (!child->objectName().isEmpty() && child->isVisible())
            shown << child->objectName();
    }
    shown.sort();
    return (window.isMaximized() ? QStringLiteral("maximized: ") : QStringLiteral("normal: "))
        + shown.join(QLatin1Char(' '));
}

QStringList warningTitles(const FakeShell &shell)
{
    QStringList titles;
    for (const FakeShell::Warning &warning : shell.warnings)
        titles << warning.title;
    return titles;
}

QString cupsDir()
{
    return qEnvironmentVariable("TFCC_CUPS_DIR");
}

QString jobsDir()
{
    return cupsDir() + QStringLiteral("/jobs");
}

QStringList jobFiles()
{
    return QDir(jobsDir()).entryList({QStringLiteral("job-*.bin")}, QDir::Files, QDir::Name);
}

// The first job file that was not there before, or an empty string when none
// came within timeoutMs.
QString waitForNewJob(const QStringList &before, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    do {
        const QStringList now = jobFiles();
        for (const QString &name : now) {
            if (!before.contains(name))
                return jobsDir() + QLatin1Char('/') + name;
        }
        QTest::qWait(100);
    } while (timer.elapsed() < timeoutMs);
    return {};
}

struct Run
{
    int exitCode = -1;
    QString output;
};

Run run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.start(program, arguments);
    Run result;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        result.output = QStringLiteral("%1 did not finish").arg(program);
        return result;
    }
    result.output = QString::fromUtf8(process.readAllStandardOutput());
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    if (result.exitCode != 0)
        result.output += QString::fromUtf8(process.readAllStandardError());
    return result;
}

// The ids of every job the queue has taken, printed or not; nothing when the
// scheduler cannot be asked. It keeps its history, so a job that should not
// have been sent shows here as soon as the sending is over, whenever it would
// have printed.
std::optional<QStringList> jobHistory()
{
    const Run r =
        run(QStringLiteral("lpstat"), {QStringLiteral("-W"), QStringLiteral("all"), QStringLiteral("-o"), Queue});
    if (r.exitCode != 0) {
        qWarning("lpstat: %s", qPrintable(r.output));
        return std::nullopt;
    }
    QStringList ids;
    const QStringList lines = r.output.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &line : lines)
        ids << line.section(QLatin1Char(' '), 0, 0);
    return ids;
}

// Runs one of the private scheduler's commands: start, stop, accept, reject,
// enable, disable.
bool harness(const QString &command)
{
    const Run r = run(qEnvironmentVariable("TFCC_CUPS_HARNESS"), {command, cupsDir()});
    if (r.exitCode != 0)
        qWarning("cupsd-harness %s: %s", qPrintable(command), qPrintable(r.output));
    return r.exitCode == 0;
}

QStringList tableColumn(const QString &table, int column, const QString &filterColumnValue = {},
                        int filterColumn = -1)
{
    QStringList values;
    const QStringList lines = table.split(QLatin1Char('\n'));
    // Both tools print a heading and a rule first.
    for (qsizetype i = 2; i < lines.size(); ++i) {
        const QStringList cells = lines.at(i).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (cells.size() <= std::max(column, filterColumn))
            continue;
        if (filterColumn >= 0 && cells.at(filterColumn) != filterColumnValue)
            continue;
        values << cells.at(column);
    }
    return values;
}

QString today()
{
    return QLocale().toString(QDate::currentDate(), QStringLiteral("MMMM dd, yyyy"));
}

// The page's lines as a reader sees them, with runs of blanks made one.
QStringList expectedLines(const Entries &e, const QString &date)
{
    QStringList lines = {
        QStringLiteral("Membership Application"),
        QStringLiteral("Application must be filled out every year when paying dues. [%1]")
            .arg(e.renewal ? QStringLiteral("Renewal") : QStringLiteral("New")),
        QStringLiteral("Name: %1 %2 %3 Birthday: %4").arg(e.firstName, e.middleInitial, e.lastName, e.birthday),
    };
    if (e.spouseFirstName.isEmpty())
        lines << QStringLiteral("Spouse: %1 %2").arg(e.spouseMiddleInitial, e.spouseLastName);
    else
        lines << QStringLiteral("Spouse: %1 %2 %3 Birthday: %4")
                     .arg(e.spouseFirstName, e.spouseMiddleInitial, e.spouseLastName, e.spouseBirthday);
    lines << QStringLiteral("Address: %1").arg(e.street)
          << QStringLiteral("City, ST, Zip: %1, %2 %3").arg(e.city, e.state, e.zip)
          << QStringLiteral("Day Phone: %1 Evening: %2 OS: %3").arg(e.dayPhone, e.eveningPhone, e.os)
          << QStringLiteral("E-Mail: %1 URL: %2").arg(e.email, e.webPage)
          << QStringLiteral("You %1 print my name, phone, and e-mail address in the Club Address Book.")
                 .arg(e.publish ? QStringLiteral("MAY") : QStringLiteral("may NOT"))
          << QStringLiteral("You %1 send me e-mail from Club officers and Committees.")
                 .arg(e.sendEmail ? QStringLiteral("MAY") : QStringLiteral("may NOT"))
          << QStringLiteral("Yearly dues are $18.00 (Family members included), due in January. If you join "
                            "after March they are prorated at")
          << QStringLiteral("$2.00 per month for the remainder of the year, total not to exceed $18.00.")
          << QStringLiteral("I understand as a member of the Club, that I will be entitled to attend all "
                            "meetings and receive all official Club")
          << QStringLiteral("communications. I can run for office and paricipate in the voting on all major "
                            "policies and officer elections,")
          << QStringLiteral("subject to the Club Bylaws.")
          << QStringLiteral("Signature:%1 Date: %2").arg(QString(57, QLatin1Char('_')), date)
          << QStringLiteral("Bring this application to the next monthly meeting or mail it and a check for "
                            "your dues to:")
          << QStringLiteral("Tamarisk Flats Computer Club")
          << QStringLiteral("PO Box 4417")
          << QStringLiteral("Copper Wash City, AZ 85917")
          << QStringLiteral("Do not send cash! Make checks payable to Tamarisk Flats Computer Club.")
          << QStringLiteral("Regular meetings are held on the fourth Monday of each month at: Pinyon County "
                            "Library.")
          << QStringLiteral("Note: The dues are used to send out a monthly newsletter to the members, and "
                            "other miscellaneous")
          << QStringLiteral("expenses. You do not have to own a computer to become a member. You are welcome "
                            "to attend a")
          << QStringLiteral("meeting before joining.")
          << QString(125, QLatin1Char('-'))
          << QStringLiteral("For the Treasurer only:")
          << QStringLiteral("Amount Paid: $___________, Check [ ] Cash [ ] Date Received:______/_______")
          << QStringLiteral("QMW 20031019");
    for (QString &line : lines)
        line = line.simplified();
    return lines;
}

QStringList pdfLines(const QString &pdf)
{
    QStringList lines;
    const QStringList raw = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")})
                                .output.split(QLatin1Char('\n'));
    for (const QString &line : raw) {
        const QString simple = line.simplified();
        if (!simple.isEmpty())
            lines << simple;
    }
    return lines;
}

// The top of each line of the page, in points from the top of the paper: the
// top of the first word of every run of words that share a line.
QList<double> lineTops(const QString &pdf)
{
    QList<double> tops;
    const QString words = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")}).output;
    static const QRegularExpression word(QStringLiteral("<word xMin=\"[-0-9.]+\" yMin=\"([-0-9.]+)\""));
    for (auto it = word.globalMatch(words); it.hasNext();) {
        const double top = it.next().captured(1).toDouble();
        if (tops.isEmpty() || qAbs(top - tops.last()) > 2)
            tops << top;
    }
    return tops;
}

// Where the lines of the page that hold text stand below its first, in
// points, on a printer of dpi dots to the inch: every line advances by the
// ascent and descent of the font it ends in, at the size the printer draws
// it; the page's blank lines are left out.
QList<double> expectedLineOffsets(int dpi)
{
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setResolution(dpi);
    const auto height = [&](double points) {
        QFont font(QStringLiteral("Times New Roman"));
        font.setPointSizeF(points);
        const QRawFont face = QRawFont::fromFont(QFont(font, &printer));
        return (face.ascent() + face.descent()) * 72 / printer.logicalDpiY();
    };
    // The title is 24 points, the lines up to the permissions 12, the rest 10.
    const double title = height(24), data = height(12), rest = height(10);
    const auto advance = [&](int line) { return line == 1 ? title : line <= 12 ? data : rest; };
    const QList<int> shown = {1, 3, 5, 6, 7, 8, 9, 10, 11, 12, 14, 15, 17, 18, 19,
                              21, 23, 25, 26, 27, 29, 31, 33, 34, 35, 37, 39, 41, 45};
    QList<double> offsets;
    double y = 0;
    for (int line = 1; line <= shown.last(); ++line) {
        if (shown.contains(line))
            offsets << y;
        y += advance(line);
    }
    return offsets;
}

// The PostScript name of a face, which a PDF gives the font it embeds, from
// the face's own name table: the Windows or Unicode entry, else the Mac one.
QString postScriptName(const QRawFont &face)
{
    const QByteArray table = face.fontTable("name");
    const auto word = [&](qsizetype at) {
        return at + 2 <= table.size() ? qFromBigEndian<quint16>(table.constData() + at) : 0;
    };
    const int count = word(2);
    const qsizetype strings = word(4);
    QString mac;
    for (int i = 0; i < count; ++i) {
        const qsizetype record = 6 + 12 * i;
        const quint16 platform = word(record);
        const qsizetype length = word(record + 8);
        const qsizetype at = strings + word(record + 10);
        if (word(record + 6) != 6 || record + 12 > table.size() || at + length > table.size())
            continue;
        if (platform == 0 || platform == 3) {
            QString name;
            for (qsizetype c = 0; c + 1 < length; c += 2)
                name += QChar(word(at + c));
            return name;
        }
        if (platform == 1 && mac.isEmpty())
            mac = QString::fromLatin1(table.constData() + at, length);
    }
    return mac;
}

// The faces the toolkit finds for the page's font on this machine: a real
// Times New Roman where there is one, a look-alike where there is not.
QStringList pageFaces()
{
    QStringList names;
    for (const bool bold : {false, true}) {
        for (const bool italic : {false, true}) {
            QFont font(QStringLiteral("Times New Roman"));
            font.setBold(bold);
            font.setItalic(italic);
            names << postScriptName(QRawFont::fromFont(font));
        }
    }
    names.sort();
    names.removeDuplicates();
    return names;
}

} // namespace

Q_DECLARE_METATYPE(Entries)

class tst_CupsPrint : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void printsTheApplication_data();
    void printsTheApplication();
    void cancelledDialogPrintsNothing();
    void refusedPrintKeepsThePageView_data();
    void refusedPrintKeepsThePageView();
    void refusalAtSubmissionIsReported_data();
    void refusalAtSubmissionIsReported();
};

void tst_CupsPrint::initTestCase()
{
    if (cupsDir().isEmpty() || qEnvironmentVariable("TFCC_CUPS_HARNESS").isEmpty()
        || qEnvironmentVariable("CUPS_SERVER").isEmpty())
        QFAIL("Run through CTest, whose cupsd fixture sets CUPS_SERVER, TFCC_CUPS_DIR and TFCC_CUPS_HARNESS.");
    for (const char *tool : {"pdfinfo", "pdftotext", "pdffonts", "pdfimages"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            QFAIL(qPrintable(QStringLiteral("%1 is missing (Debian package poppler-utils)").arg(QLatin1String(tool))));
    }
    QVERIFY2(QDir(jobsDir()).exists(), qPrintable(jobsDir() + QStringLiteral(" does not exist: is the scheduler up?")));
}

// A failed test must not leave the queue refusing jobs or the scheduler down
// for the tests after it.
void tst_CupsPrint::cleanup()
{
    if (!harness(QStringLiteral("accept")))
        QVERIFY(harness(QStringLiteral("start")));
    QVERIFY(harness(QStringLiteral("enable")));
}

void tst_CupsPrint::printsTheApplication_data()
{
    QTest::addColumn<Entries>("entries");

    QTest::newRow("renewal with spouse, publish only") << fullEntries();

    Entries single = fullEntries();
    single.spouseFirstName.clear();
    single.spouseMiddleInitial.clear();
    single.spouseLastName.clear();
    single.renewal = false;
    single.publish = false;
    single.sendEmail = true;
    QTest::newRow("new without spouse, e-mail only") << single;

    Entries areaCodes = fullEntries();
    areaCodes.dayPhone = QStringLiteral("(520) 555-0119");
    areaCodes.eveningPhone = QStringLiteral("(520) 555-0164");
    QTest::newRow("phones with area codes") << areaCodes;
}

void tst_CupsPrint::printsTheApplication()
{
    QFETCH(Entries, entries);

    Session session(Session::LoadAndShow);
    auto &[shell, record, window] = session;
    shell.acceptPrint = true;
    QString dialogPrinter;
    QPrinter::OutputFormat dialogFormat = QPrinter::PdfFormat;
    int dialogResolution = 0;
    shell.configurePrinter = [&](QPrinter &printer) {
        dialogPrinter = printer.printerName();
        dialogFormat = printer.outputFormat();
        dialogResolution = printer.resolution();
    };
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    fillIn(window, entries);
    click(window, "Command1");
    QVERIFY(shell.warnings.isEmpty());
    QVERIFY(control<QPushButton>(window, "Command3")->isVisible());

    const QStringList before = jobFiles();
    const QString dateBefore = today();
    click(window, "Command3");
    const QString dateAfter = today();

    QCOMPARE(shell.printDialogs, 1);
    QCOMPARE(dialogPrinter, Queue);
    QCOMPARE(dialogFormat, QPrinter::NativeFormat);
    QCOMPARE(warningTitles(shell), QStringList());
    QCOMPARE(shell.endCalls, 1);

    const QString pdf = waitForNewJob(before, JobTimeoutMs);
    QVERIFY2(!pdf.isEmpty(), "no job reached the queue");

    const Run info = run(QStringLiteral("pdfinfo"), {pdf});
    QCOMPARE(info.exitCode, 0);
    QVERIFY2(info.output.contains(QRegularExpression(QStringLiteral("^Pages: +1$"),
                                                     QRegularExpression::MultilineOption)),
             qPrintable(info.output));

    const QStringList printed = pdfLines(pdf);
    const QStringList expected =
        expectedLines(entries, printed.join(QLatin1Char('\n')).contains(dateAfter) ? dateAfter : dateBefore);
    QCOMPARE(printed, expected);

    const QList<double> tops = lineTops(pdf);
    const QList<double> offsets = expectedLineOffsets(dialogResolution);
    QCOMPARE(tops.size(), offsets.size());
    for (qsizetype i = 1; i < tops.size(); ++i) {
        QVERIFY2(qAbs(tops.at(i) - tops.first() - offsets.at(i)) < 0.5,
                 qPrintable(QStringLiteral("line %1 (%2) stands %3 pt below the first, expected %4")
                                .arg(i + 1)
                                .arg(expected.value(i))
                                .arg(tops.at(i) - tops.first())
                                .arg(offsets.at(i))));
    }

    const QString fontTable = run(QStringLiteral("pdffonts"), {pdf}).output;
    QStringList fonts = tableColumn(fontTable, 0);
    for (QString &font : fonts)
        font.remove(QRegularExpression(QStringLiteral("^[A-Z]{6}\\+")));
    QCOMPARE(tableColumn(fontTable, 4), QStringList(fonts.size(), QStringLiteral("yes")));
    fonts.sort();
    fonts.removeDuplicates();
    QCOMPARE(fonts, pageFaces());

    const QString images = run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf}).output;
    const QStringList widths = tableColumn(images, 3, QStringLiteral("image"), 2);
    const QStringList heights = tableColumn(images, 4, QStringLiteral("image"), 2);
    QStringList sizes;
    for (qsizetype i = 0; i < widths.size() && i < heights.size(); ++i)
        sizes << widths.at(i) + QLatin1Char('x') + heights.at(i);
    sizes.sort();
    QCOMPARE(sizes, QStringList({QStringLiteral("153x103"), QStringLiteral("549x49")}));
}

void tst_CupsPrint::cancelledDialogPrintsNothing()
{
    Session session(Session::LoadAndShow);
    auto &[shell, record, window] = session;
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    fillIn(window, fullEntries());
    click(window, "Command1");
    const QString pageView = shape(window);
    const ApplicantRecord kept = record;

    click(window, "Command3");

    QCOMPARE(shell.printDialogs, 1);
    QCOMPARE(shape(window), pageView);
    QVERIFY(record == kept);
    QCOMPARE(warningTitles(shell), QStringList());
    QCOMPARE(shell.endCalls, 0);
}

void tst_CupsPrint::refusedPrintKeepsThePageView_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("repair");

    QTest::newRow("queue refuses jobs") << QStringLiteral("reject") << QStringLiteral("accept");
    QTest::newRow("queue stopped") << QStringLiteral("disable") << QStringLiteral("enable");
    QTest::newRow("scheduler not running") << QStringLiteral("stop") << QStringLiteral("start");
}

void tst_CupsPrint::refusedPrintKeepsThePageView()
{
    QFETCH(QString, fault);
    QFETCH(QString, repair);

    Session session(Session::LoadAndShow);
    auto &[shell, record, window] = session;
    shell.acceptPrint = true;
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    fillIn(window, fullEntries());
    click(window, "Command1");
    const QString pageView = shape(window);
    const ApplicantRecord kept = record;
    QVERIFY(control<QPushButton>(window, "Command3")->isVisible());

    QVERIFY(harness(fault));
    // With the scheduler down there is no history, and no job can be taken.
    const bool schedulerUp = fault != QLatin1String("stop");
    const std::optional<QStringList> history = schedulerUp ? jobHistory() : QStringList();
    QVERIFY(history);
    click(window, "Command3");

    QCOMPARE(warningTitles(shell), QStringList({Title}));
    QCOMPARE(shell.endCalls, 0);
    QCOMPARE(shape(window), pageView);
    QVERIFY(record == kept);
    if (schedulerUp) {
        const std::optional<QStringList> after = jobHistory();
        QVERIFY(after);
        QCOMPARE(*after, *history);
    }

    QVERIFY(harness(repair));
    const QStringList before = jobFiles();
    click(window, "Command3");
    QCOMPARE(shell.warnings.size(), 1);
    QCOMPARE(shell.endCalls, 1);
    const QString pdf = waitForNewJob(before, JobTimeoutMs);
    QVERIFY2(!pdf.isEmpty(), "no job reached the queue after the fault was cleared");
    QCOMPARE(pdfLines(pdf).value(0), QStringLiteral("Membership Application"));
}

// The toolkit hands the page to the print service only when the document is
// closed, and keeps the answer to itself: a refusal that comes only then must
// still be seen.
void tst_CupsPrint::refusalAtSubmissionIsReported_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("repair");

    QTest::newRow("queue refuses jobs") << QStringLiteral("reject") << QStringLiteral("accept");
    QTest::newRow("scheduler not running") << QStringLiteral("stop") << QStringLiteral("start");
}

void tst_CupsPrint::refusalAtSubmissionIsReported()
{
    QFETCH(QString, fault);
    QFETCH(QString, repair);

    QPrinter printer(QPrinter::HighResolution);
    QCOMPARE(printer.printerName(), Queue);
    PrinterSurface page(printer);
    QVERIFY2(page.begin(), qPrintable(page.errorString()));
    page.setCurrentY(1500);
    page.Print({"Membership Application", Sep::End});

    QVERIFY(harness(fault));
    // With the scheduler down there is no history, and no job can be taken.
    const bool schedulerUp = fault != QLatin1String("stop");
    const std::optional<QStringList> history = schedulerUp ? jobHistory() : QStringList();
    QVERIFY(history);
    QVERIFY(!page.EndDoc());
    QVERIFY(!page.errorString().isEmpty());
    if (schedulerUp) {
        const std::optional<QStringList> after = jobHistory();
        QVERIFY(after);
        QCOMPARE(*after, *history);
    }

    QVERIFY(harness(repair));
}

QTEST_MAIN(tst_CupsPrint)
#include "tst_cupsprint.moc"
