// The least a Qt Widgets program can do: show one empty window. What it costs
// to start and the memory it holds are the floor the application is held to.
//   tfcc-floor [--memory]
// With --memory it prints its peak resident memory, in KiB, once the window
// has been shown and painted, and quits.

#include "peakmemory.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Empty Window"));
    window.show();
    if (app.arguments().contains(QStringLiteral("--memory")))
        reportPeakWhenSettled(window);
    return app.exec();
}
