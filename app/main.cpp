#include "desktopshell.h"
#include "form1.h"

#include <QApplication>
#include <QIcon>
#include <QStyleFactory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TFCC Application"));
    // One look on every desktop, so the form's classic colours always hold.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/tfcc.ico")));

    DesktopShell shell;
    Form1 form1(shell);
    form1.Form_Load();
    return app.exec();
}
