// Start-up benchmark driver: how long the bar takes from exec to its window
// being mapped, and how much memory it holds once settled, against a bare Qt
// window of the same shape (bench_floor_window), and against that window with
// one text field in it (bench_floor_window --with-field).
//
// Needs DISPLAY pointing at an X server without a window manager (run.sh
// starts one): the first MapNotify on the root window after exec is then the
// program's own window, not a frame.
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
constexpr double kTarget = 1.15;

struct Program {
    std::string label;
    std::string path;
    std::vector<std::string> args;
    std::vector<double> startMs;
    std::vector<double> rssMb;
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

    bool Ok() const { return m_conn && !xcb_connection_has_error(m_conn); }

    void Drain()
    {
        while (xcb_generic_event_t* ev = xcb_poll_for_event(m_conn)) free(ev);
    }

    // Waits for a top-level window of `pid` to be mapped; returns the time the
    // event arrived, or nothing at the deadline or when the child has died.
    std::optional<Clock::time_point> WaitForMap(pid_t pid, Clock::time_point deadline)
    {
        const int fd = xcb_get_file_descriptor(m_conn);
        while (Clock::now() < deadline) {
            while (xcb_generic_event_t* ev = xcb_poll_for_event(m_conn)) {
                const auto now = Clock::now();
                const bool mapped = (ev->response_type & 0x7f) == XCB_MAP_NOTIFY;
                const xcb_window_t window = mapped ? reinterpret_cast<xcb_map_notify_event_t*>(ev)->window : 0;
                free(ev);
                if (mapped && OwnedBy(window, pid)) return now;
            }
            if (xcb_connection_has_error(m_conn)) return std::nullopt;
            if (waitpid(pid, nullptr, WNOHANG) == pid) return std::nullopt;
            pollfd p{fd, POLLIN, 0};
            poll(&p, 1, 100);
        }
        return std::nullopt;
    }

private:
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

std::optional<Sample> RunOnce(Display& display, const Program& program, std::string& error)
{
    const std::string& path = program.path;
    std::string dir = (std::filesystem::temp_directory_path() / "lumora-bench-XXXXXX").string();
    if (!mkdtemp(dir.data())) {
        error = "mkdtemp failed";
        return std::nullopt;
    }
    display.Drain();

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
    if (const auto mapped = display.WaitForMap(pid, t0 + kMapDeadline)) {
        const double ms = std::chrono::duration<double, std::milli>(*mapped - t0).count();
        std::this_thread::sleep_for(kSettle);
        const double rss = ResidentMb(pid);
        if (rss > 0)
            sample = Sample{ms, rss};
        else
            error = path + " exited within " + std::to_string(kSettle.count()) + " s of showing its window";
    } else {
        error = path + " did not map a window within " + std::to_string(kMapDeadline.count()) + " s";
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
    std::fprintf(stderr, "usage: %s [--runs N] <floor-program> <lumora-program>\n", argv0);
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    int runs = 15;
    std::vector<std::string> paths;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--runs" && i + 1 < argc) {
            runs = std::atoi(argv[++i]);
            if (runs < 1) return Usage(argv[0]);
        } else if (arg.rfind("--", 0) == 0) {
            return Usage(argv[0]);
        } else {
            paths.push_back(arg);
        }
    }
    if (paths.size() != 2) return Usage(argv[0]);

    Display display;
    if (!display.Ok()) {
        std::fprintf(stderr, "bench_startup: cannot open the X display (DISPLAY=%s); use run.sh\n",
                     std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "");
        return 1;
    }

    Program programs[] = {{"floor", paths[0], {}, {}, {}},
                          {"floor+field", paths[0], {"--with-field"}, {}, {}},
                          {"lumora", paths[1], {}, {}, {}}};

    // One unmeasured run each first, so none pays for cold file caches; then
    // they take turns so drift on the machine hits all alike.
    for (int i = -1; i < runs; ++i) {
        for (Program& p : programs) {
            std::string error;
            const auto sample = RunOnce(display, p, error);
            if (!sample) {
                std::fprintf(stderr, "bench_startup: %s\n", error.c_str());
                return 1;
            }
            if (i < 0) continue;
            p.startMs.push_back(sample->startMs);
            p.rssMb.push_back(sample->rssMb);
        }
    }

    std::printf("Start-up: exec to the MapNotify of the program's window; RSS: VmRSS %lld s after.\n",
                static_cast<long long>(kSettle.count()));
    std::printf("%d runs each, taking turns, after one warm-up run each.\n\n", runs);
    std::printf("%-20s %13s %13s %13s %13s\n", "program", "start median", "start min", "RSS median", "RSS min");
    for (const Program& p : programs) {
        PrintRow(p.label.c_str(), Median(p.startMs), Min(p.startMs), Median(p.rssMb), Min(p.rssMb), "ms", "MB");
    }
    const Program& floor = programs[0];
    const Program& field = programs[1];
    const Program& bar = programs[2];
    PrintRatios(field, floor);
    PrintRatios(bar, field);
    PrintRatios(bar, floor);
    std::printf("%-20s", "target");
    for (double r : Ratios(bar, floor)) std::printf(" %13s", r <= kTarget ? "ok" : "ABOVE");
    std::printf("\n\nTarget: lumora's start-up and RSS within %.2fx of the floor.\n", kTarget);
    return 0;
}
