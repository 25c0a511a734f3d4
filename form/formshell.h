#ifndef FORMSHELL_H
#define FORMSHELL_H

class QPrinter;
class QString;
class QWidget;

// What the application window asks of the desktop: a warning to the user, the
// print dialog and the end of the program. Tests put a stand-in here.
class FormShell
{
public:
    virtual ~FormShell();

    // A modal warning with one OK button.
    virtual void showWarning(QWidget *parent, const QString &title, const QString &text) = 0;
    // The print dialog; the user's choices go into printer. False when cancelled.
    virtual bool execPrintDialog(QPrinter *printer, QWidget *parent) = 0;
    // Ends the program once the current command has returned.
    virtual void endProgram() = 0;
};

#endif
