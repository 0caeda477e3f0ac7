// Starts a program and reports how long until its window is on screen and painted, and its
// peak resident memory by then. Watches the X server from outside; the program is not changed.
// Usage: time_to_paint PROGRAM [ARGUMENTS...]   prints "<milliseconds> <peak RSS in KiB>"
#include <xcb/xcb.h>

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// Painted: Qt flushes the whole window at once, and both programs measured have a white
// background, so the first image that is mostly white is the first painted frame.
bool IsPainted(xcb_connection_t* x, xcb_window_t window) {
    auto* geometry = xcb_get_geometry_reply(x, xcb_get_geometry(x, window), nullptr);
    if (geometry == nullptr) {
        return false;
    }
    auto* image = xcb_get_image_reply(x,
                                      xcb_get_image(x, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0,
                                                    geometry->width, geometry->height, ~0u),
                                      nullptr);
    std::free(geometry);
    if (image == nullptr) {
        return false;
    }
    const auto* pixels = reinterpret_cast<const std::uint32_t*>(xcb_get_image_data(image));
    const int count = xcb_get_image_data_length(image) / 4;
    int white = 0;
    for (int i = 0; i < count; ++i) {
        white += (pixels[i] & 0xFFFFFF) == 0xFFFFFF;
    }
    std::free(image);
    return count > 0 && white > count / 2;
}

long PeakRssKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return -1;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "no X server\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x);

    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execv(argv[1], argv + 1);
        _exit(127);
    }

    xcb_window_t mapped = XCB_NONE;
    const auto deadline = start + std::chrono::seconds(20);
    while (Clock::now() < deadline) {
        if (mapped == XCB_NONE) {
            if (xcb_generic_event_t* event = xcb_poll_for_event(x)) {
                if ((event->response_type & 0x7F) == XCB_MAP_NOTIFY) {
                    mapped = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
                }
                std::free(event);
                continue;
            }
        } else if (IsPainted(x, mapped)) {
            const double ms =
                std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            std::printf("%.1f %ld\n", ms, PeakRssKiB(pid));
            kill(pid, SIGTERM);
            waitpid(pid, nullptr, 0);
            xcb_disconnect(x);
            return 0;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    std::fprintf(stderr, "no painted window within 20 s\n");
    return 1;
}
