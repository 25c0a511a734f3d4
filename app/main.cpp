#include "desktopshell.h"
#include "fontwarmup.h"
#include "form1.h"
#include "toolkittranslation.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>

int main(int argc, char *argv[])
{
    // The fonts are read beside the rest of start-up, from the first moment.
    FontWarmUp fonts;
    QApplication app(argc, argv);
    fonts.applicationReady();
    QApplication::setApplicationName(QStringLiteral("TFCC Application"));
    // Wayland desktops find the launcher entry, and with it the icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tamariskflats.TFCCApplication"));
    // One look on every desktop, so the form's classic colours always hold.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // Every window shows the program's icon, read once here.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/tfcc.ico")));
    QTranslator qtTranslator;
    if (loadQtTranslation(qtTranslator, QLocale()))
        QCoreApplication::installTranslator(&qtTranslator);

    DesktopShell shell;
    Form1 form1(shell);
    form1.Form_Load();
    const int code = app.exec();
    // The thread was done long ago; it must not outlive the application.
    fonts.finish();
    return code;
}
