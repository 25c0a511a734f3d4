#ifndef TFCC_FORMSHELL_H
#define TFCC_FORMSHELL_H

#include <QtCore/qnamespace.h>

class QPrinter;
class QString;
class QWidget;

// What the application window asks of the desktop: a warning to the user, the
// print dialog, the end of the program and the window's state. Tests put a
// stand-in here.
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
    // Asks the window system to maximize the window or give it back its
    // normal size; it answers later, with a change of the window's state.
    virtual void requestWindowState(QWidget *window, Qt::WindowStates state);
};

#endif
