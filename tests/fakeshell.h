#ifndef TFCC_FAKESHELL_H
#define TFCC_FAKESHELL_H

#include "formshell.h"

#include <QList>
#include <QPrinter>
#include <QString>

#include <functional>

// A desktop that remembers what the window asked of it instead of showing
// anything, so that no test ever blocks in a modal loop.
class FakeShell : public FormShell
{
public:
    struct Warning
    {
        QString title;
        QString text;
    };

    void showWarning(QWidget *, const QString &title, const QString &text) override
    {
        warnings.append({title, text});
    }

    bool execPrintDialog(QPrinter *printer, QWidget *) override
    {
        ++printDialogs;
        if (acceptPrint && configurePrinter)
            configurePrinter(*printer);
        return acceptPrint;
    }

    void endProgram() override { ++endCalls; }

    // A window manager that does not maximize windows never answers.
    void requestWindowState(QWidget *window, Qt::WindowStates state) override
    {
        if (!(ignoreMaximize && state.testFlag(Qt::WindowMaximized)))
            FormShell::requestWindowState(window, state);
    }

    QList<Warning> warnings;
    int printDialogs = 0;
    int endCalls = 0;
    bool acceptPrint = false;
    bool ignoreMaximize = false;
    std::function<void(QPrinter &)> configurePrinter;
};

#endif
