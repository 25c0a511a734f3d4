// The least a Qt Widgets program that shows text can do: one window with one
// label and one line edit. Its first text loads the desktop's fonts, as any
// such program's does; what it costs to start and the memory it holds are the
// text floor the application is held to.
//   tfcc-textfloor [--memory] [--maximized]
// With --memory it prints its peak resident memory, in KiB, once the window
// has been shown and painted, and quits. With --maximized the window fills
// the screen: the fair reference for the page view, which is maximized and
// shows text.

#include "peakmemory.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Text Window"));
    auto *layout = new QHBoxLayout(&window);
    auto *edit = new QLineEdit(&window);
    auto *label = new QLabel(QStringLiteral("Name"), &window);
    label->setBuddy(edit);
    layout->addWidget(label);
    layout->addWidget(edit);
    const bool maximized = app.arguments().contains(QStringLiteral("--maximized"));
    maximized ? window.showMaximized() : window.show();
    if (app.arguments().contains(QStringLiteral("--memory")))
        reportPeakWhenSettled(window, [&window, maximized] {
            return !maximized || window.width() >= window.screen()->availableGeometry().width() - 50;
        });
    return app.exec();
}
