// The least a Qt Widgets program can do: show one empty window. What it costs
// to start and the memory it holds are the floor the application is held to.
//   tfcc-floor [--memory] [--maximized]
// With --memory it prints its peak resident memory, in KiB, once the window
// has been shown and painted, and quits. With --maximized the window fills
// the screen, as the application's does in its page view: a window's
// backing store grows with its size.

#include "peakmemory.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Empty Window"));
    const bool maximized = app.arguments().contains(QStringLiteral("--maximized"));
    maximized ? window.showMaximized() : window.show();
    if (app.arguments().contains(QStringLiteral("--memory")))
        reportPeakWhenSettled(window, [&window, maximized] {
            return !maximized || window.width() >= window.screen()->availableGeometry().width() - 50;
        });
    return app.exec();
}
