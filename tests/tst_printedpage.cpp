#include "pagetestdata.h"
#include "printedpage.h"

#include <QImage>
#include <QTest>

using namespace PageTestData;

namespace {

// Starts from a printer font and colour that the page must not keep.
struct Page
{
    explicit Page(const PageInputs &in)
    {
        surface.setForeColor(Qt::red);
        PrintedPage::compose(surface, in, QImage(153, 103, QImage::Format_RGB32),
                             QImage(549, 49, QImage::Format_RGB32));
    }

    QStringList placed(double y, double fromX = 0, double toX = 1e9) const
    {
        return PageTestData::placed(surface, y, fromX, toX);
    }

    RecordingSurface surface{QStringLiteral("Courier"), 9, false, false};
};

// The sample page as the recording metrics lay it out.
const QList<Expected> &expectedPage()
{
    static const QList<Expected> page = {
        {"title at fixed position", "Membership Application", 3700, 1500, 24, true, false},
        {"dues reminder in second zone", "Application must be filled out every year when paying dues.", 1680, 2400,
         12, true, false},
        {"bracket before type at next zone", "[", 10080, 2400, 12, true, false},
        {"membership type", "New", 10200, 2400, 12, true, false},
        {"bracket after type", "]", 10560, 2400, 12, true, false},
        {"name label", "Name:       ", 1680, 3000, 12, true, false},
        {"first name", "John", 3000, 3000, 12, true, false},
        {"blank after first name", " ", 3480, 3000, 12, true, false},
        {"middle initial", "Q", 3600, 3000, 12, true, false},
        {"blank after middle initial", " ", 3720, 3000, 12, true, false},
        {"last name", "Public", 3840, 3000, 12, true, false},
        {"birthday label", "Birthday: ", 5500, 3000, 12, true, false},
        {"birthday from its box", "01/02/1960", 6700, 3000, 12, true, false},
        {"spouse label", "Spouse:     ", 1680, 3300, 12, true, false},
        {"spouse first name", "Jane", 3000, 3300, 12, true, false},
        {"blank after spouse first name", " ", 3480, 3300, 12, true, false},
        {"spouse middle initial", "R", 3600, 3300, 12, true, false},
        {"blank after spouse middle initial", " ", 3720, 3300, 12, true, false},
        {"spouse last name", "Public", 3840, 3300, 12, true, false},
        {"spouse birthday label", "Birthday: ", 5500, 3300, 12, true, false},
        {"spouse birthday from its box", "03/04/1962", 6700, 3300, 12, true, false},
        {"address label", "Address:    ", 1680, 3600, 12, true, false},
        {"street", "12 Mesquite Rd", 3000, 3600, 12, true, false},
        {"city label", "City, ST, Zip: ", 1680, 3900, 12, true, false},
        // The label, as wide as these metrics make it, reaches past 3000.
        {"city line one blank after its label", "Copper Wash City, AZ 85917", 3480, 3900, 12, true, false},
        {"day phone label", "Day Phone:     ", 1680, 4200, 12, true, false},
        {"day phone right after its label", "555-0100", 3480, 4200, 12, true, false},
        {"evening label at next zone", "Evening: ", 5040, 4200, 12, true, false},
        {"evening phone", "555-0199", 6120, 4200, 12, true, false},
        // So does the evening phone past 6500.
        {"os label one blank after the evening phone", "OS: ", 7200, 4200, 12, true, false},
        {"os", "Linux", 7680, 4200, 12, true, false},
        {"e-mail label", "E-Mail:     ", 1680, 4500, 12, true, false},
        {"e-mail", "jqp@example.com", 3000, 4500, 12, true, false},
        {"url label", "URL: ", 5500, 4500, 12, true, false},
        {"web page", "www.example.com", 6100, 4500, 12, true, false},
        {"publish you", "You ", 1680, 4800, 12, true, false},
        {"publish permission", "MAY ", 2160, 4800, 12, true, true},
        {"publish sentence", "print my name, phone, and e-mail address in the Club Address Book.", 2640, 4800, 12,
         true, false},
        {"e-mail you", "You ", 1680, 5100, 12, true, false},
        {"e-mail permission", "MAY ", 2160, 5100, 12, true, true},
        {"e-mail sentence", "send me e-mail from Club officers and Committees.", 2640, 5100, 12, true, false},
        {"dues ending in a blank",
         "Yearly dues are $18.00 (Family members included), due in January.  If you join after March they are "
         "prorated at ",
         1400, 5650, 10, true, false},
        {"proration", "$2.00 per month for the remainder of the year, total not to exceed $18.00.", 1400, 5900, 10,
         true, false},
        {"membership statement",
         "I understand as a member of the Club, that I will be entitled to attend all meetings and receive all "
         "official Club",
         1400, 6400, 10, true, false},
        {"rights", "communications.  I can run for office and paricipate in the voting on all major policies and "
                   "officer elections,",
         1400, 6650, 10, true, false},
        {"bylaws", "subject to the Club Bylaws.", 1400, 6900, 10, true, false},
        {"signature line", "Signature:_________________________________________________________ Date: ", 1400, 7400,
         10, true, false},
        {"date after signature line", "March 05, 2026", 8800, 7400, 10, true, false},
        {"mailing instruction",
         "Bring this application to the next monthly meeting or mail it and a check for your dues to:", 1400, 7900,
         10, true, false},
        {"club name in fifth zone", "Tamarisk Flats Computer Club", 5600, 8400, 10, true, false},
        {"po box in fifth zone", "PO Box 4417", 5600, 8650, 10, true, false},
        {"club city in fifth zone", "Copper Wash City, AZ 85917", 5600, 8900, 10, true, false},
        {"no cash", "Do not send cash!  ", 1400, 9400, 10, true, true},
        {"payee intro in regular", "Make checks payable to ", 3300, 9400, 10, false, false},
        {"payee", "Tamarisk Flats Computer Club.", 5600, 9400, 10, true, false},
        {"meeting place intro ending in a blank", "Regular meetings are held on the fourth Monday of each month at: ",
         1400, 9900, 10, false, false},
        {"meeting place", "Pinyon County Library. ", 7900, 9900, 10, true, false},
        {"note label", "Note:  ", 1400, 10400, 10, false, true},
        {"note", "The dues are used to send out a monthly newsletter to the members, and other miscellaneous", 2100,
         10400, 10, false, false},
        {"note continued",
         "expenses.  You do not have to own a computer to become a member.  You are welcome to attend a", 1400,
         10650, 10, false, false},
        {"note end", "meeting before joining.", 1400, 10900, 10, false, false},
        {"rule of 125 hyphens", QString(125, u'-'), 1400, 11400, 10, false, false},
        {"treasurer heading in fifth zone", "For the Treasurer only:", 5600, 11900, 10, false, false},
        {"treasurer line in third zone",
         "Amount Paid: $___________, Check [  ]  Cash [  ]  Date Received:______/_______", 2800, 12400, 10, false,
         false},
        {"version stamp in ninth zone", "QMW 20031019", 11200, 13400, 10, false, false},
    };
    return page;
}

}

class tst_PrintedPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void layout_data();
    void layout();
    void drawsNothingElse();
    void pictures();
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
};

void tst_PrintedPage::layout_data()
{
    addLayoutRows(expectedPage());
}

void tst_PrintedPage::layout()
{
    QFETCH(int, index);
    compareDrawn(Page(sampleInputs()).surface, expectedPage().at(index), index);
}

// The caller ends the document, so the page itself must leave it open.
void tst_PrintedPage::drawsNothingElse()
{
    const Page page(sampleInputs());

    QCOMPARE(page.surface.texts.size(), expectedPage().size());
    QCOMPARE(page.surface.CurrentX(), 0.0);
    QCOMPARE(page.surface.CurrentY(), 13650.0);
    QCOMPARE(page.surface.endDocs, 0);
}

void tst_PrintedPage::pictures()
{
    const Page page(sampleInputs());

    QCOMPARE(page.surface.pictures.size(), 2);
    const RecordingSurface::Picture &first = page.surface.pictures.at(0);
    const RecordingSurface::Picture &second = page.surface.pictures.at(1);
    QCOMPARE(first.size, QSize(153, 103));
    QCOMPARE(first.x, 1000.0);
    QCOMPARE(first.y, 1000.0);
    QCOMPARE(second.size, QSize(549, 49));
    QCOMPARE(second.x, 3000.0);
    QCOMPARE(second.y, 1000.0);
}

void tst_PrintedPage::permissionWords_data()
{
    addPermissionWordRows();
}

void tst_PrintedPage::permissionWords()
{
    QFETCH(int, publish);
    QFETCH(int, email);
    QFETCH(QString, publishWord);
    QFETCH(QString, emailWord);
    PageInputs in = sampleInputs();
    in.publishPermission = publish;
    in.emailPermission = email;

    comparePermissionLines(Page(in).surface, 1680, 2160, 120, 4800, 5100, publishWord, emailWord);
}

void tst_PrintedPage::membershipType_data()
{
    addMembershipTypeRows(10080, 120);
}

void tst_PrintedPage::membershipType()
{
    QFETCH(PageInputs, inputs);
    QFETCH(QStringList, expected);

    QCOMPARE(Page(inputs).placed(2400, 8760), expected);
}

void tst_PrintedPage::nameLine_data()
{
    addNameLineRows(3000, 120);
}

void tst_PrintedPage::nameLine()
{
    QFETCH(PageInputs, inputs);
    QFETCH(QStringList, expected);

    QCOMPARE(Page(inputs).placed(3000, 3000, 5500), expected);
}

void tst_PrintedPage::cityLine_data()
{
    addCityLineRows(3480);
}

void tst_PrintedPage::cityLine()
{
    QFETCH(PageInputs, inputs);
    QFETCH(QStringList, expected);

    QCOMPARE(Page(inputs).placed(3900, 3000), expected);
}

void tst_PrintedPage::longEntries_data()
{
    QTest::addColumn<PageInputs>("inputs");
    QTest::addColumn<double>("y");
    QTest::addColumn<QStringList>("expected");

    PageInputs noEveningPhone = sampleInputs();
    noEveningPhone.record.EveningPhone.clear();
    QTest::newRow("no evening phone keeps the os column")
        << noEveningPhone << 4200.0
        << QStringList({"1680|Day Phone:     ", "3480|555-0100", "5040|Evening: ", "6500|OS: ", "6980|Linux"});
    QTest::newRow("evening phone past the os column")
        << withLongEntries(true, false, false) << 4200.0
        << QStringList({"1680|Day Phone:     ", "3480|(520) 555-0119", "6720|Evening: ", "7800|(520) 555-0164",
                        "9600|OS: ", "10080|Linux"});
    QTest::newRow("name past the birthday column")
        << withLongEntries(false, true, false) << 3000.0
        << QStringList({"1680|Name:       ", "3000|Maximiliana", "4320| ", "4440|Q", "4560| ",
                        "4680|Featherstonehaugh-Whitcombe", "8040|Birthday: ", "9240|01/02/1960"});
    QTest::newRow("e-mail past the url column")
        << withLongEntries(false, false, true) << 4500.0
        << QStringList({"1680|E-Mail:     ", "3000|maximiliana.featherstonehaugh@example.org", "8040|URL: ",
                        "8640|www.example.com"});
}

void tst_PrintedPage::longEntries()
{
    QFETCH(PageInputs, inputs);
    QFETCH(double, y);
    QFETCH(QStringList, expected);

    QCOMPARE(Page(inputs).placed(y), expected);
}

void tst_PrintedPage::nothingDrawnOver_data()
{
    addLongEntryRows();
}

void tst_PrintedPage::nothingDrawnOver()
{
    QFETCH(PageInputs, inputs);

    QCOMPARE(drawnOver(Page(inputs).surface), QStringList());
}

void tst_PrintedPage::spouseBirthday_data()
{
    addSpouseBirthdayRows(5500, 6700);
}

void tst_PrintedPage::spouseBirthday()
{
    QFETCH(PageInputs, inputs);
    QFETCH(QStringList, expected);

    const Page page(inputs);
    QCOMPARE(page.placed(3300, 5500), expected);
    QCOMPARE(page.placed(3600, 0, 3000), QStringList({"1680|Address:    "}));
}

void tst_PrintedPage::dateLine()
{
    QCOMPARE(Page(withDate(QStringLiteral("December 31, 1999"))).placed(7400),
             QStringList({"1400|Signature:_________________________________________________________ Date: ",
                          "8800|December 31, 1999"}));
}

QTEST_MAIN(tst_PrintedPage)
#include "tst_printedpage.moc"
