#include "facecoverage.h"
#include "formdriver.h"
#include "pageinputs.h"
#include "previewpage.h"
#include "printedpage.h"
#include "recordingsurface.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QGlyphRun>
#include <QPageSize>
#include <QPrinter>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextLayout>


using namespace FormDriver;

// Unusual text in the boxes: it must come through Preview, Edit and Print as
// it was typed, without the toolkit reading anything into it.

namespace {

constexpr qsizetype LongLength = 100000;
// Far above what the long text takes; only a runaway shows here.
constexpr qint64 LongTextBudgetMs = 10000;

QString longText()
{
    QString text;
    text.reserve(LongLength);
    while (text.size() < LongLength)
        text += QStringLiteral("Long%1 ").arg(text.size(), 6, 10, QLatin1Char('0'));
    text.truncate(LongLength);
    return text;
}

// Plain entries in every box, so that Preview passes and every value has its
// place on both pages (the spouse's birthday needs the spouse's names).
void fillPlainEntries(const Form7 &window)
{
    const QStringList plain = QStringLiteral("Ann|B.|Cole|01/02|Dana|E.|Fox|03/04|9 Elm St|Tucson|AZ|85917|"
                                             "555-0100|555-0199|ann@example.net|example.net/ann|Linux")
                                  .split(QLatin1Char('|'));
    for (qsizetype i = 0; i < entryBoxes().size(); ++i)
        enter(window, entryBoxes().at(i).name, plain.at(i));
}

// Text as a reader finds it on paper: composed, without the invisible
// joiners, with each run of blanks made one.
QString asRead(const QString &text)
{
    QString visible;
    for (const QChar c : text.normalized(QString::NormalizationForm_C)) {
        if (c.category() != QChar::Other_Format)
            visible += c;
    }
    return visible.simplified();
}

// The visible characters of text that show as the missing-glyph box in the
// font, though an installed face has them: the font must fall back to the
// desktop's faces for what it lacks.
QString shownAsBoxes(const QFont &font, const QString &text)
{
    QString boxes;
    const QList<uint> codePoints = asRead(text).toUcs4();
    for (const uint c : QSet<uint>(codePoints.begin(), codePoints.end())) {
        const QString one = QString::fromUcs4(reinterpret_cast<const char32_t *>(&c), 1);
        if (one.front().isSpace())
            continue;
        QTextLayout layout(one, font);
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        const QList<QGlyphRun> runs = layout.glyphRuns();
        bool box = runs.isEmpty();
        for (const QGlyphRun &run : runs)
            box = box || run.glyphIndexes().contains(0U);
        if (box && someFaceCarries(c))
            boxes += one;
    }
    return boxes;
}

// How many of the drawn texts hold value.
qsizetype drawnWith(const RecordingSurface &surface, const QString &value)
{
    return std::count_if(surface.texts.begin(), surface.texts.end(),
                         [&](const RecordingSurface::Text &t) { return t.text.contains(value); });
}

} // namespace

class tst_BadInput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void comesThroughAsTyped_data();
    void comesThroughAsTyped();
    void listBoxKeepsWhatIsTyped_data();
    void listBoxKeepsWhatIsTyped();

private:
    QTemporaryDir m_dir;
    int m_pdfs = 0;
};

void tst_BadInput::initTestCase()
{
    QVERIFY(m_dir.isValid());
    if (!pdfToolsAvailable())
        QFAIL("pdftotext is missing (Debian package poppler-utils)");
}

void tst_BadInput::comesThroughAsTyped_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("box"); // empty: every box at once
    QTest::addColumn<bool>("readable"); // read back from the printed page

    // Scripts the page's face has no letters for are printed in whatever
    // face the machine falls back to, if any: only their way through the
    // program is checked. Everything else must come back from the paper.
    const struct
    {
        const char *what;
        QString text;
        bool readable;
    } texts[] = {
        {"100,000 characters", longText(), true},
        {"accented Latin", QStringLiteral("Zoë Ångström-Núñez"), true},
        {"Greek", QStringLiteral("Αλέξανδρος Πάππας"), true},
        {"CJK", QStringLiteral("山田太郎 東京都"), false},
        {"emoji beyond the basic plane", QStringLiteral("😀 👨\u200D👩\u200D👧 𝄞"), false},
        {"Arabic", QStringLiteral("محمد عبد الله"), false},
        {"Hebrew", QStringLiteral("דוד כהן"), false},
        {"combining marks", QStringLiteral("Jose\u0301 Zoe\u0308"), true},
        {"zero-width joiners", QStringLiteral("Ann\u200DLee\u200CSon"), true},
        {"ampersand", QStringLiteral("&"), true},
        {"double ampersand", QStringLiteral("&&"), true},
        {"markup", QStringLiteral("<b>bold</b>"), true},
        {"placeholders", QStringLiteral("%1 %2"), true},
        {"tab", QStringLiteral("Tab\there"), true},
        {"leading and trailing blanks", QStringLiteral("  Ann Lee  "), true},
    };
    // TFCC_EVERY_BOX_ONLY: each text in all the boxes at once, not also box by
    // box, where a row costs seconds (under Wine).
    const bool everyBoxOnly = qEnvironmentVariableIsSet("TFCC_EVERY_BOX_ONLY");
    for (const auto &[what, text, readable] : texts) {
        for (const EntryBox &box : entryBoxes()) {
            if (!everyBoxOnly)
                QTest::addRow("%s in %s", what, box.role) << text << box.name << readable;
        }
        QTest::addRow("%s in every box", what) << text << QString() << readable;
    }
}

void tst_BadInput::comesThroughAsTyped()
{
    QFETCH(QString, text);
    QFETCH(QString, box);
    QFETCH(bool, readable);

    Session session(Session::LoadAndShow);
    auto &[shell, record, window] = session;
    fillPlainEntries(window);
    QList<EntryBox> typedIn;
    for (const EntryBox &entry : entryBoxes()) {
        if (box.isEmpty() || entry.name == box)
            typedIn << entry;
    }
    for (const EntryBox &entry : std::as_const(typedIn))
        enter(window, entry.name, text);
    if (box.isEmpty())
        enter(window, QStringLiteral("Text14"), text);
    QStringList entered;
    for (const EntryBox &entry : entryBoxes())
        entered << entryText(window, entry.name);
    for (const EntryBox &entry : std::as_const(typedIn))
        QCOMPARE(entryText(window, entry.name), text);
    // The boxes show it in the window's font, with the desktop's faces for
    // the scripts that face lacks.
    QCOMPARE(shownAsBoxes(window.font(), text), QString());

    QElapsedTimer timer;
    timer.start();
    click(window, "Command1");
    const qint64 previewMs = timer.elapsed();
    QCOMPARE(shell.warnings.size(), 0);
    for (qsizetype i = 0; i < entryBoxes().size(); ++i)
        QCOMPARE(record.*entryBoxes().at(i).field, entered.at(i));

    // The pages draw each value as one text, or inside the joined city line.
    PageInputs in;
    in.record = record;
    in.memberBirthday = entryText(window, QStringLiteral("Text16"));
    in.spouseBirthday = entryText(window, QStringLiteral("Text17"));
    in.date = QStringLiteral("March 05, 2026");
    qsizetype items = 0;
    bool inCityLine = false;
    for (const EntryBox &entry : std::as_const(typedIn)) {
        if (entry.name == QLatin1String("Text8") || entry.name == QLatin1String("Text9")
            || entry.name == QLatin1String("Text10"))
            inCityLine = true;
        else
            ++items;
    }
    items += inCityLine ? 1 : 0;
    RecordingSurface preview;
    PreviewPage::compose(preview, in);
    QCOMPARE(drawnWith(preview, text), items);
    RecordingSurface printed;
    PrintedPage::compose(printed, in, QImage(), QImage());
    QCOMPARE(drawnWith(printed, text), items);

    click(window, "Command4");
    for (qsizetype i = 0; i < entryBoxes().size(); ++i)
        QCOMPARE(entryText(window, entryBoxes().at(i).name), entered.at(i));

    click(window, "Command1");
    const QString pdf = m_dir.filePath(QStringLiteral("page-%1.pdf").arg(++m_pdfs));
    printTo(shell, pdf);
    if (typedIn.size() > 1) {
        // A line of several such values, each after the one before it, is
        // longer than a sheet of letter paper: a wide sheet keeps them all.
        shell.configurePrinter = [chosen = shell.configurePrinter](QPrinter &printer) {
            chosen(printer);
            printer.setPageSize(QPageSize(QSizeF(30, 11), QPageSize::Inch, QString(), QPageSize::ExactMatch));
        };
    }
    timer.restart();
    click(window, "Command3");
    const qint64 printMs = timer.elapsed();
    QCOMPARE(shell.warnings.size(), 0);
    QCOMPARE(shell.endCalls, 1);
    QVERIFY(QFileInfo(pdf).size() > 0);

    if (text.size() == LongLength) {
        qInfo("%lld characters in %lld box(es): Preview %lld ms, Print %lld ms", qint64(LongLength), qint64(typedIn.size()),
              previewMs, printMs);
        QVERIFY2(previewMs < LongTextBudgetMs && printMs < LongTextBudgetMs, "the long text took far too long");
    }

    if (!readable)
        return;
    const QString read = asRead(pdfText(pdf));
    // A long value runs off the paper; its start is on it.
    if (text.size() == LongLength)
        QVERIFY2(read.contains(asRead(text.left(20))), qPrintable(read.left(2000)));
    else
        QCOMPARE(read.count(asRead(text)), typedIn.size());
}

// Typed keys that begin an entry of the list are not completed to it.
void tst_BadInput::listBoxKeepsWhatIsTyped_data()
{
    QTest::addColumn<QString>("typed");

    QTest::newRow("digit beginning \"98 SE\"") << QStringLiteral("9");
    QTest::newRow("lower case beginning \"ME\"") << QStringLiteral("m");
    QTest::newRow("lower case beginning \"XP\"") << QStringLiteral("x");
}

void tst_BadInput::listBoxKeepsWhatIsTyped()
{
    QFETCH(QString, typed);

    Session session(Session::ShowOnly);
    auto &[shell, record, window] = session;
    QVERIFY(QTest::qWaitForWindowActive(&window));
    fillPlainEntries(window);
    enter(window, QStringLiteral("Combo1"), QString());
    QLineEdit *line = lineEdit(window, QStringLiteral("Combo1"));
    line->setFocus();
    QTest::keyClicks(line, typed);
    QCOMPARE(entryText(window, QStringLiteral("Combo1")), typed);

    click(window, "Command1");
    QCOMPARE(record.PrimaryOS, typed);
    click(window, "Command4");
    QCOMPARE(entryText(window, QStringLiteral("Combo1")), typed);
}

QTEST_MAIN(tst_BadInput)
#include "tst_badinput.moc"
