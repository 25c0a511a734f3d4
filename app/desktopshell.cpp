#include "desktopshell.h"

#include <QApplication>
#include <QMessageBox>
#include <QPrintDialog>

void DesktopShell::showWarning(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool DesktopShell::execPrintDialog(QPrinter *printer, QWidget *parent)
{
    QPrintDialog dialog(printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void DesktopShell::endProgram()
{
    QCoreApplication::exit(0);
}
