#include "peakmemory.h"

#include <QCoreApplication>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <memory>

namespace {
// Long enough for the window system to deliver the last resize and its paint.
constexpr int SettleMs = 500;
constexpr int GiveUpMs = 5000;
}

long peakResidentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

void reportPeakWhenSettled(QWidget &window, std::function<bool()> ready)
{
    auto *poll = new QTimer(&window);
    auto waited = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, &window, [&window, poll, waited, ready] {
        *waited += poll->interval();
        const bool exposed = window.windowHandle() && window.windowHandle()->isExposed();
        if (!(exposed && (!ready || ready())) && *waited < GiveUpMs)
            return;
        poll->stop();
        if (*waited >= GiveUpMs)
            std::fprintf(stderr, "the window did not settle in time\n");
        QTimer::singleShot(SettleMs, &window, [] {
            std::printf("%ld\n", peakResidentKiB());
            std::fflush(stdout);
            QCoreApplication::quit();
        });
    });
    poll->start(5);
}
