// Starts a program and prints how many milliseconds pass from its start until its first
// top-level window is mapped on the X display, then ends it. Without a window manager every
// top-level window is a child of the root window, so its MapNotify arrives on the root.
//
//   zeigerdiplom-mapwait PROGRAM [ARGS...]
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    xcb_connection_t *x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }

    int status = 1;
    pollfd fd{xcb_get_file_descriptor(x), POLLIN, 0};
    while (poll(&fd, 1, 20000) > 0) {
        xcb_generic_event_t *event;
        bool mapped = false;
        while ((event = xcb_poll_for_event(x))) {
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
                mapped = !map->override_redirect;
            }
            std::free(event);
            if (mapped)
                break;
        }
        if (mapped) {
            const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
            std::printf("%.1f\n", took.count());
            status = 0;
            break;
        }
        if (xcb_connection_has_error(x))
            break;
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    xcb_disconnect(x);
    return status;
}
