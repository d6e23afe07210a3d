// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Summon benchmark driver: from the XTEST press of the hotkey (Ctrl+Alt+Space),
// and from the exec of `lumora --show`, until the bar stands at y = -2 with
// the keyboard focus, starting each round from a retracted bar whose focus
// has gone to another window (the driver's own).
//
// Usage: bench_summon [--rounds N] <bar window id> <lumora program>
// DISPLAY and XDG_RUNTIME_DIR must be the running bar's (run.sh sets them).
#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kShownTop = -2;
constexpr double kHotkeyTargetMs = 16.0;
constexpr double kShowTargetMs = 30.0;
constexpr auto kDeadline = std::chrono::seconds(5);

constexpr xcb_keysym_t kControlL = 0xffe3;
constexpr xcb_keysym_t kAltL = 0xffe9;
constexpr xcb_keysym_t kSpace = 0x20;
constexpr xcb_keysym_t kEscape = 0xff1b;

class Driver {
public:
    Driver(xcb_window_t bar)
        : m_bar(bar)
    {
        m_conn = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(m_conn)) return;
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(m_conn)).data;
        m_root = screen->root;
        // A window of our own to hold the focus between rounds.
        m_other = xcb_generate_id(m_conn);
        xcb_create_window(m_conn, XCB_COPY_FROM_PARENT, m_other, m_root, 300, 300, 200, 100, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, 0, nullptr);
        xcb_map_window(m_conn, m_other);
        xcb_flush(m_conn);
        m_ok = true;
    }
    ~Driver()
    {
        if (m_conn) xcb_disconnect(m_conn);
    }
    bool Ok() const { return m_ok; }

    xcb_keycode_t Keycode(xcb_keysym_t keysym)
    {
        const xcb_setup_t* setup = xcb_get_setup(m_conn);
        const int count = setup->max_keycode - setup->min_keycode + 1;
        xcb_get_keyboard_mapping_reply_t* mapping = xcb_get_keyboard_mapping_reply(
            m_conn, xcb_get_keyboard_mapping(m_conn, setup->min_keycode, static_cast<std::uint8_t>(count)), nullptr);
        xcb_keycode_t code = 0;
        if (mapping) {
            const xcb_keysym_t* keysyms = xcb_get_keyboard_mapping_keysyms(mapping);
            for (int i = 0; i < count * mapping->keysyms_per_keycode && !code; ++i) {
                if (keysyms[i] == keysym)
                    code = static_cast<xcb_keycode_t>(setup->min_keycode + i / mapping->keysyms_per_keycode);
            }
            std::free(mapping);
        }
        return code;
    }

    void Key(xcb_keycode_t code, bool press)
    {
        xcb_test_fake_input(m_conn, press ? XCB_KEY_PRESS : XCB_KEY_RELEASE, code, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    }
    void Flush() { xcb_flush(m_conn); }

    int BarTop()
    {
        xcb_translate_coordinates_reply_t* reply =
            xcb_translate_coordinates_reply(m_conn, xcb_translate_coordinates(m_conn, m_bar, m_root, 0, 0), nullptr);
        const int top = reply ? reply->dst_y : 1 << 20;
        std::free(reply);
        return top;
    }

    xcb_window_t Focus()
    {
        xcb_get_input_focus_reply_t* reply = xcb_get_input_focus_reply(m_conn, xcb_get_input_focus(m_conn), nullptr);
        const xcb_window_t focus = reply ? reply->focus : 0;
        std::free(reply);
        return focus;
    }

    bool Summoned() { return BarTop() == kShownTop && Focus() == m_bar; }

    // Polls as fast as the server answers.
    bool WaitFor(const std::function<bool()>& condition)
    {
        const Clock::time_point end = Clock::now() + kDeadline;
        while (!condition()) {
            if (Clock::now() > end) return false;
            std::this_thread::sleep_for(std::chrono::microseconds(50));
        }
        return true;
    }

    // The bar retracted and the focus on our own window.
    bool Reset()
    {
        if (!WaitFor([this] { return BarTop() < kShownTop - 10; })) return false;
        xcb_set_input_focus(m_conn, XCB_INPUT_FOCUS_POINTER_ROOT, m_other, XCB_CURRENT_TIME);
        Flush();
        return WaitFor([this] { return Focus() == m_other; });
    }

private:
    xcb_connection_t* m_conn = nullptr;
    xcb_window_t m_root = 0;
    xcb_window_t m_bar = 0;
    xcb_window_t m_other = 0;
    bool m_ok = false;
};

double MsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void Print(const char* label, std::vector<double> samples, double target)
{
    std::sort(samples.begin(), samples.end());
    const double median = samples[samples.size() / 2];
    std::printf("%-34s %9.2f ms %9.2f ms %9.2f ms   target < %.0f ms: %s\n", label, median, samples.front(),
                samples.back(), target, median < target ? "met" : "MISSED");
}

}  // namespace

int main(int argc, char** argv)
{
    int rounds = 21;
    int arg = 1;
    if (argc > 2 && std::strcmp(argv[1], "--rounds") == 0) {
        rounds = std::max(1, std::atoi(argv[2]));
        arg = 3;
    }
    if (argc - arg != 2) {
        std::fprintf(stderr, "usage: %s [--rounds N] <bar window id> <lumora program>\n", argv[0]);
        return 2;
    }
    const auto bar = static_cast<xcb_window_t>(std::strtoul(argv[arg], nullptr, 0));
    const std::string lumora = argv[arg + 1];

    Driver driver(bar);
    if (!driver.Ok()) {
        std::fprintf(stderr, "bench_summon: cannot open the X display; use run.sh\n");
        return 1;
    }
    const xcb_keycode_t control = driver.Keycode(kControlL);
    const xcb_keycode_t alt = driver.Keycode(kAltL);
    const xcb_keycode_t space = driver.Keycode(kSpace);
    const xcb_keycode_t escape = driver.Keycode(kEscape);
    if (!control || !alt || !space || !escape) {
        std::fprintf(stderr, "bench_summon: the keyboard lacks Control_L, Alt_L, space or Escape\n");
        return 1;
    }

    auto sendBack = [&] {
        driver.Key(escape, true);
        driver.Key(escape, false);
        driver.Flush();
    };

    std::vector<double> hotkey;
    std::vector<double> show;
    // One warm-up round of each, not counted.
    for (int round = -1; round < rounds; ++round) {
        if (!driver.Reset()) {
            std::fprintf(stderr, "bench_summon: the bar did not retract, or the focus did not move\n");
            return 1;
        }
        Clock::time_point start = Clock::now();
        driver.Key(control, true);
        driver.Key(alt, true);
        driver.Key(space, true);
        driver.Flush();
        if (!driver.WaitFor([&] { return driver.Summoned(); })) {
            std::fprintf(stderr, "bench_summon: the hotkey did not bring the bar down with the focus\n");
            return 1;
        }
        if (round >= 0) hotkey.push_back(MsSince(start));
        driver.Key(space, false);
        driver.Key(alt, false);
        driver.Key(control, false);
        sendBack();

        if (!driver.Reset()) {
            std::fprintf(stderr, "bench_summon: the bar did not retract, or the focus did not move\n");
            return 1;
        }
        start = Clock::now();
        const pid_t pid = fork();
        if (pid == 0) {
            execl(lumora.c_str(), lumora.c_str(), "--show", static_cast<char*>(nullptr));
            _exit(127);
        }
        if (pid < 0 || !driver.WaitFor([&] { return driver.Summoned(); })) {
            std::fprintf(stderr, "bench_summon: lumora --show did not bring the bar down with the focus\n");
            return 1;
        }
        const double shownMs = MsSince(start);
        int status = 0;
        waitpid(pid, &status, 0);
        // The client's whole process counts: until it has exited, if later.
        if (round >= 0) show.push_back(std::max(shownMs, MsSince(start)));
        sendBack();
    }

    std::printf("Summon: from a retracted bar, the focus on another window, until the bar is at\n");
    std::printf("y = -2 with the keyboard focus; %d rounds after one warm-up.\n\n", rounds);
    std::printf("%-34s %12s %12s %12s\n", "summon", "median", "min", "max");
    Print("hotkey (XTEST press)", hotkey, kHotkeyTargetMs);
    Print("lumora --show (exec to exit)", show, kShowTargetMs);
    return 0;
}
