#include "form1.h"

#include "form7.h"
#include "orderform.h"

Form1::Form1(FormShell &shell) : m_shell(shell)
{
    setObjectName(QStringLiteral("Form1"));
}

Form1::~Form1() = default;

void Form1::Form_Load()
{
    setVisible(false);
    form7().setVisible(true);
}

// The application window comes into being when it is first asked for.
Form7 &Form1::form7()
{
    if (!m_form7) {
        m_form7 = std::make_unique<Form7>(m_shell, OrderForm::Applicant);
        m_form7->Form_Load();
    }
    return *m_form7;
}
