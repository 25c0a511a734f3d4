// Times a program's start until its window is on an X display: starts the
// command and waits, event by event, for a window with the given title to be
// mapped; prints the milliseconds from the start and ends the program. A
// second number is the processor time the program had used by its end.
//   tfcc-mapwatch [-t SECONDS] TITLE COMMAND [ARGUMENT...]

#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <unordered_set>

namespace {

double nowMs()
{
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

xcb_atom_t atom(xcb_connection_t *c, const char *name)
{
    xcb_intern_atom_reply_t *reply =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr);
    const xcb_atom_t a = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return a;
}

std::string property(xcb_connection_t *c, xcb_window_t w, xcb_atom_t prop)
{
    xcb_get_property_reply_t *reply =
        xcb_get_property_reply(c, xcb_get_property(c, 0, w, prop, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024), nullptr);
    std::string value;
    if (reply && reply->format == 8)
        value.assign(static_cast<const char *>(xcb_get_property_value(reply)), xcb_get_property_value_length(reply));
    std::free(reply);
    return value;
}

struct Watch
{
    xcb_connection_t *c;
    xcb_atom_t netWmName;
    std::string title;
    std::unordered_set<xcb_window_t> mapped;

    bool titled(xcb_window_t w) const
    {
        return property(c, w, netWmName) == title || property(c, w, XCB_ATOM_WM_NAME) == title;
    }

    // Follows a new top-level window itself, so that its map is seen even
    // after a window manager has taken it into a frame, and so is its title.
    // True when it was mapped, with the title, before the watch began.
    bool follow(xcb_window_t w)
    {
        const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY | XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_change_window_attributes(c, w, XCB_CW_EVENT_MASK, &mask);
        xcb_get_window_attributes_reply_t *attributes =
            xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, w), nullptr);
        const bool shown = attributes && attributes->map_state != XCB_MAP_STATE_UNMAPPED;
        std::free(attributes);
        if (!shown)
            return false;
        mapped.insert(w);
        return titled(w);
    }

    // True once a mapped window carries the title.
    bool handle(xcb_generic_event_t *event)
    {
        switch (event->response_type & 0x7f) {
        case XCB_CREATE_NOTIFY:
            return follow(reinterpret_cast<xcb_create_notify_event_t *>(event)->window);
        case XCB_MAP_NOTIFY: {
            const xcb_window_t w = reinterpret_cast<xcb_map_notify_event_t *>(event)->window;
            mapped.insert(w);
            return titled(w);
        }
        case XCB_UNMAP_NOTIFY:
            mapped.erase(reinterpret_cast<xcb_unmap_notify_event_t *>(event)->window);
            break;
        case XCB_PROPERTY_NOTIFY: {
            const auto *p = reinterpret_cast<xcb_property_notify_event_t *>(event);
            if ((p->atom == netWmName || p->atom == XCB_ATOM_WM_NAME) && mapped.count(p->window))
                return titled(p->window);
            break;
        }
        }
        return false;
    }
};

int usage()
{
    std::fprintf(stderr, "usage: tfcc-mapwatch [-t SECONDS] TITLE COMMAND [ARGUMENT...]\n");
    return 64;
}

} // namespace

int main(int argc, char *argv[])
{
    double timeoutMs = 30000;
    int arg = 1;
    if (arg + 1 < argc && std::strcmp(argv[arg], "-t") == 0) {
        timeoutMs = std::atof(argv[arg + 1]) * 1000;
        arg += 2;
    }
    if (argc - arg < 2)
        return usage();

    Watch watch{};
    watch.c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(watch.c)) {
        std::fprintf(stderr, "tfcc-mapwatch: cannot open the display\n");
        return 69;
    }
    watch.title = argv[arg];
    watch.netWmName = atom(watch.c, "_NET_WM_NAME");
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(watch.c)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(watch.c, root, XCB_CW_EVENT_MASK, &mask);
    // A round trip: the server is watching before the program starts.
    std::free(xcb_get_input_focus_reply(watch.c, xcb_get_input_focus(watch.c), nullptr));

    const double start = nowMs();
    const pid_t child = fork();
    if (child < 0)
        return 71;
    if (child == 0) {
        execvp(argv[arg + 1], argv + arg + 1);
        std::perror(argv[arg + 1]);
        _exit(127);
    }

    int status = 3;
    double shownMs = 0;
    pollfd fd{xcb_get_file_descriptor(watch.c), POLLIN, 0};
    for (bool done = false; !done;) {
        while (xcb_generic_event_t *event = xcb_poll_for_event(watch.c)) {
            if (!done && watch.handle(event)) {
                shownMs = nowMs() - start;
                status = 0;
                done = true;
            }
            std::free(event);
        }
        if (done)
            break;
        if (xcb_connection_has_error(watch.c)) {
            std::fprintf(stderr, "tfcc-mapwatch: lost the display\n");
            status = 69;
            break;
        }
        if (waitpid(child, nullptr, WNOHANG) == child) {
            std::fprintf(stderr, "tfcc-mapwatch: %s ended before its window was shown\n", argv[arg + 1]);
            xcb_disconnect(watch.c);
            return 2;
        }
        const double left = timeoutMs - (nowMs() - start);
        if (left <= 0) {
            std::fprintf(stderr, "tfcc-mapwatch: no window titled \"%s\" in time\n", argv[arg]);
            break;
        }
        poll(&fd, 1, left < 50 ? static_cast<int>(left) + 1 : 50);
    }
    // Asked first, so that a profiler running the program can write its data.
    kill(child, SIGTERM);
    rusage usage{};
    for (int waited = 0; wait4(child, nullptr, WNOHANG, &usage) != child; waited += 10) {
        if (waited == 30000)
            kill(child, SIGKILL);
        usleep(10000);
    }
    xcb_disconnect(watch.c);
    if (status == 0) {
        const double cpuMs = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
                             + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
        std::printf("%.2f %.2f\n", shownMs, cpuMs);
    }
    return status;
}
