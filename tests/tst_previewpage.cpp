#include "pagetestdata.h"
#include "previewpage.h"

#include <QDate>
#include <QLocale>
#include <QTest>

using namespace PageTestData;

namespace {

// Starts from a state the page must not inherit: another face, size and colour.
struct Page
{
    explicit Page(const PageInputs &in)
    {
        surface.setForeColor(Qt::red);
        PreviewPage::compose(surface, in);
    }

    QStringList placed(double y, double fromX = 0, double toX = 1e9) const
    {
        return PageTestData::placed(surface, y, fromX, toX);
    }

    RecordingSurface surface{QStringLiteral("Initial"), 12, false, false};
};

// The sample page as the recording metrics lay it out.
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
        // The label, as wide as these metrics make it, reaches past 2400.
        {"city line one blank after its label", "Copper Wash City, AZ 85917", 2900, 2950, 10, true, false},
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
    void longEntries_data();
    void longEntries();
    void nothingDrawnOver_data();
    void nothingDrawnOver();
    void spouseBirthday_data();
    void spouseBirthday();
    void dateLine();
    void pageDateFormat_data();
    void pageDateFormat();
};

void tst_PreviewPage::layout_data()
{
    addLayoutRows(expectedPage());
}

void tst_PreviewPage::layout()
{
    QFETCH(int, index);
    compareDrawn(Page(sampleInputs()).surface, expectedPage().at(index), index);
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
    addPermissionWordRows();
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

    comparePermissionLines(Page(in).surface, 1120, 1440, 80, 3700, 3900, publishWord, emailWord);
}

void tst_PreviewPage::membershipType_data()
{
    addMembershipTypeRows(7000, 100);
}

void tst_PreviewPage::membershipType()
{
    QFETCH(PageInputs, inputs);
    QFETCH(QStringList, expected);

    QCOMPARE(Page(inputs).placed(1700, 6900), expected);
}

void tst_PreviewPage::nameLine_data()
{
    addNameLineRows(2400, 100);
}

void tst_PreviewPage::nameLine()
{
    QFETCH(PageInputs, inputs);
    QFETCH(QStringList, expected);

    QCOMPARE(Page(inputs).placed(2200, 2400, 5000), expected);
}

void tst_PreviewPage::cityLine_data()
{
    addCityLineRows(2900);
}

void tst_PreviewPage::cityLine()
{
    QFETCH(PageInputs, inputs);
    QFETCH(QStringList, expected);

    QCOMPARE(Page(inputs).placed(2950, 2400), expected);
}

void tst_PreviewPage::longEntries_data()
{
    QTest::addColumn<PageInputs>("inputs");
    QTest::addColumn<double>("y");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("phones that fit keep the os column")
        << sampleInputs() << 3200.0
        << QStringList({"1400|Day Phone:     ", "2400|555-0100", "4200|Evening: ", "5100|555-0199", "6000|OS: ",
                        "6400|Linux"});
    QTest::newRow("evening phone past the os column")
        << withLongEntries(true, false, false) << 3200.0
        << QStringList({"1400|Day Phone:     ", "2400|(520) 555-0119", "4200|Evening: ", "5100|(520) 555-0164",
                        "6600|OS: ", "7000|Linux"});
    QTest::newRow("name past the birthday column")
        << withLongEntries(false, true, false) << 2200.0
        << QStringList({"1400|Name:       ", "2400|Maximiliana", "3500| ", "3600|Q", "3700| ",
                        "3800|Featherstonehaugh-Whitcombe", "6600|Birthday: ", "7600|01/02/1960"});
    QTest::newRow("e-mail past the url column")
        << withLongEntries(false, false, true) << 3450.0
        << QStringList({"1400|E-Mail:     ", "2400|maximiliana.featherstonehaugh@example.org", "6600|URL: ",
                        "7100|www.example.com"});
}

void tst_PreviewPage::longEntries()
{
    QFETCH(PageInputs, inputs);
    QFETCH(double, y);
    QFETCH(QStringList, expected);

    QCOMPARE(Page(inputs).placed(y), expected);
}

void tst_PreviewPage::nothingDrawnOver_data()
{
    addLongEntryRows();
}

void tst_PreviewPage::nothingDrawnOver()
{
    QFETCH(PageInputs, inputs);

    QCOMPARE(drawnOver(Page(inputs).surface), QStringList());
}

void tst_PreviewPage::spouseBirthday_data()
{
    addSpouseBirthdayRows(5000, 6000);
}

void tst_PreviewPage::spouseBirthday()
{
    QFETCH(PageInputs, inputs);
    QFETCH(QStringList, expected);

    const Page page(inputs);
    QCOMPARE(page.placed(2450, 5000), expected);
    QCOMPARE(page.placed(2700, 0, 2400), QStringList({"1400|Address:    "}));
}

void tst_PreviewPage::dateLine()
{
    QCOMPARE(Page(withDate(QStringLiteral("December 31, 1999"))).placed(5500),
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
