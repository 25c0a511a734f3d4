#ifndef TFCC_PEAKMEMORY_H
#define TFCC_PEAKMEMORY_H

#include <functional>

class QWidget;

// The process's peak resident memory so far (VmHWM), in KiB; -1 when unknown.
long peakResidentKiB();

// Once ready() holds for window (tried every few milliseconds), lets every
// pending paint happen, prints the peak resident memory and quits the
// application. Without ready, the window being exposed is enough.
void reportPeakWhenSettled(QWidget &window, std::function<bool()> ready = {});

#endif
