#include "pageinputs.h"
#include "previewpage.h"
#include "recordingsurface.h"

#include <QDate>
#include <QLocale>
#include <QTest>

namespace {

PageInputs sampleInputs()
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

// Starts from a state the page must not inherit: another face, size and colour.
struct Page
{
    explicit Page(const PageInputs &in)
    {
        surface.setForeColor(Qt::red);
        PreviewPage::compose(surface, in);
    }

    // What was drawn on the line at y from fromX on, as "x|text".
    QStringList placed(double y, double fromX = 0, double toX = 1e9) const
    {
        QStringList result;
        for (const RecordingSurface::Text &t : surface.texts) {
            if (t.y == y && t.x >= fromX && t.x < toX)
                result << QStringLiteral("%1|%2").arg(t.x).arg(t.text);
        }
        return result;
    }

    RecordingSurface surface{QStringLiteral("Initial"), 12, false, false};
};

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

// The sample page as the recording metrics lay it out: a character is
// size * 10 twips wide, a zone 14 characters, a line size * 25 twips high.
const QList<Expected> &expectedPage()
{
    static const QList<Expected> page = {
        {"title in second 24-point zone", "Membership Application", 3360, 1000, 24, true, false},
        {"dues reminder", "Application must be filled out every year when paying dues.", 1000, 1700, 10, true,
         false},
        {"bracket before type at next zone", "[", 7000, 1700, 10, true, false},
        {"membership type", "New", 7100, 1700, 10, true, false},
        {"bracket after type", "]", 7400, 1700, 10, true, false},
        {"name label", "Name:       ", 1400, 2200, 10, true, false},
        {"first name", "John", 2400, 2200, 10, true, false},
        {"blank after first name", " ", 2800, 2200, 10, true, false},
        {"middle initial", "Q", 2900, 2200, 10, true, false},
        {"blank after middle initial", " ", 3000, 2200, 10, true, false},
        {"last name", "Public", 3100, 2200, 10, true, false},
        {"birthday label", "Birthday: ", 5000, 2200, 10, true, false},
        {"birthday from its box", "01/02/1960", 6000, 2200, 10, true, false},
        {"spouse label", "Spouse:     ", 1400, 2450, 10, true, false},
        {"spouse first name", "Jane", 2400, 2450, 10, true, false},
        {"blank after spouse first name", " ", 2800, 2450, 10, true, false},
        {"spouse middle initial", "R", 2900, 2450, 10, true, false},
        {"blank after spouse middle initial", " ", 3000, 2450, 10, true, false},
        {"spouse last name", "Public", 3100, 2450, 10, true, false},
        {"spouse birthday label", "Birthday: ", 5000, 2450, 10, true, false},
        {"spouse birthday from its box", "03/04/1962", 6000, 2450, 10, true, false},
        {"address label", "Address:    ", 1400, 2700, 10, true, false},
        {"street", "12 Mesquite Rd", 2400, 2700, 10, true, false},
        {"city label", "City, ST, Zip: ", 1400, 2950, 10, true, false},
        {"city line", "Copper Wash City, AZ 85917", 2400, 2950, 10, true, false},
        {"day phone label", "Day Phone:     ", 1400, 3200, 10, true, false},
        {"day phone", "555-0100", 2400, 3200, 10, true, false},
        {"evening label at next zone", "Evening: ", 4200, 3200, 10, true, false},
        {"evening phone", "555-0199", 5100, 3200, 10, true, false},
        {"os label", "OS: ", 6000, 3200, 10, true, false},
        {"os", "Linux", 6400, 3200, 10, true, false},
        {"e-mail label", "E-Mail:     ", 1400, 3450, 10, true, false},
        {"e-mail", "jqp@example.com", 2400, 3450, 10, true, false},
        {"url label", "URL: ", 5000, 3450, 10, true, false},
        {"web page", "www.example.com", 5500, 3450, 10, true, false},
        {"publish you", "You ", 1120, 3700, 8, true, false},
        {"publish permission", "MAY ", 1440, 3700, 8, true, true},
        {"publish sentence", "print my name, phone, and e-mail address in the Club Address Book.", 1760, 3700, 8,
         true, false},
        {"e-mail you", "You ", 1120, 3900, 8, true, false},
        {"e-mail permission", "MAY ", 1440, 3900, 8, true, true},
        {"e-mail sentence", "send me e-mail from Club officers and Committees.", 1760, 3900, 8, true, false},
        {"dues", "Yearly dues are $18.00 (Family members included), due in January.  If you join after March, "
                 "dues are prorated at",
         1120, 4300, 8, true, false},
        {"proration", "$2.00 per month for the remainder of the year, total not to exceed $18.00.", 1120, 4500, 8,
         true, false},
        {"membership statement ending in two blanks",
         "I understand as a member of the Club, that I will be entitled to attend all meetings and receive all "
         "official Club communications.  ",
         1120, 4900, 8, true, false},
        {"rights", "I can run for office and paricipate in the voting on all major policies and officer elections, "
                   "subject to the Club Bylaws.",
         1120, 5100, 8, true, false},
        {"signature line", "Signature:_________________________________________________________ Date: ", 1120, 5500,
         8, true, false},
        {"date after signature line", "March 05, 2026", 7040, 5500, 8, true, false},
        {"mailing instruction",
         "Bring this application to the next monthly meeting or mail it and a check for your dues to:", 1120, 5900,
         8, true, false},
        {"club name in third 10-point zone", "Tamarisk Flats Computer Club", 2800, 6300, 10, true, false},
        {"po box", "PO Box 4417", 2800, 6550, 10, true, false},
        {"club city", "Copper Wash City, AZ 85917", 2800, 6800, 10, true, false},
        {"no cash", "Do not send cash!  ", 1120, 7050, 8, true, true},
        {"payee intro", "Make checks payable to ", 2640, 7050, 8, true, false},
        {"payee", "Tamarisk Flats Computer Club.", 4480, 7050, 8, true, false},
        {"note label", "Note:  ", 1120, 7450, 8, false, true},
        {"note", "The dues are used to send out a monthly newsletter to the members, and other miscellaneous", 1680,
         7450, 8, false, false},
        {"note continued",
         "expenses.  You do not have to own a computer to become a member.  You are welcome to attend a", 1120,
         7650, 8, false, false},
        {"note end", "meeting before joining.", 1120, 7850, 8, false, false},
        {"meeting place intro", "Regular meetings are held on the fourth Monday of each month at:", 1120, 8250, 8,
         false, false},
        {"meeting place", "Pinyon County Library ", 1120, 8450, 8, false, false},
        {"rule of 125 hyphens", QString(125, u'-'), 1120, 8650, 8, false, false},
        {"treasurer heading in fifth zone", "For the Treasurer only:", 4480, 9050, 8, false, false},
        {"treasurer line in third zone",
         "Amount Paid: $___________, Check [  ]  Cash [  ]  Date Received:______/_______", 2240, 9450, 8, false,
         false},
    };
    return page;
}

}

class tst_PreviewPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void layout_data();
    void layout();
    void drawsNothingElse();
    void composingAgainDrawsTheSamePage();
    void permissionWords_data();
    void permissionWords();
    void membershipType_data();
    void membershipType();
    void nameLine_data();
    void nameLine();
    void cityLine_data();
    void cityLine();
    void spouseBirthday_data();
    void spouseBirthday();
    void dateLine();
    void pageDateFormat_data();
    void pageDateFormat();
};

void tst_PreviewPage::layout_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < expectedPage().size(); ++i)
        QTest::newRow(expectedPage().at(i).name) << i;
}

void tst_PreviewPage::layout()
{
    QFETCH(int, index);
    const Expected &expected = expectedPage().at(index);
    const Page page(sampleInputs());

    QVERIFY(index < page.surface.texts.size());
    const RecordingSurface::Text &drawn = page.surface.texts.at(index);
    QCOMPARE(drawn.text, expected.text);
    QCOMPARE(drawn.x, expected.x);
    QCOMPARE(drawn.y, expected.y);
    QCOMPARE(drawn.fontSize, expected.size);
    QCOMPARE(drawn.bold, expected.bold);
    QCOMPARE(drawn.italic, expected.italic);
    QCOMPARE(drawn.fontName, QStringLiteral("Times New Roman"));
    QCOMPARE(drawn.color, QColor(Qt::black));
}

void tst_PreviewPage::drawsNothingElse()
{
    const Page page(sampleInputs());

    QCOMPARE(page.surface.texts.size(), expectedPage().size());
    QVERIFY(page.surface.pictures.isEmpty());
    QCOMPARE(page.surface.CurrentX(), 0.0);
    QCOMPARE(page.surface.CurrentY(), 9650.0);
}

// The window keeps its cursor and font between Previews.
void tst_PreviewPage::composingAgainDrawsTheSamePage()
{
    Page page(sampleInputs());
    const QList<RecordingSurface::Text> first = page.surface.texts;
    page.surface.texts.clear();

    PreviewPage::compose(page.surface, sampleInputs());

    QCOMPARE(page.surface.texts.size(), first.size());
    for (int i = 0; i < first.size(); ++i) {
        const RecordingSurface::Text &a = first.at(i);
        const RecordingSurface::Text &b = page.surface.texts.at(i);
        QCOMPARE(b.text, a.text);
        QCOMPARE(b.x, a.x);
        QCOMPARE(b.y, a.y);
        QCOMPARE(b.fontSize, a.fontSize);
        QCOMPARE(b.bold, a.bold);
        QCOMPARE(b.italic, a.italic);
    }
}

void tst_PreviewPage::permissionWords_data()
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

void tst_PreviewPage::permissionWords()
{
    QFETCH(int, publish);
    QFETCH(int, email);
    QFETCH(QString, publishWord);
    QFETCH(QString, emailWord);
    PageInputs in = sampleInputs();
    in.publishPermission = publish;
    in.emailPermission = email;
    const Page page(in);

    const double publishEnd = 1440 + publishWord.size() * 80;
    QCOMPARE(page.placed(3700), QStringList({"1120|You ", "1440|" + publishWord,
                                            QString::number(publishEnd) +
                                                "|print my name, phone, and e-mail address in the Club Address Book."}));
    const double emailEnd = 1440 + emailWord.size() * 80;
    QCOMPARE(page.placed(3900),
             QStringList({"1120|You ", "1440|" + emailWord,
                          QString::number(emailEnd) + "|send me e-mail from Club officers and Committees."}));

    for (const RecordingSurface::Text &t : page.surface.texts) {
        if (t.y == 3700 || t.y == 3900) {
            QVERIFY(t.bold);
            QCOMPARE(t.italic, t.x == 1440);
        }
    }
}

void tst_PreviewPage::membershipType_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("new") << "New" << QStringList({"7000|[", "7100|New", "7400|]"});
    QTest::newRow("renewal") << "Renewal" << QStringList({"7000|[", "7100|Renewal", "7800|]"});
}

void tst_PreviewPage::membershipType()
{
    QFETCH(QString, type);
    QFETCH(QStringList, expected);
    PageInputs in = sampleInputs();
    in.record.MembershipType = type;
    const Page page(in);

    QCOMPARE(page.placed(1700, 6900), expected);
}

void tst_PreviewPage::nameLine_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("middle");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("all three names") << "John" << "Q" << "Public"
                                     << QStringList({"2400|John", "2800| ", "2900|Q", "3000| ", "3100|Public"});
    // Two blanks between first and last name.
    QTest::newRow("middle initial empty")
        << "John" << "" << "Public" << QStringList({"2400|John", "2800| ", "2900| ", "3000|Public"});
    QTest::newRow("first name only")
        << "John" << "" << "" << QStringList({"2400|John", "2800| ", "2900| "});
}

void tst_PreviewPage::nameLine()
{
    QFETCH(QString, first);
    QFETCH(QString, middle);
    QFETCH(QString, last);
    QFETCH(QStringList, expected);
    PageInputs in = sampleInputs();
    in.record.FirstName = first;
    in.record.MiddleInitial = middle;
    in.record.LastName = last;
    const Page page(in);

    QCOMPARE(page.placed(2200, 2400, 5000), expected);
}

void tst_PreviewPage::cityLine_data()
{
    QTest::addColumn<QString>("city");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("zip");
    QTest::addColumn<QString>("expected");

    QTest::newRow("all parts") << "Copper Wash City" << "AZ" << "85917" << "Copper Wash City, AZ 85917";
    QTest::newRow("city, state and zip empty") << "" << "" << "" << ",  ";
    QTest::newRow("state empty") << "Tucson" << "" << "85701" << "Tucson,  85701";
}

void tst_PreviewPage::cityLine()
{
    QFETCH(QString, city);
    QFETCH(QString, state);
    QFETCH(QString, zip);
    QFETCH(QString, expected);
    PageInputs in = sampleInputs();
    in.record.City = city;
    in.record.State = state;
    in.record.Zip = zip;
    const Page page(in);

    QCOMPARE(page.placed(2950, 2400), QStringList({"2400|" + expected}));
}

void tst_PreviewPage::spouseBirthday_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("middle");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QString>("birthdayBox");
    QTest::addColumn<QStringList>("expected");

    const QStringList withBirthday({"5000|Birthday: ", "6000|03/04/1962"});
    QTest::newRow("spouse fully named") << "Jane" << "R" << "Public" << "03/04/1962" << withBirthday;
    QTest::newRow("spouse without middle initial") << "Jane" << "" << "Public" << "03/04/1962" << withBirthday;
    QTest::newRow("no spouse, birthday box filled") << "" << "" << "" << "03/04/1962" << QStringList();
    QTest::newRow("spouse middle initial only") << "" << "R" << "" << "03/04/1962" << QStringList();
    QTest::newRow("spouse named, birthday box empty")
        << "Jane" << "R" << "Public" << "" << QStringList({"5000|Birthday: "});
}

void tst_PreviewPage::spouseBirthday()
{
    QFETCH(QString, first);
    QFETCH(QString, middle);
    QFETCH(QString, last);
    QFETCH(QString, birthdayBox);
    QFETCH(QStringList, expected);
    PageInputs in = sampleInputs();
    in.record.SpouseFirstName = first;
    in.record.SpouseMiddleInitial = middle;
    in.record.SpouseLastName = last;
    in.spouseBirthday = birthdayBox;
    const Page page(in);

    QCOMPARE(page.placed(2450, 5000), expected);
    QCOMPARE(page.placed(2700, 0, 2400), QStringList({"1400|Address:    "}));
}

void tst_PreviewPage::dateLine()
{
    PageInputs in = sampleInputs();
    in.date = QStringLiteral("December 31, 1999");
    const Page page(in);

    QCOMPARE(page.placed(5500),
             QStringList({"1120|Signature:_________________________________________________________ Date: ",
                          "7040|December 31, 1999"}));
}

void tst_PreviewPage::pageDateFormat_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("expected");

    QTest::newRow("english, single-digit day") << QDate(2026, 3, 5) << "en_US" << "March 05, 2026";
    QTest::newRow("german, single-digit day") << QDate(2026, 3, 5) << "de_DE" << "März 05, 2026";
    QTest::newRow("english, last day of year") << QDate(1999, 12, 31) << "en_US" << "December 31, 1999";
    QTest::newRow("german, last day of year") << QDate(1999, 12, 31) << "de_DE" << "Dezember 31, 1999";
    QTest::newRow("french, month in lower case") << QDate(1999, 12, 31) << "fr_FR" << "décembre 31, 1999";
}

void tst_PreviewPage::pageDateFormat()
{
    QFETCH(QDate, date);
    QFETCH(QString, locale);
    QFETCH(QString, expected);

    QCOMPARE(pageDate(date, QLocale(locale)), expected);
}

QTEST_MAIN(tst_PreviewPage)
#include "tst_previewpage.moc"
