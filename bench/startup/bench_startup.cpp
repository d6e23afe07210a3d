// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up benchmark driver: how long the bar takes from exec to its first
// complete frame, and how much memory it holds once settled, against a bare
// Qt window of the same shape (bench_floor_window), and against that window
// with one text field in it (bench_floor_window --with-field), the floor the
// bar is held to.
//
// The first complete frame is the moment the X server has seen drawing cover
// the whole visible part of the program's window (the damage extension,
// watched on the root window). Needs DISPLAY pointing at an X server without
// a window manager (run.sh starts one): the first MapNotify on the root
// window after exec is then the program's own window, not a frame.
#include <xcb/damage.h>
#include <xcb/shape.h>
#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kMapDeadline = std::chrono::seconds(15);
constexpr auto kSettle = std::chrono::seconds(2);
// Lumora's median first frame against the floor with a text field.
constexpr double kTarget = 1.05;

struct Program {
    std::string label;
    std::string path;
    std::vector<std::string> args;
    std::vector<double> startMs;
    std::vector<double> rssMb;
    std::vector<double> setMedians;  // median first frame of each set of rounds
};

struct Sample {
    double startMs;
    double rssMb;
};

class Display {
public:
    Display()
    {
        m_conn = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(m_conn)) return;
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_conn)).data->root;
        // Every top-level map shows up on the root as MapNotify.
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_generic_error_t* err =
            xcb_request_check(m_conn, xcb_change_window_attributes_checked(m_conn, m_root, XCB_CW_EVENT_MASK, &mask));
        if (err) {
            free(err);
            xcb_disconnect(m_conn);
            m_conn = nullptr;
            return;
        }
        // Every drawing anywhere on the screen, as one growing bounding box.
        const xcb_query_extension_reply_t* damage = xcb_get_extension_data(m_conn, &xcb_damage_id);
        if (damage && damage->present) {
            free(xcb_damage_query_version_reply(m_conn, xcb_damage_query_version(m_conn, 1, 1), nullptr));
            m_damage = xcb_generate_id(m_conn);
            xcb_damage_create(m_conn, m_damage, m_root, XCB_DAMAGE_REPORT_LEVEL_BOUNDING_BOX);
            m_damageEvent = damage->first_event + XCB_DAMAGE_NOTIFY;
        }
        const char name[] = "_NET_WM_PID";
        if (auto* r = xcb_intern_atom_reply(m_conn, xcb_intern_atom(m_conn, 0, sizeof name - 1, name), nullptr)) {
            m_pidAtom = r->atom;
            free(r);
        }
    }
    ~Display()
    {
        if (m_conn) xcb_disconnect(m_conn);
    }
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;

    bool Ok() const { return m_conn && !xcb_connection_has_error(m_conn) && m_damage != 0; }

    // Forgets the events and the damage of earlier runs.
    void Reset()
    {
        xcb_damage_subtract(m_conn, m_damage, XCB_NONE, XCB_NONE);
        xcb_aux_sync();
        while (xcb_generic_event_t* ev = xcb_poll_for_event(m_conn)) free(ev);
        m_window = 0;
        m_damaged = {};
    }

    // Waits until a top-level window of `pid` is mapped and drawing has
    // covered all of it that lies on the screen; returns the time the event
    // that completed it arrived, or nothing at the deadline or when the
    // child has died.
    std::optional<Clock::time_point> WaitForFirstFrame(pid_t pid, Clock::time_point deadline)
    {
        const int fd = xcb_get_file_descriptor(m_conn);
        while (Clock::now() < deadline) {
            while (xcb_generic_event_t* ev = xcb_poll_for_event(m_conn)) {
                const auto now = Clock::now();
                const int type = ev->response_type & 0x7f;
                if (type == XCB_MAP_NOTIFY && !m_window) {
                    const xcb_window_t window = reinterpret_cast<xcb_map_notify_event_t*>(ev)->window;
                    if (OwnedBy(window, pid)) m_window = window;
                } else if (type == m_damageEvent) {
                    const auto* notify = reinterpret_cast<xcb_damage_notify_event_t*>(ev);
                    m_damaged = notify->area;
                }
                free(ev);
                // The shape may still change while the window comes up.
                if (m_window && Covers(m_damaged, VisibleRect(m_window))) return now;
            }
            if (xcb_connection_has_error(m_conn)) return std::nullopt;
            if (waitpid(pid, nullptr, WNOHANG) == pid) return std::nullopt;
            pollfd p{fd, POLLIN, 0};
            poll(&p, 1, 100);
        }
        return std::nullopt;
    }

private:
    void xcb_aux_sync() { free(xcb_get_input_focus_reply(m_conn, xcb_get_input_focus(m_conn), nullptr)); }

    // What can show of the window: its shape's extents (a rounded bar cuts
    // its last row and column) on the root, cut to the screen.
    xcb_rectangle_t VisibleRect(xcb_window_t window)
    {
        xcb_rectangle_t r{0, 0, 0, 0};
        auto* t =
            xcb_translate_coordinates_reply(m_conn, xcb_translate_coordinates(m_conn, window, m_root, 0, 0), nullptr);
        auto* shape = xcb_shape_query_extents_reply(m_conn, xcb_shape_query_extents(m_conn, window), nullptr);
        auto* rg = xcb_get_geometry_reply(m_conn, xcb_get_geometry(m_conn, m_root), nullptr);
        if (t && shape && rg) {
            const int x = t->dst_x + shape->bounding_shape_extents_x;
            const int y = t->dst_y + shape->bounding_shape_extents_y;
            const int left = std::max(x, 0), top = std::max(y, 0);
            const int right = std::min<int>(x + shape->bounding_shape_extents_width, rg->width);
            const int bottom = std::min<int>(y + shape->bounding_shape_extents_height, rg->height);
            r = {static_cast<int16_t>(left), static_cast<int16_t>(top),
                 static_cast<uint16_t>(std::max(0, right - left)), static_cast<uint16_t>(std::max(0, bottom - top))};
        }
        free(t);
        free(shape);
        free(rg);
        return r;
    }

    static bool Covers(const xcb_rectangle_t& outer, const xcb_rectangle_t& inner)
    {
        if (inner.width == 0 || inner.height == 0) return false;
        return outer.x <= inner.x && outer.y <= inner.y && outer.x + outer.width >= inner.x + inner.width &&
               outer.y + outer.height >= inner.y + inner.height;
    }

    // A window without _NET_WM_PID counts as the program's: with no window
    // manager and no other client, nobody else maps anything.
    bool OwnedBy(xcb_window_t window, pid_t pid)
    {
        if (m_pidAtom == XCB_ATOM_NONE) return true;
        auto* r = xcb_get_property_reply(
            m_conn, xcb_get_property(m_conn, 0, window, m_pidAtom, XCB_ATOM_CARDINAL, 0, 1), nullptr);
        bool owned = true;
        if (r && xcb_get_property_value_length(r) == 4) {
            uint32_t value = 0;
            std::memcpy(&value, xcb_get_property_value(r), sizeof value);
            owned = value == static_cast<uint32_t>(pid);
        }
        free(r);
        return owned;
    }

    xcb_connection_t* m_conn = nullptr;
    xcb_window_t m_root = 0;
    xcb_atom_t m_pidAtom = XCB_ATOM_NONE;
    xcb_damage_damage_t m_damage = 0;
    int m_damageEvent = -1;
    xcb_window_t m_window = 0;
    xcb_rectangle_t m_damaged{};
};

double ResidentMb(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) return std::strtod(line.c_str() + 6, nullptr) / 1024.0;
    }
    return -1.0;
}

void Stop(pid_t pid)
{
    kill(pid, SIGTERM);
    const auto deadline = Clock::now() + std::chrono::seconds(3);
    while (Clock::now() < deadline) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

std::optional<Sample> RunOnce(Display& display, const Program& program, bool measureRss, std::string& error)
{
    const std::string& path = program.path;
    std::string dir = (std::filesystem::temp_directory_path() / "lumora-bench-XXXXXX").string();
    if (!mkdtemp(dir.data())) {
        error = "mkdtemp failed";
        return std::nullopt;
    }
    display.Reset();

    const auto t0 = Clock::now();
    const pid_t pid = fork();
    if (pid < 0) {
        error = "fork failed";
        std::filesystem::remove_all(dir);
        return std::nullopt;
    }
    if (pid == 0) {
        // A fresh data folder each run, nothing but system tools on PATH, and
        // the X display we watch.
        setenv("XDG_CONFIG_HOME", dir.c_str(), 1);
        setenv("XDG_STATE_HOME", dir.c_str(), 1);
        setenv("PATH", "/usr/local/bin:/usr/bin:/bin", 1);
        unsetenv("WAYLAND_DISPLAY");
        unsetenv("QT_QPA_PLATFORM");
        if (FILE* null = std::fopen("/dev/null", "w")) {
            dup2(fileno(null), STDOUT_FILENO);
            dup2(fileno(null), STDERR_FILENO);
        }
        std::vector<char*> argv{const_cast<char*>(path.c_str())};
        for (const std::string& arg : program.args) argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        execv(path.c_str(), argv.data());
        _exit(127);
    }

    std::optional<Sample> sample;
    if (const auto framed = display.WaitForFirstFrame(pid, t0 + kMapDeadline)) {
        const double ms = std::chrono::duration<double, std::milli>(*framed - t0).count();
        if (measureRss) std::this_thread::sleep_for(kSettle);
        const double rss = ResidentMb(pid);
        if (rss > 0)
            sample = Sample{ms, measureRss ? rss : -1.0};
        else
            error = path + " exited within " + std::to_string(kSettle.count()) + " s of showing its window";
    } else {
        error = path + " did not show a complete frame within " + std::to_string(kMapDeadline.count()) + " s";
    }
    Stop(pid);
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
    return sample;
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0;
}

double Min(const std::vector<double>& v)
{
    return *std::min_element(v.begin(), v.end());
}

void PrintRow(const char* label, double a, double b, double c, double d, const char* unitTime, const char* unitMem)
{
    std::printf("%-20s %10.1f %s %10.1f %s %10.1f %s %10.1f %s\n", label, a, unitTime, b, unitTime, c, unitMem, d,
                unitMem);
}

// Median and minimum start-up and RSS of `a` over those of `b`.
std::array<double, 4> Ratios(const Program& a, const Program& b)
{
    return {Median(a.startMs) / Median(b.startMs), Min(a.startMs) / Min(b.startMs), Median(a.rssMb) / Median(b.rssMb),
            Min(a.rssMb) / Min(b.rssMb)};
}

void PrintRatios(const Program& a, const Program& b)
{
    std::printf("%-20s", (a.label + "/" + b.label).c_str());
    for (double r : Ratios(a, b)) std::printf(" %12.2fx", r);
    std::printf("\n");
}

int Usage(const char* argv0)
{
    std::fprintf(stderr, "usage: %s [--rounds N] [--sets M] <floor-program> <lumora-program>\n", argv0);
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    int rounds = 21;
    int sets = 3;
    // RSS needs each program to settle for a while; a few rounds tell it.
    constexpr int kRssRounds = 7;
    std::vector<std::string> paths;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((arg == "--rounds" || arg == "--runs") && i + 1 < argc) {
            rounds = std::atoi(argv[++i]);
            if (rounds < 1) return Usage(argv[0]);
        } else if (arg == "--sets" && i + 1 < argc) {
            sets = std::atoi(argv[++i]);
            if (sets < 1) return Usage(argv[0]);
        } else if (arg.rfind("--", 0) == 0) {
            return Usage(argv[0]);
        } else {
            paths.push_back(arg);
        }
    }
    if (paths.size() != 2) return Usage(argv[0]);

    Display display;
    if (!display.Ok()) {
        std::fprintf(stderr, "bench_startup: cannot open the X display (DISPLAY=%s) or it lacks DAMAGE; use run.sh\n",
                     std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "");
        return 1;
    }

    Program programs[] = {{"floor", paths[0], {}, {}, {}, {}},
                          {"floor+field", paths[0], {"--with-field"}, {}, {}, {}},
                          {"lumora", paths[1], {}, {}, {}, {}}};

    // One unmeasured run each first, so none pays for cold file caches; then
    // they take turns round by round, so drift on the machine hits all alike.
    for (Program& p : programs) {
        std::string error;
        if (!RunOnce(display, p, false, error)) {
            std::fprintf(stderr, "bench_startup: %s\n", error.c_str());
            return 1;
        }
    }
    for (int set = 0; set < sets; ++set) {
        std::vector<double> setTimes[3];
        for (int round = 0; round < rounds; ++round) {
            for (int k = 0; k < 3; ++k) {
                Program& p = programs[k];
                std::string error;
                const bool rss = set == 0 && round < kRssRounds;
                const auto sample = RunOnce(display, p, rss, error);
                if (!sample) {
                    std::fprintf(stderr, "bench_startup: %s\n", error.c_str());
                    return 1;
                }
                p.startMs.push_back(sample->startMs);
                setTimes[k].push_back(sample->startMs);
                if (rss) p.rssMb.push_back(sample->rssMb);
            }
        }
        for (int k = 0; k < 3; ++k) programs[k].setMedians.push_back(Median(setTimes[k]));
    }

    std::printf("First frame: exec until drawing has covered the program's window (X damage);\n");
    std::printf("RSS: VmRSS %lld s after, over the first %d rounds.\n", static_cast<long long>(kSettle.count()),
                std::min(kRssRounds, rounds));
    std::printf("%d sets of %d rounds, the programs taking turns, after one warm-up run each.\n\n", sets, rounds);
    std::printf("%-20s %13s %13s %13s %13s\n", "program", "frame median", "frame min", "RSS median", "RSS min");
    for (const Program& p : programs) {
        PrintRow(p.label.c_str(), Median(p.startMs), Min(p.startMs), Median(p.rssMb), Min(p.rssMb), "ms", "MB");
    }
    const Program& floor = programs[0];
    const Program& field = programs[1];
    const Program& bar = programs[2];
    std::printf("\n%-20s %13s %13s %13s %13s\n", "ratio", "frame median", "frame min", "RSS median", "RSS min");
    PrintRatios(field, floor);
    PrintRatios(bar, floor);
    PrintRatios(bar, field);

    std::printf("\nlumora/floor+field, median first frame of each set:");
    for (int set = 0; set < sets; ++set)
        std::printf(" %.3fx",
                    bar.setMedians[static_cast<std::size_t>(set)] / field.setMedians[static_cast<std::size_t>(set)]);
    const double ratio = Median(bar.startMs) / Median(field.startMs);
    std::printf("\nstart-up ratio (median first frame, lumora/floor+field): %.3fx, target %.2fx: %s\n", ratio, kTarget,
                ratio <= kTarget ? "met" : "NOT met");
    return 0;
}
