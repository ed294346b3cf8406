// Start to exit of the commands that need no display, beside the tools people use for the same
// job: `tintavo color 0x123456`, and the same 32 x 32 icon from tests/data/icon/star.bmp made
// by `tintavo icon`, by icoutils' `icotool -c` (from a PNG of the same picture, as it reads no
// bitmaps) and by ImageMagick's `convert`. Each iteration starts a fresh process without any
// display. Targets: color under 30 ms; icon under half of convert's time.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

const std::string kSourceDir = [] {
    std::string file = __FILE__;
    return file.substr(0, file.rfind("/bench/"));
}();
const std::string kStar = kSourceDir + "/tests/data/icon/star.bmp";

std::string scratch()
{
    static const std::string dir = [] {
        char pattern[] = "/tmp/tintavo-bench-XXXXXX";
        const char *made = mkdtemp(pattern);
        return std::string(made ? made : "/tmp");
    }();
    return dir;
}

// Runs a program to its end without any display; its exit status, or -1.
int runProgram(std::vector<std::string> args)
{
    std::vector<char *> argv;
    for (std::string &a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    std::vector<std::string> envStrings;
    for (char **e = environ; *e; ++e) {
        const std::string s = *e;
        if (s.rfind("DISPLAY=", 0) != 0 && s.rfind("WAYLAND_DISPLAY=", 0) != 0)
            envStrings.push_back(s);
    }
    std::vector<char *> envp;
    for (std::string &s : envStrings)
        envp.push_back(s.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int rc = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0)
        return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void timeProgram(benchmark::State &state, const std::vector<std::string> &args)
{
    for (auto _ : state) {
        if (runProgram(args) != 0) {
            state.SkipWithError(("failed: " + args[0]).c_str());
            return;
        }
    }
}

void BM_TintavoColor(benchmark::State &state)
{
    timeProgram(state, { TINTAVO_BINARY, "color", "0x123456" });
}
BENCHMARK(BM_TintavoColor)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_TintavoIcon(benchmark::State &state)
{
    timeProgram(state, { TINTAVO_BINARY, "icon", kStar, "-o", scratch() + "/tintavo.ico" });
}
BENCHMARK(BM_TintavoIcon)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_IcotoolIcon(benchmark::State &state)
{
    const std::string png = scratch() + "/star.png";
    if (runProgram({ "convert", kStar, png }) != 0) {
        state.SkipWithError("ImageMagick could not make the PNG icotool reads");
        return;
    }
    timeProgram(state, { "icotool", "-c", "-o", scratch() + "/icotool.ico", png });
}
BENCHMARK(BM_IcotoolIcon)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ConvertIcon(benchmark::State &state)
{
    timeProgram(state, { "convert", kStar, scratch() + "/convert.ico" });
}
BENCHMARK(BM_ConvertIcon)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
