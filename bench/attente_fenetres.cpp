// Starts a program and tells how long it took until a number of its windows were mapped, from the X
// server's own events: SubstructureNotify on the root tells each new top-level, StructureNotify on that
// window tells its mapping even once a window manager has put it in a frame. Nothing polls the window
// tree, which under a window manager with many windows takes longer than what is measured.
//
//   attente_fenetres CLASS COUNT MIN_SIZE TIMEOUT_S LOG -- COMMAND [ARGS...]
//
// Counts the mapped windows whose WM_CLASS (instance or class, any case) is CLASS and whose sides are both
// at least MIN_SIZE pixels (the tray icon is smaller), windows unmapped or destroyed meanwhile taken off.
// Prints "SECONDS PID" once COUNT are mapped, "timeout MAPPED PID" otherwise; the program keeps running,
// its output going to LOG.
#include <xcb/xcb.h>

#include <fcntl.h>
#include <poll.h>
#include <strings.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <set>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

struct Watch {
    xcb_connection_t* connection = nullptr;
    xcb_window_t root = 0;
    std::string wantedClass;
    int minSize = 0;
    std::set<xcb_window_t> mapped; // the program's mapped windows that count

    bool matches(xcb_window_t window) {
        const auto classCookie =
            xcb_get_property(connection, 0, window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 0, 256);
        const auto geometryCookie = xcb_get_geometry(connection, window);
        std::unique_ptr<xcb_get_property_reply_t, decltype(&free)> classReply(
            xcb_get_property_reply(connection, classCookie, nullptr), &free);
        std::unique_ptr<xcb_get_geometry_reply_t, decltype(&free)> geometry(
            xcb_get_geometry_reply(connection, geometryCookie, nullptr), &free);
        if (!classReply || !geometry) return false;
        if (geometry->width < minSize || geometry->height < minSize) return false;
        const int length = xcb_get_property_value_length(classReply.get());
        const char* value = static_cast<const char*>(xcb_get_property_value(classReply.get()));
        // Two NUL-ended strings: the instance, then the class.
        for (int start = 0; start < length;) {
            const std::string part(value + start,
                                   strnlen(value + start, static_cast<size_t>(length - start)));
            if (strcasecmp(part.c_str(), wantedClass.c_str()) == 0) return true;
            start += static_cast<int>(part.size()) + 1;
        }
        return false;
    }

    void follow(xcb_window_t window) {
        const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection, window, XCB_CW_EVENT_MASK, &mask);
        // It may have been mapped before the selection took effect.
        std::unique_ptr<xcb_get_window_attributes_reply_t, decltype(&free)> attributes(
            xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, window),
                                            nullptr),
            &free);
        if (attributes && attributes->map_state != XCB_MAP_STATE_UNMAPPED) onMapped(window);
    }

    void onMapped(xcb_window_t window) {
        if (mapped.count(window) == 0 && matches(window)) mapped.insert(window);
    }
};

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 8 || std::strcmp(argv[6], "--") != 0) {
        std::fprintf(stderr, "usage: %s CLASS COUNT MIN_SIZE TIMEOUT_S LOG -- COMMAND [ARGS...]\n", argv[0]);
        return 2;
    }
    Watch watch;
    watch.wantedClass = argv[1];
    const size_t wanted = std::strtoul(argv[2], nullptr, 10);
    watch.minSize = std::atoi(argv[3]);
    const double timeout = std::atof(argv[4]);
    const char* log = argv[5];

    watch.connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(watch.connection)) {
        std::fprintf(stderr, "cannot open the display\n");
        return 2;
    }
    watch.root = xcb_setup_roots_iterator(xcb_get_setup(watch.connection)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(watch.connection, watch.root, XCB_CW_EVENT_MASK, &mask);
    // A round trip: the selection is in place before the program starts.
    free(xcb_get_input_focus_reply(watch.connection, xcb_get_input_focus(watch.connection), nullptr));

    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid < 0) return 2;
    if (pid == 0) {
        const int output = open(log, O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (output >= 0) {
            dup2(output, STDOUT_FILENO);
            dup2(output, STDERR_FILENO);
            close(output);
        }
        close(xcb_get_file_descriptor(watch.connection));
        execvp(argv[7], argv + 7);
        _exit(127);
    }

    pollfd descriptor{xcb_get_file_descriptor(watch.connection), POLLIN, 0};
    while (watch.mapped.size() < wanted) {
        const double left = timeout - secondsSince(start);
        if (left <= 0) {
            std::printf("timeout %zu %d\n", watch.mapped.size(), pid);
            return 1;
        }
        xcb_generic_event_t* event = xcb_poll_for_event(watch.connection);
        if (!event) {
            if (xcb_connection_has_error(watch.connection)) return 2;
            poll(&descriptor, 1, static_cast<int>(left * 1000) + 1);
            continue;
        }
        switch (event->response_type & 0x7f) {
        case XCB_CREATE_NOTIFY: {
            const auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event);
            if (created->parent == watch.root && !created->override_redirect) watch.follow(created->window);
            break;
        }
        case XCB_MAP_NOTIFY: {
            const auto* shown = reinterpret_cast<xcb_map_notify_event_t*>(event);
            if (!shown->override_redirect) watch.onMapped(shown->window);
            break;
        }
        case XCB_UNMAP_NOTIFY:
            watch.mapped.erase(reinterpret_cast<xcb_unmap_notify_event_t*>(event)->window);
            break;
        case XCB_DESTROY_NOTIFY:
            watch.mapped.erase(reinterpret_cast<xcb_destroy_notify_event_t*>(event)->window);
            break;
        default:
            break;
        }
        free(event);
    }
    std::printf("%.4f %d\n", secondsSince(start), pid);
    return 0;
}
