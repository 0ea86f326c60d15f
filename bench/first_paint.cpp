// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts a program on the X server of $DISPLAY and prints the milliseconds from its start to
// the first paint of its top-level window, then its peak resident memory in kB: start-up as
// the user sees it, measured from outside, so the program needs no hooks of its own.
//   first_paint [--settle MS] PROGRAM [ARGS...]
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

struct Free {
    void operator()(void* p) const { std::free(p); }
};

int Fail(const char* why) {
    std::fprintf(stderr, "first_paint: %s\n", why);
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    int settleMs = 300;  // time after the first paint for start-up work that follows it
    int first = 1;
    if (argc > 2 && std::strcmp(argv[1], "--settle") == 0) {
        settleMs = std::atoi(argv[2]);
        first = 3;
    }
    if (first >= argc)
        return Fail("usage: first_paint [--settle MS] PROGRAM [ARGS...]");

    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x))
        return Fail("cannot open the display");
    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(x, &xcb_damage_id);
    if (!damage || !damage->present)
        return Fail("the X server has no DAMAGE extension");
    std::unique_ptr<xcb_damage_query_version_reply_t, Free> version(
        xcb_damage_query_version_reply(x, xcb_damage_query_version(x, 1, 1), nullptr));
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    // Checked, so that the server has the selection before the program can create a window.
    if (std::unique_ptr<xcb_generic_error_t, Free> error(
            xcb_request_check(x, xcb_change_window_attributes_checked(x, root, XCB_CW_EVENT_MASK, &mask)));
        error)
        return Fail("cannot watch the root window");

    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child < 0)
        return Fail("cannot start the program");
    if (child == 0) {
        execvp(argv[first], argv + first);
        std::perror(argv[first]);
        _exit(127);
    }

    // Damage is tracked from each top-level window's creation, so no paint can slip past;
    // the first damage of a window that has been mapped is the first frame the user sees.
    std::set<xcb_window_t> mapped;
    double paintMs = -1;
    const Clock::time_point deadline = start + std::chrono::seconds(30);
    pollfd fd{xcb_get_file_descriptor(x), POLLIN, 0};
    while (paintMs < 0 && Clock::now() < deadline) {
        std::unique_ptr<xcb_generic_event_t, Free> event(xcb_poll_for_event(x));
        if (!event) {
            if (xcb_connection_has_error(x))
                break;
            int status = 0;
            if (waitpid(child, &status, WNOHANG) == child)
                return Fail("the program ended before it painted a window");
            poll(&fd, 1, 50);
            continue;
        }
        const uint8_t type = event->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            const auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event.get());
            if (created->parent == root && !created->override_redirect)
                xcb_damage_create(x, xcb_generate_id(x), created->window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
            xcb_flush(x);
        } else if (type == XCB_MAP_NOTIFY) {
            mapped.insert(reinterpret_cast<xcb_map_notify_event_t*>(event.get())->window);
        } else if (type == damage->first_event + XCB_DAMAGE_NOTIFY) {
            const auto* damaged = reinterpret_cast<xcb_damage_notify_event_t*>(event.get());
            if (mapped.count(damaged->drawable))
                paintMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        }
    }

    std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    xcb_disconnect(x);
    if (paintMs < 0)
        return Fail("no window of the program was painted within 30 seconds");
    std::printf("%.2f %ld\n", paintMs, usage.ru_maxrss);
    return 0;
}
