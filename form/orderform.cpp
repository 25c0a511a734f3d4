#include "orderform.h"

ApplicantRecord OrderForm::Applicant;
