#ifndef TFCC_APPLICANTRECORD_H
#define TFCC_APPLICANTRECORD_H

#include <QString>

// What the applicant entered, as kept by the last successful Preview.
struct ApplicantRecord
{
    QString FirstName;
    QString MiddleInitial;
    QString LastName;
    QString SpouseFirstName;
    QString SpouseMiddleInitial;
    QString SpouseLastName;
    QString Street;
    QString City;
    QString State;
    QString Zip;
    QString EMail;
    QString DayPhone;
    QString EveningPhone;
    QString MembershipType;
    QString Birthday;
    QString SpouseBirthday;
    QString WebPage;
    QString PrimaryOS;

    bool operator==(const ApplicantRecord &other) const = default;
};

#endif
