// Cold start of the real program to its launcher being on screen, to the pipette of
// `tintavo pick --copy`, the global pick key of a running program to its frozen overlay, and
// the program's memory once idle.
// Each repetition starts a fresh process with empty settings and waits for the X server to
// report the first window mapped; run under an X server (make bench does).

#include <benchmark/benchmark.h>

#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

struct X
{
    xcb_connection_t *c = nullptr;
    X()
    {
        c = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(c))
            return;
        xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(c);
    }
    ~X() { xcb_disconnect(c); }
    void drain()
    {
        while (xcb_generic_event_t *e = xcb_poll_for_event(c))
            free(e);
    }
    bool waitForMap(int timeoutMs)
    {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (std::chrono::steady_clock::now() < end) {
            while (xcb_generic_event_t *e = xcb_poll_for_event(c)) {
                const bool mapped = (e->response_type & 0x7f) == XCB_MAP_NOTIFY;
                free(e);
                if (mapped)
                    return true;
            }
            pollfd p { xcb_get_file_descriptor(c), POLLIN, 0 };
            poll(&p, 1, 5);
        }
        return false;
    }
};

std::string makeHome()
{
    char tmpl[] = "/tmp/tintavo-bench-XXXXXX";
    const std::string home = mkdtemp(tmpl);
    mkdir((home + "/run").c_str(), 0700);
    return home;
}

pid_t spawnProgram(
    const std::string &home, const char *command = nullptr, const char *option = nullptr)
{
    setenv("XDG_CONFIG_HOME", (home + "/config").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", (home + "/run").c_str(), 1);
    pid_t pid = 0;
    char *argv[] = { const_cast<char *>(TINTAVO_BINARY), const_cast<char *>(command),
        const_cast<char *>(option), nullptr };
    posix_spawn(&pid, TINTAVO_BINARY, nullptr, nullptr, argv, environ);
    return pid;
}

void stop(pid_t pid)
{
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

long rssKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kib = 0;
            status >> kib;
            return kib;
        }
        status.ignore(4096, '\n');
    }
    return -1;
}

// From the start of a fresh process with empty settings to its first window mapped.
void coldStartToWindow(benchmark::State &state, const char *command, const char *option)
{
    X x;
    if (xcb_connection_has_error(x.c)) {
        state.SkipWithError("no X server");
        return;
    }
    for (auto _ : state) {
        const std::string home = makeHome();
        x.drain();
        const auto t0 = std::chrono::steady_clock::now();
        const pid_t pid = spawnProgram(home, command, option);
        const bool shown = x.waitForMap(10000);
        const auto t1 = std::chrono::steady_clock::now();
        stop(pid);
        std::system(("rm -rf " + home).c_str());
        if (!shown) {
            state.SkipWithError("no window showed");
            return;
        }
        state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
    }
}

void BM_ColdStartToLauncherShown(benchmark::State &state)
{
    coldStartToWindow(state, nullptr, nullptr);
}
BENCHMARK(BM_ColdStartToLauncherShown)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

// The screenshot shortcut's command to its editor on screen over the frozen desktop.
void BM_ColdStartToEditorShown(benchmark::State &state)
{
    coldStartToWindow(state, "capture", "--edit");
}
BENCHMARK(BM_ColdStartToEditorShown)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

// The desktop's "Pick a colour" action to the frozen overlay on screen.
void BM_ColdStartToPickOverlayShown(benchmark::State &state)
{
    coldStartToWindow(state, "pick", "--copy");
}
BENCHMARK(BM_ColdStartToPickOverlayShown)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

xcb_keycode_t keycodeOf(xcb_connection_t *c, xcb_keysym_t keysym)
{
    const xcb_setup_t *setup = xcb_get_setup(c);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    xcb_get_keyboard_mapping_reply_t *mapping = xcb_get_keyboard_mapping_reply(
        c, xcb_get_keyboard_mapping(c, setup->min_keycode, uint8_t(count)), nullptr);
    xcb_keycode_t found = 0;
    if (mapping) {
        const xcb_keysym_t *syms = xcb_get_keyboard_mapping_keysyms(mapping);
        for (int i = 0; i < count * mapping->keysyms_per_keycode && !found; ++i) {
            if (syms[i] == keysym)
                found = xcb_keycode_t(setup->min_keycode + i / mapping->keysyms_per_keycode);
        }
        free(mapping);
    }
    return found;
}

// Presses the keys together, then lets them go, as a user does.
void press(xcb_connection_t *c, std::initializer_list<xcb_keysym_t> keysyms)
{
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    for (xcb_keysym_t k : keysyms)
        xcb_test_fake_input(c, XCB_KEY_PRESS, keycodeOf(c, k), XCB_CURRENT_TIME, root, 0, 0, 0);
    for (xcb_keysym_t k : keysyms)
        xcb_test_fake_input(c, XCB_KEY_RELEASE, keycodeOf(c, k), XCB_CURRENT_TIME, root, 0, 0, 0);
    xcb_flush(c);
}

// Super+Shift+C pressed anywhere while the program runs, to its frozen overlay on screen; Esc
// ends each pick.
void BM_PickKeyToOverlayShown(benchmark::State &state)
{
    X x;
    if (xcb_connection_has_error(x.c)) {
        state.SkipWithError("no X server");
        return;
    }
    const std::string home = makeHome();
    x.drain();
    const pid_t pid = spawnProgram(home);
    if (!x.waitForMap(10000)) {
        stop(pid);
        state.SkipWithError("no launcher showed");
        return;
    }
    usleep(1000 * 1000);
    constexpr xcb_keysym_t kSuper = 0xffeb, kShift = 0xffe1, kC = 'c', kEscape = 0xff1b;
    for (auto _ : state) {
        x.drain();
        const auto t0 = std::chrono::steady_clock::now();
        press(x.c, { kSuper, kShift, kC });
        const bool shown = x.waitForMap(5000);
        const auto t1 = std::chrono::steady_clock::now();
        usleep(200 * 1000);
        press(x.c, { kEscape });
        usleep(300 * 1000);
        if (!shown) {
            state.SkipWithError("no overlay showed");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
    }
    stop(pid);
    std::system(("rm -rf " + home).c_str());
}
BENCHMARK(BM_PickKeyToOverlayShown)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

void BM_IdleMemory(benchmark::State &state)
{
    X x;
    for (auto _ : state) {
        const std::string home = makeHome();
        x.drain();
        const pid_t pid = spawnProgram(home);
        x.waitForMap(10000);
        usleep(1000 * 1000);
        state.counters["rss_MiB"] = double(rssKiB(pid)) / 1024.0;
        stop(pid);
        std::system(("rm -rf " + home).c_str());
    }
}
BENCHMARK(BM_IdleMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
