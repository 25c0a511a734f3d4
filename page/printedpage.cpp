#include "printedpage.h"

#include "pageinputs.h"
#include "pagesurface.h"

#include <QColor>
#include <QImage>

namespace {

// A greyed check box still counts as a yes.
QString permissionWord(int checkValue)
{
    return checkValue == 0 ? QStringLiteral("may NOT ") : QStringLiteral("MAY ");
}

}

void PrintedPage::compose(PrinterPageSurface &surface, const PageInputs &in, const QImage &picture1,
                          const QImage &picture2)
{
    const ApplicantRecord &r = in.record;

    surface.PaintPicture(picture1, 1000, 1000);
    surface.PaintPicture(picture2, 3000, 1000);

    surface.setCurrentY(1500);
    surface.setFontSize(24);
    surface.setFontName(QStringLiteral("Times New Roman"));
    surface.setForeColor(QColor(0, 0, 0));
    surface.setFontBold(true);
    surface.setCurrentX(3700);
    surface.Print({"Membership Application", Sep::End});

    surface.setFontSize(12);
    surface.Print({Sep::End});
    surface.Print({Sep::Zone, "Application must be filled out every year when paying dues.", Sep::Zone,
                   "[", Sep::Stay, r.MembershipType, Sep::Stay, "]", Sep::End});
    surface.Print({Sep::End});

    surface.Print({Sep::Zone, "Name:       ", Sep::Stay});
    surface.setColumn(3000);
    surface.Print({r.FirstName, Sep::Stay, " ", Sep::Stay, r.MiddleInitial, Sep::Stay, " ", Sep::Stay,
                   r.LastName, Sep::Stay});
    surface.setColumn(5500);
    surface.Print({"Birthday: ", Sep::Stay, in.memberBirthday, Sep::End});

    surface.Print({Sep::Zone, "Spouse:     ", Sep::Stay});
    surface.setColumn(3000);
    surface.Print({r.SpouseFirstName, Sep::Stay, " ", Sep::Stay, r.SpouseMiddleInitial, Sep::Stay, " ",
                   Sep::Stay, r.SpouseLastName, Sep::Stay});
    surface.setColumn(5500);
    if (!r.SpouseFirstName.isEmpty())
        surface.Print({"Birthday: ", Sep::Stay, in.spouseBirthday, Sep::End});
    else
        surface.Print({Sep::End});

    surface.Print({Sep::Zone, "Address:    ", Sep::Stay});
    surface.setColumn(3000);
    surface.Print({r.Street, Sep::End});

    surface.Print({Sep::Zone, "City, ST, Zip: ", Sep::Stay});
    surface.setColumn(3000);
    surface.Print({r.City + ", " + r.State + " " + r.Zip, Sep::End});

    // The day phone follows its label directly; the label carries the gap.
    surface.Print({Sep::Zone, "Day Phone:     ", Sep::Stay});
    surface.Print({r.DayPhone, Sep::Zone, "Evening: ", Sep::Stay, r.EveningPhone, Sep::Stay});
    surface.setColumn(6500);
    surface.Print({"OS: ", Sep::Stay, r.PrimaryOS, Sep::End});

    surface.Print({Sep::Zone, "E-Mail:     ", Sep::Stay});
    surface.setColumn(3000);
    surface.Print({r.EMail, Sep::Stay});
    surface.setColumn(5500);
    surface.Print({"URL: ", Sep::Stay, r.WebPage, Sep::End});

    surface.Print({Sep::Zone, "You ", Sep::Stay});
    surface.setFontBold(true);
    surface.setFontItalic(true);
    surface.Print({permissionWord(in.publishPermission), Sep::Stay});
    surface.setFontItalic(false);
    surface.Print({"print my name, phone, and e-mail address in the Club Address Book.", Sep::End});

    surface.Print({Sep::Zone, "You ", Sep::Stay});
    surface.setFontBold(true);
    surface.setFontItalic(true);
    surface.Print({permissionWord(in.emailPermission), Sep::Stay});
    surface.setFontItalic(false);
    surface.Print({"send me e-mail from Club officers and Committees.", Sep::End});

    surface.setFontSize(10);
    surface.Print({Sep::End});
    surface.Print({Sep::Zone,
                   "Yearly dues are $18.00 (Family members included), due in January.  "
                   "If you join after March they are prorated at ",
                   Sep::End});
    surface.Print({Sep::Zone, "$2.00 per month for the remainder of the year, total not to exceed $18.00.",
                   Sep::End});
    surface.Print({Sep::End});
    surface.Print({Sep::Zone,
                   "I understand as a member of the Club, that I will be entitled to attend all meetings "
                   "and receive all official Club",
                   Sep::End});
    surface.Print({Sep::Zone,
                   "communications.  I can run for office and paricipate in the voting on all major "
                   "policies and officer elections,",
                   Sep::End});
    surface.Print({Sep::Zone, "subject to the Club Bylaws.", Sep::End});
    surface.Print({Sep::Zone, "", Sep::End});
    surface.Print({Sep::Zone, "Signature:_________________________________________________________ Date: ",
                   Sep::Stay, in.date, Sep::End});
    surface.Print({Sep::Zone, "", Sep::End});
    surface.Print({Sep::Zone,
                   "Bring this application to the next monthly meeting or mail it and a check for your dues to:",
                   Sep::End});
    surface.Print({Sep::Zone, "", Sep::End});
    surface.Print({Sep::Zone, Sep::Zone, Sep::Zone, Sep::Zone, "Tamarisk Flats Computer Club", Sep::End});
    surface.Print({Sep::Zone, Sep::Zone, Sep::Zone, Sep::Zone, "PO Box 4417", Sep::End});
    surface.Print({Sep::Zone, Sep::Zone, Sep::Zone, Sep::Zone, "Copper Wash City, AZ 85917", Sep::End});
    surface.Print({Sep::Zone, "", Sep::End});

    surface.setFontItalic(true);
    surface.Print({Sep::Zone, "Do not send cash!  ", Sep::Stay});
    surface.setFontItalic(false);
    surface.setFontBold(false);
    surface.Print({"Make checks payable to ", Sep::Stay});
    surface.setFontBold(true);
    surface.Print({"Tamarisk Flats Computer Club.", Sep::End});
    surface.setFontBold(false);
    surface.Print({Sep::End});

    surface.Print({Sep::Zone, "Regular meetings are held on the fourth Monday of each month at: ", Sep::Stay});
    surface.setFontBold(true);
    surface.Print({"Pinyon County Library. ", Sep::End});
    surface.setFontBold(false);
    surface.setFontItalic(true);
    surface.Print({Sep::End});

    surface.Print({Sep::Zone, "Note:  ", Sep::Stay});
    surface.setFontItalic(false);
    surface.Print({"The dues are used to send out a monthly newsletter to the members, and other miscellaneous",
                   Sep::End});
    surface.Print({Sep::Zone,
                   "expenses.  You do not have to own a computer to become a member.  "
                   "You are welcome to attend a",
                   Sep::End});
    surface.Print({Sep::Zone, "meeting before joining.", Sep::End});
    surface.setFontBold(false);
    surface.Print({Sep::Zone, "", Sep::End});

    surface.Print({Sep::Zone, QString(125, u'-'), Sep::End});
    surface.Print({Sep::End});
    surface.Print({Sep::Zone, Sep::Zone, Sep::Zone, Sep::Zone, "For the Treasurer only:", Sep::End});
    surface.Print({Sep::End});
    surface.Print({Sep::Zone, Sep::Zone,
                   "Amount Paid: $___________, Check [  ]  Cash [  ]  Date Received:______/_______", Sep::End});
    surface.Print({Sep::End});
    surface.Print({Sep::End});
    surface.Print({Sep::End});
    surface.Print({Sep::Zone, Sep::Zone, Sep::Zone, Sep::Zone, Sep::Zone, Sep::Zone, Sep::Zone, Sep::Zone,
                   "QMW 20031019", Sep::End});
}
