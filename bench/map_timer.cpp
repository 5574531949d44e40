// Starts a program and reports how long its window of the game's size takes to map on the X server (with
// --any, its first window mapped at 200 x 200 or more: a program under Wine), and
// the program's peak resident memory, read when it is ended shortly after. Usage: velsora_map_timer [--any] PROGRAM
#include "window/design.h"

#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {
// The game's window at 96 dpi.
constexpr int kWidth = velsora::design::kClientWidth / 15;
constexpr int kHeight = velsora::design::kClientHeight / 15;
} // namespace

int main(int argc, char** argv)
{
    const bool anyWindow = argc > 1 && std::strcmp(argv[1], "--any") == 0;
    char** program = argv + (anyWindow ? 2 : 1);
    if (*program == nullptr) {
        std::fprintf(stderr, "usage: %s [--any] PROGRAM\n", argv[0]);
        return 2;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection) != 0) {
        std::fprintf(stderr, "no X server\n");
        return 2;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    const auto started = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execv(program[0], program);
        _exit(127);
    }
    xcb_window_t target = XCB_NONE;
    double mappedAfterMs = -1;
    while (mappedAfterMs < 0) {
        std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event(xcb_wait_for_event(connection), &std::free);
        if (!event) break;
        const auto type = event->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            const auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event.get());
            if (created->width == kWidth && created->height == kHeight) target = created->window;
        } else if (type == XCB_MAP_NOTIFY) {
            const auto* mapped = reinterpret_cast<xcb_map_notify_event_t*>(event.get());
            // Wine makes its windows small and sizes them before the map: their size is read then.
            if (anyWindow) {
                std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> geometry(
                    xcb_get_geometry_reply(connection, xcb_get_geometry(connection, mapped->window), nullptr),
                    &std::free);
                if (geometry && geometry->width >= 200 && geometry->height >= 200) target = mapped->window;
            }
            if (mapped->window == target) {
                mappedAfterMs =
                    std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count();
            }
        }
    }
    // Let the first paint and the idle clean-up happen before reading the peak.
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    kill(child, SIGTERM);
    rusage usage{};
    const long hwm = wait4(child, nullptr, 0, &usage) == child ? usage.ru_maxrss : -1;
    xcb_disconnect(connection);
    std::printf("%.2f %ld\n", mappedAfterMs, hwm);
    return mappedAfterMs < 0 ? 1 : 0;
}
