#ifndef TFCC_FONTWARMUP_H
#define TFCC_FONTWARMUP_H

#include <future>
#include <thread>

// The form's first text box waits for the desktop's font configuration to be
// read and for the toolkit's font database to be filled: a good third of
// start-up, and work that needs neither the window nor the event loop. A
// FontWarmUp does it on a thread of its own while the main thread connects to
// the display and builds the form; whichever thread asks the font database
// first fills it, the other finds it filled.
class FontWarmUp
{
public:
    // Starts reading the font configuration at once: it needs no application.
    FontWarmUp();
    // Waits for the thread, if finish() has not.
    ~FontWarmUp();

    FontWarmUp(const FontWarmUp &) = delete;
    FontWarmUp &operator=(const FontWarmUp &) = delete;

    // The application exists: the thread goes on to fill its font database.
    // Only the first call counts.
    void applicationReady();
    // Waits for the thread; it fills no database after this. Call it while
    // the application still exists.
    void finish();

private:
    void run(std::future<bool> application);

    std::promise<bool> m_application;
    bool m_told = false;
    std::thread m_thread;
};

#endif
