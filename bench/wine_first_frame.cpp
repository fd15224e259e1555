// SPDX-License-Identifier: MIT
// Starts a program (a Windows program under Wine, or any other) and watches
// the X server draw its top-level window (XDamage on the mapped windows whose
// _NET_WM_PID is the program's). A window appears in pieces (the background,
// then each control as it paints), and may be drawn again unchanged, so the
// first frame is the first drawing after which the window shows what it shows
// once nothing has been drawn for a quiet time: its pixels then are its pixels
// at rest. At each drawing the window's pixels, the program's CPU time, peak
// memory and libraries are read; once it is quiet, the program is killed.
// Prints one line of JSON:
//   first_frame_ms  exec to the first frame
//   first_pixels_ms exec to the first drawing
//   drawings        the drawings until the first frame, that one included
//   cpu_ms          the program's CPU time (all threads) until the first frame
//   server_cpu_ms   the wineserver's (given by its PID) over the same time
//   peak_kb         its peak resident memory (VmHWM) then: the working set's peak
//   window          the window's size in pixels
//   dlls            the Windows libraries mapped into it then, by name
//
//   velkaro_wine_first_frame [--server-pid PID] [--quiet-ms 700] [--timeout-ms 20000]
//                            [--screenshot PNG] -- COMMAND [ARGS...]
// --screenshot keeps what the window shows once quiet (ImageMagick's import).
// The same watcher times every program, so the figures compare.
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fstream>
#include <map>
#include <poll.h>
#include <set>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

std::int64_t NowNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return std::int64_t{ts.tv_sec} * 1'000'000'000 + ts.tv_nsec;
}

std::string Slurp(const std::string& path) {
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The time a process and all its threads have run, in nanoseconds, from the
// scheduler's own account (/proc/PID/task/*/schedstat, first field).
std::int64_t ScheduledNs(pid_t pid) {
    std::int64_t total = 0;
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    if (DIR* folder = opendir(tasks.c_str())) {
        while (const dirent* task = readdir(folder))
            if (task->d_name[0] != '.')
                total += std::atoll(Slurp(tasks + "/" + task->d_name + "/schedstat").c_str());
        closedir(folder);
    }
    return total;
}

long PeakKb(pid_t pid) {
    std::istringstream status(Slurp("/proc/" + std::to_string(pid) + "/status"));
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

// The .dll files mapped into the process, each once, by name.
std::vector<std::string> Dlls(pid_t pid) {
    std::istringstream maps(Slurp("/proc/" + std::to_string(pid) + "/maps"));
    std::vector<std::string> names;
    std::set<std::string> seen;
    for (std::string line; std::getline(maps, line);) {
        const std::size_t slash = line.rfind('/');
        if (slash == std::string::npos)
            continue;
        std::string name = line.substr(slash + 1);
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (name.size() > 4 && name.compare(name.size() - 4, 4, ".dll") == 0 &&
            seen.insert(name).second)
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

xcb_atom_t Atom(xcb_connection_t* x, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        x, xcb_intern_atom(x, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

// A window's pixels as the X server has them now.
std::vector<std::uint8_t> PixelsOf(xcb_connection_t* x, xcb_window_t window) {
    std::vector<std::uint8_t> pixels;
    xcb_get_geometry_reply_t* geometry =
        xcb_get_geometry_reply(x, xcb_get_geometry(x, window), nullptr);
    if (!geometry)
        return pixels;
    xcb_get_image_reply_t* image =
        xcb_get_image_reply(x,
                            xcb_get_image(x, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0,
                                          geometry->width, geometry->height, ~0u),
                            nullptr);
    if (image)
        pixels.assign(xcb_get_image_data(image),
                      xcb_get_image_data(image) + xcb_get_image_data_length(image));
    std::free(image);
    std::free(geometry);
    return pixels;
}

// Whether a window is mapped and not override-redirect (a menu or a tooltip).
bool Shown(xcb_connection_t* x, xcb_window_t window) {
    xcb_get_window_attributes_reply_t* reply =
        xcb_get_window_attributes_reply(x, xcb_get_window_attributes(x, window), nullptr);
    const bool shown =
        reply && reply->map_state == XCB_MAP_STATE_VIEWABLE && !reply->override_redirect;
    std::free(reply);
    return shown;
}

long WindowPid(xcb_connection_t* x, xcb_window_t window, xcb_atom_t pidAtom) {
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        x, xcb_get_property(x, 0, window, pidAtom, XCB_ATOM_CARDINAL, 0, 1), nullptr);
    long pid = -1;
    if (reply && xcb_get_property_value_length(reply) >= 4)
        pid = *static_cast<const std::uint32_t*>(xcb_get_property_value(reply));
    std::free(reply);
    return pid;
}

} // namespace

int main(int argc, char* argv[]) {
    pid_t server = 0;
    long timeoutMs = 20000, quietMs = 700;
    const char* screenshot = nullptr;
    int first = 1;
    for (; first < argc && std::strcmp(argv[first], "--") != 0; ++first) {
        if (!std::strcmp(argv[first], "--server-pid") && first + 1 < argc)
            server = static_cast<pid_t>(std::atol(argv[++first]));
        else if (!std::strcmp(argv[first], "--timeout-ms") && first + 1 < argc)
            timeoutMs = std::atol(argv[++first]);
        else if (!std::strcmp(argv[first], "--quiet-ms") && first + 1 < argc)
            quietMs = std::atol(argv[++first]);
        else if (!std::strcmp(argv[first], "--screenshot") && first + 1 < argc)
            screenshot = argv[++first];
    }
    if (first + 1 >= argc) {
        std::fprintf(
            stderr,
            "usage: %s [--server-pid PID] [--quiet-ms MS] [--timeout-ms MS] [--screenshot PNG] -- "
            "COMMAND...\n",
            argv[0]);
        return 2;
    }

    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "wine_first_frame: no X server\n");
        return 1;
    }
    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(x, &xcb_damage_id);
    if (!damage || !damage->present) {
        std::fprintf(stderr, "wine_first_frame: the X server has no DAMAGE extension\n");
        return 1;
    }
    std::free(xcb_damage_query_version_reply(
        x, xcb_damage_query_version(x, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
        nullptr));
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const xcb_atom_t pidAtom = Atom(x, "_NET_WM_PID");
    // Every window made at the top level is seen from its creation on.
    const std::uint32_t rootEvents = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &rootEvents);
    std::free(xcb_get_input_focus_reply(x, xcb_get_input_focus(x), nullptr));

    const std::int64_t serverStart = server ? ScheduledNs(server) : 0;
    const std::int64_t start = NowNs();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[first + 1], argv + first + 1);
        std::_Exit(127);
    }

    // What the program had used at its latest drawing.
    struct Sample {
        std::int64_t at = 0, cpuNs = 0, serverNs = 0;
        long peakKb = 0;
        std::vector<std::string> dlls;
        std::vector<std::uint8_t> pixels;
    };
    std::vector<Sample> samples;
    std::set<xcb_window_t> mapped, others;
    std::map<xcb_window_t, xcb_damage_damage_t> damages;
    Sample latest;
    std::int64_t firstPixels = 0;
    int drawings = 0;
    xcb_window_t window = 0;
    const int fd = xcb_get_file_descriptor(x);
    for (;;) {
        xcb_generic_event_t* event = xcb_poll_for_event(x);
        if (!event) {
            const long elapsed = (NowNs() - start) / 1'000'000;
            const long quiet = latest.at ? (NowNs() - latest.at) / 1'000'000 : 0;
            if ((latest.at && quiet >= quietMs) || elapsed >= timeoutMs ||
                xcb_connection_has_error(x))
                break;
            pollfd wait{fd, POLLIN, 0};
            poll(&wait, 1,
                 static_cast<int>(latest.at ? std::min(quietMs - quiet, timeoutMs - elapsed)
                                            : timeoutMs - elapsed));
            continue;
        }
        const int type = event->response_type & 0x7F;
        if (type == XCB_CREATE_NOTIFY) {
            const auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event);
            // Drawing into it is reported from now on.
            damages[created->window] = xcb_generate_id(x);
            xcb_damage_create(x, damages[created->window], created->window,
                              XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
            xcb_flush(x);
        } else if (type == damage->first_event + XCB_DAMAGE_NOTIFY) {
            const auto* drawn = reinterpret_cast<xcb_damage_notify_event_t*>(event);
            // Only a window on the screen is drawn into: the program's, or another's.
            if (!mapped.count(drawn->drawable) && !others.count(drawn->drawable))
                (Shown(x, drawn->drawable) && WindowPid(x, drawn->drawable, pidAtom) == child
                     ? mapped
                     : others)
                    .insert(drawn->drawable);
            if (mapped.count(drawn->drawable)) {
                latest.at = NowNs();
                latest.cpuNs = ScheduledNs(child);
                latest.serverNs = server ? ScheduledNs(server) : 0;
                latest.peakKb = PeakKb(child);
                latest.dlls = Dlls(child);
                latest.pixels = PixelsOf(x, drawn->drawable);
                samples.push_back(latest);
                firstPixels = firstPixels ? firstPixels : latest.at;
                window = drawn->drawable;
                // Reported again at the next drawing.
                xcb_damage_subtract(x, damages[drawn->drawable], XCB_NONE, XCB_NONE);
                xcb_flush(x);
            }
        }
        std::free(event);
    }

    int status = 0;
    if (!latest.at) {
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
        std::fprintf(stderr, "wine_first_frame: nothing drawn by %s within %ld ms\n",
                     argv[first + 1], timeoutMs);
        return 1;
    }
    xcb_get_geometry_reply_t* geometry =
        xcb_get_geometry_reply(x, xcb_get_geometry(x, window), nullptr);
    // The first drawing that left the window as it is at rest.
    const std::vector<std::uint8_t> rest = PixelsOf(x, window);
    std::size_t frame = 0;
    while (frame + 1 < samples.size() && samples[frame].pixels != rest)
        ++frame;
    latest = samples[frame];
    drawings = static_cast<int>(frame + 1);
    if (screenshot) {
        const std::string command =
            "import -window " + std::to_string(window) + " '" + screenshot + "'";
        if (std::system(command.c_str()) != 0)
            std::fprintf(stderr, "wine_first_frame: no screenshot\n");
    }
    kill(child, SIGKILL);
    waitpid(child, &status, 0);
    std::printf("{\"first_frame_ms\": %.3f, \"first_pixels_ms\": %.3f, \"drawings\": %d, "
                "\"cpu_ms\": %.3f, \"server_cpu_ms\": %.3f, \"peak_kb\": %ld, "
                "\"window\": \"%dx%d\", \"dlls\": [",
                (latest.at - start) / 1e6, (firstPixels - start) / 1e6, drawings,
                latest.cpuNs / 1e6, (latest.serverNs - serverStart) / 1e6, latest.peakKb,
                geometry ? geometry->width : 0, geometry ? geometry->height : 0);
    for (std::size_t i = 0; i < latest.dlls.size(); ++i)
        std::printf("%s\"%s\"", i ? ", " : "", latest.dlls[i].c_str());
    std::printf("]}\n");
    std::free(geometry);
    xcb_disconnect(x);
    return 0;
}
