#include "desktopshell.h"
#include "form1.h"
#include "qttranslation.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TFCC Application"));
    // Wayland desktops find the launcher entry, and with it the icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tamariskflats.TFCCApplication"));
    // One look on every desktop, so the form's classic colours always hold.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/tfcc.ico")));
    QTranslator qtTranslator;
    if (loadQtTranslation(qtTranslator, QLocale()))
        QCoreApplication::installTranslator(&qtTranslator);

    DesktopShell shell;
    Form1 form1(shell);
    form1.Form_Load();
    return app.exec();
}
