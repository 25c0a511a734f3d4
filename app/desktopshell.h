#ifndef TFCC_DESKTOPSHELL_H
#define TFCC_DESKTOPSHELL_H

#include "formshell.h"

// The real desktop: Qt's message box and print dialog, and the event loop's end.
class DesktopShell : public FormShell
{
public:
    void showWarning(QWidget *parent, const QString &title, const QString &text) override;
    bool execPrintDialog(QPrinter *printer, QWidget *parent) override;
    void endProgram() override;
};

#endif
