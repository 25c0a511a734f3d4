#ifndef TFCC_FORM1_H
#define TFCC_FORM1_H

#include <QWidget>

#include <memory>

class Form7;
class FormShell;

// The start-up window: never seen, it only brings up the application window.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    explicit Form1(FormShell &shell);
    ~Form1() override;

    void Form_Load();
    Form7 &form7();

private:
    FormShell &m_shell;
    std::unique_ptr<Form7> m_form7;
};

#endif
