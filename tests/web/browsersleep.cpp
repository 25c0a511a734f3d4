// The tests wait for the window system as on the desktop (QTest::qWait,
// qWaitForWindowExposed). In a browser the window is shown, sized and drawn
// only once the program gives the browser back its turn: a test that slept
// in a busy loop would wait for ever. Here the sleep the waits take between
// rounds of events suspends the program and lets the browser run (the tests
// are linked with emscripten's Asyncify for it).

#include <emscripten.h>

#include <ctime>

extern "C" int nanosleep(const timespec *request, timespec *remaining)
{
    const double ms = double(request->tv_sec) * 1000 + double(request->tv_nsec) / 1e6;
    emscripten_sleep(unsigned(ms < 1 ? 1 : ms));
    if (remaining)
        *remaining = timespec{};
    return 0;
}
