#ifndef TFCC_ORDERFORM_H
#define TFCC_ORDERFORM_H

#include "applicantrecord.h"

// The program-wide data: the applicant's record, from start-up to the end.
namespace OrderForm {
extern ApplicantRecord Applicant;
}

#endif
