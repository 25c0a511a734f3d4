#include "formshell.h"

#include <QWidget>

FormShell::~FormShell() = default;

void FormShell::requestWindowState(QWidget *window, Qt::WindowStates state)
{
    window->setWindowState(state);
}
