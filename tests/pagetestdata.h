#ifndef TFCC_PAGETESTDATA_H
#define TFCC_PAGETESTDATA_H

#include "pageinputs.h"
#include "recordingsurface.h"

#include <QStringList>
#include <QTest>

#include <algorithm>

// What the tests of the page view and of the printed page share: the sample
// applicant, and reading back what was drawn where.
namespace PageTestData {

inline PageInputs sampleInputs()
{
    PageInputs in;
    ApplicantRecord &r = in.record;
    r.FirstName = QStringLiteral("John");
    r.MiddleInitial = QStringLiteral("Q");
    r.LastName = QStringLiteral("Public");
    r.SpouseFirstName = QStringLiteral("Jane");
    r.SpouseMiddleInitial = QStringLiteral("R");
    r.SpouseLastName = QStringLiteral("Public");
    r.Street = QStringLiteral("12 Mesquite Rd");
    r.City = QStringLiteral("Copper Wash City");
    r.State = QStringLiteral("AZ");
    r.Zip = QStringLiteral("85917");
    r.EMail = QStringLiteral("jqp@example.com");
    r.DayPhone = QStringLiteral("555-0100");
    r.EveningPhone = QStringLiteral("555-0199");
    r.MembershipType = QStringLiteral("New");
    r.WebPage = QStringLiteral("www.example.com");
    r.PrimaryOS = QStringLiteral("Linux");
    // The page must take the birthdays from the boxes, not from the record.
    r.Birthday = QStringLiteral("record birthday");
    r.SpouseBirthday = QStringLiteral("record spouse birthday");
    in.memberBirthday = QStringLiteral("01/02/1960");
    in.spouseBirthday = QStringLiteral("03/04/1962");
    in.publishPermission = 1;
    in.emailPermission = 1;
    in.date = QStringLiteral("March 05, 2026");
    return in;
}

// What was drawn on the line at y between fromX and toX, as "x|text".
inline QStringList placed(const RecordingSurface &surface, double y, double fromX = 0, double toX = 1e9)
{
    QStringList result;
    for (const RecordingSurface::Text &t : surface.texts) {
        if (t.y == y && t.x >= fromX && t.x < toX)
            result << QStringLiteral("%1|%2").arg(t.x).arg(t.text);
    }
    return result;
}

// One text of the sample page, as the recording metrics lay it out: a
// character is size * 10 twips wide, a zone 14 characters, a line size * 25
// twips high.
struct Expected
{
    const char *name;
    QString text;
    double x;
    double y;
    double size;
    bool bold;
    bool italic;
};

inline void addLayoutRows(const QList<Expected> &page)
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < page.size(); ++i)
        QTest::newRow(page.at(i).name) << i;
}

// Every text of the page is in Times New Roman and black, whatever the
// surface held before.
inline void compareDrawn(const RecordingSurface &surface, const Expected &expected, int index)
{
    QVERIFY(index < surface.texts.size());
    const RecordingSurface::Text &drawn = surface.texts.at(index);
    QCOMPARE(drawn.text, expected.text);
    QCOMPARE(drawn.x, expected.x);
    QCOMPARE(drawn.y, expected.y);
    QCOMPARE(drawn.fontSize, expected.size);
    QCOMPARE(drawn.bold, expected.bold);
    QCOMPARE(drawn.italic, expected.italic);
    QCOMPARE(drawn.fontName, QStringLiteral("Times New Roman"));
    QCOMPARE(drawn.color, QColor(Qt::black));
}

inline void addPermissionWordRows()
{
    QTest::addColumn<int>("publish");
    QTest::addColumn<int>("email");
    QTest::addColumn<QString>("publishWord");
    QTest::addColumn<QString>("emailWord");

    QTest::newRow("publish unchecked, e-mail checked") << 0 << 1 << "may NOT " << "MAY ";
    QTest::newRow("publish checked, e-mail unchecked") << 1 << 0 << "MAY " << "may NOT ";
    QTest::newRow("both unchecked") << 0 << 0 << "may NOT " << "may NOT ";
    QTest::newRow("both greyed") << 2 << 2 << "MAY " << "MAY ";
    QTest::newRow("publish greyed, e-mail unchecked") << 2 << 0 << "MAY " << "may NOT ";
}

// The two permission lines: "You ", the word in bold italic at wordX, and
// the sentence in bold right after the word.
inline void comparePermissionLines(const RecordingSurface &surface, double youX, double wordX, double charWidth,
                                   double publishY, double emailY, const QString &publishWord,
                                   const QString &emailWord)
{
    const auto line = [&](const QString &word, const char *sentence) {
        return QStringList({QStringLiteral("%1|You ").arg(youX), QStringLiteral("%1|%2").arg(wordX).arg(word),
                            QStringLiteral("%1|%2").arg(wordX + word.size() * charWidth).arg(QLatin1String(sentence))});
    };
    QCOMPARE(placed(surface, publishY),
             line(publishWord, "print my name, phone, and e-mail address in the Club Address Book."));
    QCOMPARE(placed(surface, emailY), line(emailWord, "send me e-mail from Club officers and Committees."));

    for (const RecordingSurface::Text &t : surface.texts) {
        if (t.y == publishY || t.y == emailY) {
            QVERIFY(t.bold);
            QCOMPARE(t.italic, t.x == wordX);
        }
    }
}

// Texts drawn one right after the other from x on, as "x|text", where a
// character is charWidth twips wide.
inline QStringList laidOut(double x, double charWidth, const QStringList &texts)
{
    QStringList result;
    for (const QString &text : texts) {
        result << QStringLiteral("%1|%2").arg(x).arg(text);
        x += text.size() * charWidth;
    }
    return result;
}

// Rows of a line of the page: the sample changed in one part, and what is
// drawn on the line from there on.
inline void addLineColumns()
{
    QTest::addColumn<PageInputs>("inputs");
    QTest::addColumn<QStringList>("expected");
}

// The membership type in brackets, from the opening bracket at x on.
inline void addMembershipTypeRows(double x, double charWidth)
{
    addLineColumns();
    for (const char *type : {"New", "Renewal"}) {
        PageInputs in = sampleInputs();
        in.record.MembershipType = QLatin1String(type);
        QTest::newRow(QByteArray(type).toLower().constData())
            << in << laidOut(x, charWidth, {QStringLiteral("["), QLatin1String(type), QStringLiteral("]")});
    }
}

// The applicant's names from the first name's place x on.
inline void addNameLineRows(double x, double charWidth)
{
    addLineColumns();
    const auto withName = [](const char *first, const char *middle, const char *last) {
        PageInputs in = sampleInputs();
        in.record.FirstName = QLatin1String(first);
        in.record.MiddleInitial = QLatin1String(middle);
        in.record.LastName = QLatin1String(last);
        return in;
    };
    QTest::newRow("all three names") << withName("John", "Q", "Public")
                                     << laidOut(x, charWidth, {"John", " ", "Q", " ", "Public"});
    // Two blanks between first and last name.
    QTest::newRow("middle initial empty") << withName("John", "", "Public")
                                          << laidOut(x, charWidth, {"John", " ", " ", "Public"});
    QTest::newRow("first name only") << withName("John", "", "") << laidOut(x, charWidth, {"John", " ", " "});
}

// The city line, one text at x.
inline void addCityLineRows(double x)
{
    addLineColumns();
    const auto row = [x](const char *name, const char *city, const char *state, const char *zip,
                         const char *expected) {
        PageInputs in = sampleInputs();
        in.record.City = QString::fromUtf8(city);
        in.record.State = QString::fromUtf8(state);
        in.record.Zip = QString::fromUtf8(zip);
        QTest::newRow(name) << in << QStringList({QStringLiteral("%1|%2").arg(x).arg(QLatin1String(expected))});
    };
    row("all parts", "Copper Wash City", "AZ", "85917", "Copper Wash City, AZ 85917");
    row("city, state and zip empty", "", "", "", ",  ");
    row("state empty", "Tucson", "", "85701", "Tucson,  85701");
}

// The spouse's birthday label at labelX and the box's date at dateX; without
// a spouse's first name there is neither.
inline void addSpouseBirthdayRows(double labelX, double dateX)
{
    addLineColumns();
    const auto withSpouse = [](const char *first, const char *middle, const char *last, const char *box) {
        PageInputs in = sampleInputs();
        in.record.SpouseFirstName = QLatin1String(first);
        in.record.SpouseMiddleInitial = QLatin1String(middle);
        in.record.SpouseLastName = QLatin1String(last);
        in.spouseBirthday = QLatin1String(box);
        return in;
    };
    const QString label = QStringLiteral("%1|Birthday: ").arg(labelX);
    const QStringList withBirthday({label, QStringLiteral("%1|03/04/1962").arg(dateX)});
    QTest::newRow("spouse fully named") << withSpouse("Jane", "R", "Public", "03/04/1962") << withBirthday;
    QTest::newRow("spouse without middle initial") << withSpouse("Jane", "", "Public", "03/04/1962") << withBirthday;
    QTest::newRow("no spouse, birthday box filled") << withSpouse("", "", "", "03/04/1962") << QStringList();
    QTest::newRow("spouse middle initial only") << withSpouse("", "R", "", "03/04/1962") << QStringList();
    QTest::newRow("spouse last name only") << withSpouse("", "", "Public", "03/04/1962") << QStringList();
    QTest::newRow("spouse named, birthday box empty") << withSpouse("Jane", "R", "Public", "") << QStringList({label});
}

// The sample with longer entries: the phones with their area codes, a long
// name and a long e-mail address.
inline PageInputs withLongEntries(bool phones, bool name, bool email)
{
    PageInputs in = sampleInputs();
    if (phones) {
        in.record.DayPhone = QStringLiteral("(520) 555-0119");
        in.record.EveningPhone = QStringLiteral("(520) 555-0164");
    }
    if (name) {
        in.record.FirstName = QStringLiteral("Maximiliana");
        in.record.LastName = QStringLiteral("Featherstonehaugh-Whitcombe");
    }
    if (email)
        in.record.EMail = QStringLiteral("maximiliana.featherstonehaugh@example.org");
    return in;
}

// Every pair of texts on one line of which the first reaches, with what it
// shows (its trailing blanks left out), past where the second begins.
inline QStringList drawnOver(const RecordingSurface &surface)
{
    QStringList found;
    QList<RecordingSurface::Text> texts = surface.texts;
    std::stable_sort(texts.begin(), texts.end(), [](const auto &a, const auto &b) {
        return a.y != b.y ? a.y < b.y : a.x < b.x;
    });
    for (qsizetype i = 1; i < texts.size(); ++i) {
        const RecordingSurface::Text &a = texts.at(i - 1);
        const RecordingSurface::Text &b = texts.at(i);
        const double reach = a.x + a.text.trimmed().size() * RecordingSurface::charWidth(a.fontSize);
        if (a.y == b.y && reach > b.x)
            found << QStringLiteral("%1 over %2").arg(a.text, b.text);
    }
    return found;
}

inline void addLongEntryRows()
{
    QTest::addColumn<PageInputs>("inputs");
    QTest::newRow("sample") << sampleInputs();
    QTest::newRow("phones with area codes") << withLongEntries(true, false, false);
    QTest::newRow("long name") << withLongEntries(false, true, false);
    QTest::newRow("long e-mail") << withLongEntries(false, false, true);
    QTest::newRow("all long") << withLongEntries(true, true, true);
}

// The sample with another date.
inline PageInputs withDate(const QString &date)
{
    PageInputs in = sampleInputs();
    in.date = date;
    return in;
}

} // namespace PageTestData

Q_DECLARE_METATYPE(PageInputs)

#endif
