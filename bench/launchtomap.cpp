// Launch to first window: starts the command and prints the milliseconds until the X server
// maps its first top-level window, then ends the command. It listens to the server's own map
// notifications instead of asking for windows now and then, so the figure has no polling
// interval in it and costs the launched command no extra connections. Meant for a private X
// server on which nothing else opens windows meanwhile.
//
//   zeigerdiplom-launchtomap COMMAND [ARGS...]
#include <xcb/xcb.h>

#include <csignal>
#include <cstdio>
#include <ctime>
#include <cstdlib>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double nowMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s COMMAND [ARGS...]\n", argv[0]);
        return 2;
    }
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "cannot connect to the X server\n");
        return 1;
    }
    // Map notifications of every child of the root window, asked for before the launch.
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    free(xcb_request_check(connection, xcb_change_window_attributes_checked(connection, root, XCB_CW_EVENT_MASK, &mask)));

    const double start = nowMs();
    const pid_t child = fork();
    if (child == 0) {
        close(xcb_get_file_descriptor(connection));
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    // Waits for the first map, but not for ever, and not past the command's end: a command that
    // could not reach the display ends without a window.
    double mapped = -1;
    int status = 0;
    bool ended = false;
    pollfd server{xcb_get_file_descriptor(connection), POLLIN, 0};
    while (mapped < 0 && !ended && nowMs() - start < 15000) {
        poll(&server, 1, 50);
        while (xcb_generic_event_t *event = xcb_poll_for_event(connection)) {
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY && mapped < 0)
                mapped = nowMs();
            free(event);
        }
        if (xcb_connection_has_error(connection))
            break;
        ended = waitpid(child, &status, WNOHANG) == child;
    }
    if (!ended) {
        kill(child, SIGTERM);
        waitpid(child, &status, 0);
    }
    xcb_disconnect(connection);
    if (mapped < 0) {
        std::fprintf(stderr, "%s showed no window%s\n", argv[1], ended ? " and ended" : "");
        return 1;
    }
    std::printf("%.1f\n", mapped - start);
    return 0;
}
