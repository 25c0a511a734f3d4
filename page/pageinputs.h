#ifndef TFCC_PAGEINPUTS_H
#define TFCC_PAGEINPUTS_H

#include "applicantrecord.h"

#include <QString>

class QDate;
class QLocale;

// Everything a page composer reads: the kept record, and what it takes from
// the window's controls and the clock at the moment it draws.
struct PageInputs
{
    ApplicantRecord record;
    QString memberBirthday;  // text of the member's birthday box
    QString spouseBirthday;  // text of the spouse's birthday box
    int publishPermission = 1; // check box value: 0 unchecked, 1 checked, 2 greyed
    int emailPermission = 1;
    QString date;            // today, as pageDate() writes it
};

// The date as the page prints it: full month name, two-digit day, four-digit year.
QString pageDate(const QDate &date, const QLocale &locale);

#endif
