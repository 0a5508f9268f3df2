// The journeys' watcher: writes a byte to a pipe each time something a journey may be waiting for changes,
// so that a wait blocks until the next change instead of looking again and again:
// - on the test's X server: a window made, mapped, moved, renamed, focused, given a property or drawn into;
//   the clipboard or the primary selection taken by another program;
// - in the test's folder: a file written, put in place, removed or changed in mode.
//
//   guetteur PIPE FOLDER
//
// Its first byte says that it watches. Once it watches a window or a folder that has just appeared it
// writes a byte as well: what changed there before the watch took effect is then looked at again. A byte
// that finds the pipe full is dropped, since the reader has bytes to read already. It ends with the X
// server.
#include <xcb/damage.h>
#include <xcb/xcb.h>
#include <xcb/xfixes.h>

#include <fcntl.h>
#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <system_error>

namespace {

template <typename Reply> using Owned = std::unique_ptr<Reply, decltype(&free)>;

class Guetteur {
public:
    Guetteur(int pipe, xcb_connection_t* x) : pipe_(pipe), x_(x) {}

    bool start(const std::string& folder) {
        root_ = xcb_setup_roots_iterator(xcb_get_setup(x_)).data->root;
        damage_ = extensionPresent(&xcb_damage_id);
        if (damage_) {
            free(xcb_damage_query_version_reply(x_, xcb_damage_query_version(x_, 1, 1), nullptr));
            damageNotify_ = static_cast<uint8_t>(xcb_get_extension_data(x_, &xcb_damage_id)->first_event +
                                                 XCB_DAMAGE_NOTIFY);
        }
        if (extensionPresent(&xcb_xfixes_id)) {
            free(xcb_xfixes_query_version_reply(x_, xcb_xfixes_query_version(x_, 5, 0), nullptr));
            const uint32_t owner = XCB_XFIXES_SELECTION_EVENT_MASK_SET_SELECTION_OWNER |
                                   XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_WINDOW_DESTROY |
                                   XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_CLIENT_CLOSE;
            for (const char* name : {"CLIPBOARD", "PRIMARY"})
                xcb_xfixes_select_selection_input(x_, root_, atom(name), owner);
        }
        followTree(root_);
        inotify_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        if (inotify_ < 0) return false;
        watchFolders(folder);
        sync();
        signal();
        return true;
    }

    int run() {
        pollfd sources[2] = {{xcb_get_file_descriptor(x_), POLLIN, 0}, {inotify_, POLLIN, 0}};
        for (;;) {
            handleXEvents();
            if (xcb_connection_has_error(x_)) return 0; // the X server is gone, and the test with it
            if (poll(sources, 2, -1) < 0 && errno != EINTR) return 1;
            if (sources[1].revents & POLLIN) handleFileEvents();
        }
    }

private:
    bool extensionPresent(xcb_extension_t* extension) {
        const xcb_query_extension_reply_t* data = xcb_get_extension_data(x_, extension);
        return data && data->present;
    }

    xcb_atom_t atom(const char* name) {
        Owned<xcb_intern_atom_reply_t> reply(
            xcb_intern_atom_reply(x_, xcb_intern_atom(x_, 0, static_cast<uint16_t>(std::strlen(name)), name),
                                  nullptr),
            &free);
        return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    }

    // Every window of the tree, and those made later (told by their parent's SubstructureNotify).
    void followTree(xcb_window_t window) {
        follow(window);
        Owned<xcb_query_tree_reply_t> tree(xcb_query_tree_reply(x_, xcb_query_tree(x_, window), nullptr),
                                           &free);
        if (!tree) return;
        const xcb_window_t* children = xcb_query_tree_children(tree.get());
        for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i)
            followTree(children[i]);
    }

    void follow(xcb_window_t window) {
        // Errors (a window gone meanwhile, an input-only window that cannot be drawn into) come back as
        // events and are passed over.
        const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY |
                              XCB_EVENT_MASK_PROPERTY_CHANGE | XCB_EVENT_MASK_FOCUS_CHANGE;
        xcb_change_window_attributes(x_, window, XCB_CW_EVENT_MASK, &mask);
        if (damage_) xcb_damage_create(x_, xcb_generate_id(x_), window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
    }

    // Once the server has taken every request sent so far.
    void sync() { free(xcb_get_input_focus_reply(x_, xcb_get_input_focus(x_), nullptr)); }

    void handleXEvents() {
        bool changed = false;
        for (;;) {
            bool followed = false;
            while (xcb_generic_event_t* event = xcb_poll_for_event(x_)) {
                const uint8_t type = event->response_type & 0x7F;
                if (type == XCB_CREATE_NOTIFY) {
                    follow(reinterpret_cast<xcb_create_notify_event_t*>(event)->window);
                    followed = true;
                } else if (damage_ && type == damageNotify_) {
                    // Reported again at the next drawing only once taken.
                    xcb_damage_subtract(x_, reinterpret_cast<xcb_damage_notify_event_t*>(event)->damage,
                                        XCB_NONE, XCB_NONE);
                }
                changed = changed || type != 0;
                free(event);
            }
            // The new windows are watched once the server has the requests: what they did before is
            // looked at again after the byte, and what came meanwhile is read above.
            if (!followed) break;
            sync();
        }
        xcb_flush(x_);
        if (changed) signal();
    }

    void watchFolders(const std::string& top) {
        watchFolder(top);
        std::error_code error;
        for (auto entry = std::filesystem::recursive_directory_iterator(
                 top, std::filesystem::directory_options::skip_permission_denied, error);
             !error && entry != std::filesystem::recursive_directory_iterator(); entry.increment(error))
            if (entry->is_directory(error) && !entry->is_symlink(error)) watchFolder(entry->path().string());
    }

    void watchFolder(const std::string& folder) {
        const uint32_t mask = IN_CREATE | IN_CLOSE_WRITE | IN_MOVED_TO | IN_MOVED_FROM | IN_DELETE |
                              IN_ATTRIB | IN_ONLYDIR | IN_DONT_FOLLOW;
        const int watch = inotify_add_watch(inotify_, folder.c_str(), mask);
        if (watch >= 0) folders_[watch] = folder;
    }

    void handleFileEvents() {
        alignas(inotify_event) char buffer[64 * 1024];
        bool changed = false;
        for (;;) {
            const ssize_t length = read(inotify_, buffer, sizeof buffer);
            if (length <= 0) break;
            for (ssize_t at = 0; at < length;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
                at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
                changed = true;
                if ((event->mask & IN_ISDIR) && (event->mask & (IN_CREATE | IN_MOVED_TO)) && event->len > 0) {
                    const auto folder = folders_.find(event->wd);
                    // Whatever it holds by the time it is watched is looked at after the byte below.
                    if (folder != folders_.end()) watchFolders(folder->second + '/' + event->name);
                }
                if (event->mask & IN_IGNORED) folders_.erase(event->wd);
            }
        }
        if (changed) signal();
    }

    void signal() {
        const char byte = '.';
        // A full pipe already holds what the reader needs to look again.
        [[maybe_unused]] const ssize_t written = write(pipe_, &byte, 1);
    }

    int pipe_;
    xcb_connection_t* x_;
    xcb_window_t root_ = 0;
    bool damage_ = false;
    uint8_t damageNotify_ = 0;
    int inotify_ = -1;
    std::map<int, std::string> folders_;
};

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s PIPE FOLDER\n", argv[0]);
        return 2;
    }
    const int pipe = open(argv[1], O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (pipe < 0) {
        std::perror(argv[1]);
        return 1;
    }
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "guetteur: cannot open the display\n");
        return 1;
    }
    Guetteur guetteur(pipe, x);
    if (!guetteur.start(argv[2])) {
        std::perror("guetteur: inotify");
        return 1;
    }
    const int status = guetteur.run();
    xcb_disconnect(x);
    return status;
}
