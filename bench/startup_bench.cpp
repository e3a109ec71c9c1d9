// Start-up, memory and idle cost of a program against a floor program, both
// measured from outside: each is started, watched over X until its window is
// mapped and all nine word cells show ink, then left to settle and to idle.
#include "ProcStats.h"
#include "Stats.h"
#include "XWindowWatch.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// Both programs lay out a 680 by 463 content area below a menu bar, with the
// nine word cells as 100 by 100 frames from (20, 20) of the content.
constexpr int ContentHeight = 463;
constexpr int CellsLeft = 20, CellsTop = 20, CellSize = 100;

// True when every cell is mostly white and holds a word's worth of ink: a
// window that is mapped but not yet painted shows black or grey there.
bool WordCellsPainted(const WindowPixels& cells) {
    if (cells.rgb.empty()) return false;
    for (int i = 0; i < 9; ++i) {
        const int left = CellSize * (i % 3), top = CellSize * (i / 3);
        int white = 0, ink = 0, all = 0;
        for (int y = top + 2; y < top + CellSize - 2; ++y) {
            for (int x = left + 2; x < left + CellSize - 2; ++x) {
                const std::uint32_t p = cells.At(x, y);
                const int darkness =
                    765 - int((p >> 16) & 0xFF) - int((p >> 8) & 0xFF) - int(p & 0xFF);
                white += p == 0xFFFFFF;
                ink += darkness > 100;
                ++all;
            }
        }
        if (white * 2 < all || ink < 20) return false;
    }
    return true;
}

struct Program {
    std::string name, path, title;
    std::vector<double> startupMs, peakRssMiB, pssMiB, ussMiB, idleCpuMs, idleRunMs, idleSwitches;
};

struct Options {
    int runs = 7;      // full runs: start-up, memory and idle
    int startups = 21; // start-up samples, the full runs' included
    double settleSeconds = 1;
    double idleSeconds = 5;
};

void Pause(double seconds) { std::this_thread::sleep_for(std::chrono::duration<double>(seconds)); }

pid_t Launch(const std::string& path) {
    const pid_t pid = fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid == 0) {
        const int null = open("/dev/null", O_RDWR);
        dup2(null, STDIN_FILENO);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    return pid;
}

void Stop(pid_t pid) {
    kill(pid, SIGTERM);
    for (int i = 0; i < 200; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) return;
        Pause(0.01);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

// A warm-up run only starts the program, so that no measured run pays for a
// cold cache; a start-up run also records the start-up time; a full run goes
// on to settle and idle.
enum class Run { WarmUp, StartUp, Full };

bool RunOnce(XWindowWatch& watch, Program& program, const Options& options, Run kind) {
    const Clock::time_point start = Clock::now();
    const pid_t pid = Launch(program.path);
    double shownMs = -1;
    while (Clock::now() - start < std::chrono::seconds(30)) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            std::fprintf(stderr, "%s exited before its window was painted\n", program.name.c_str());
            return false;
        }
        if (const xcb_window_t window = watch.FindWindow(pid, program.title)) {
            const int menuBar = watch.Height(window) - ContentHeight;
            if (menuBar >= 0 && WordCellsPainted(watch.Grab(window, CellsLeft, menuBar + CellsTop,
                                                            3 * CellSize, 3 * CellSize))) {
                shownMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
                break;
            }
        }
        Pause(0.001);
    }
    if (shownMs < 0) {
        std::fprintf(stderr, "%s showed no painted window within 30 s\n", program.name.c_str());
        Stop(pid);
        return false;
    }
    if (kind != Run::Full) {
        Stop(pid);
        if (kind == Run::StartUp) program.startupMs.push_back(shownMs);
        return true;
    }
    Pause(options.settleSeconds);
    const ProcMemory memory = ReadMemory(pid);
    const ProcActivity before = ReadActivity(pid);
    Pause(options.idleSeconds);
    const ProcActivity after = ReadActivity(pid);
    Stop(pid);

    program.startupMs.push_back(shownMs);
    program.peakRssMiB.push_back(double(memory.peakRssKiB) / 1024);
    program.pssMiB.push_back(double(memory.pssKiB) / 1024);
    program.ussMiB.push_back(double(memory.ussKiB) / 1024);
    program.idleCpuMs.push_back(after.cpuMs - before.cpuMs);
    program.idleRunMs.push_back(after.runMs - before.runMs);
    program.idleSwitches.push_back(double(after.contextSwitches - before.contextSwitches));
    std::fprintf(stderr,
                 "  %-8s start-up %7.1f ms, peak RSS %6.1f MiB, PSS %6.1f MiB, idle %ld switches\n",
                 program.name.c_str(), shownMs, program.peakRssMiB.back(), program.pssMiB.back(),
                 after.contextSwitches - before.contextSwitches);
    return true;
}

void PrintPair(const std::string& figure, const std::vector<double> Program::*values,
               const Program& subject, const Program& floor, int decimals,
               const std::string& goal) {
    const Summary s = Summarize(subject.*values), f = Summarize(floor.*values);
    PrintRow(figure + ", " + subject.name, s, decimals, RatioOf(s, f), goal);
    PrintRow(figure + ", " + floor.name, f, decimals);
}

int Usage() {
    std::fprintf(
        stderr,
        "usage: bench_startup [--runs N] [--startups N] [--settle SECONDS] [--idle SECONDS]\n"
        "                     NAME PATH TITLE FLOOR_NAME FLOOR_PATH FLOOR_TITLE\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    std::vector<std::string> positional;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 < argc && arg == "--runs")
            options.runs = std::atoi(argv[++i]);
        else if (i + 1 < argc && arg == "--startups")
            options.startups = std::atoi(argv[++i]);
        else if (i + 1 < argc && arg == "--settle")
            options.settleSeconds = std::atof(argv[++i]);
        else if (i + 1 < argc && arg == "--idle")
            options.idleSeconds = std::atof(argv[++i]);
        else
            positional.push_back(arg);
    }
    if (positional.size() != 6 || options.runs < 1) return Usage();
    Program subject{positional[0], positional[1], positional[2], {}, {}, {}, {}, {}, {}, {}};
    Program floor{positional[3], positional[4], positional[5], {}, {}, {}, {}, {}, {}, {}};

    try {
        XWindowWatch watch;
        if (!RunOnce(watch, subject, options, Run::WarmUp) ||
            !RunOnce(watch, floor, options, Run::WarmUp))
            return 1;
        for (int run = 0; run < std::max(options.runs, options.startups); ++run) {
            // Alternate which goes first, so that neither always follows the other.
            Program& first = run % 2 ? floor : subject;
            Program& second = run % 2 ? subject : floor;
            const Run kind = run < options.runs ? Run::Full : Run::StartUp;
            if (!RunOnce(watch, first, options, kind) || !RunOnce(watch, second, options, kind))
                return 1;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_startup: %s\n", e.what());
        return 1;
    }

    PrintHeader();
    const std::string idle = Fixed(options.idleSeconds, 0) + " s";
    PrintPair("start-up to painted window (ms) n=" + std::to_string(subject.startupMs.size()),
              &Program::startupMs, subject, floor, 1, "goal ratio <= 1.2");
    PrintPair("peak RSS, VmHWM (MiB)", &Program::peakRssMiB, subject, floor, 1,
              "goal ratio <= 1.2");
    PrintPair("PSS after " + Fixed(options.settleSeconds, 0) + " s (MiB)", &Program::pssMiB,
              subject, floor, 1, "goal ratio <= 1.2; moves with what else maps the libraries");
    PrintPair("private memory, USS after " + Fixed(options.settleSeconds, 0) + " s (MiB)",
              &Program::ussMiB, subject, floor, 1, "pages no other process maps right then");
    PrintPair("idle CPU utime+stime per " + idle + " (ms)", &Program::idleCpuMs, subject, floor, 0,
              "kernel clock ticks");
    PrintPair("idle CPU schedstat per " + idle + " (ms)", &Program::idleRunMs, subject, floor, 2,
              "all threads, ns clock");
    PrintPair("idle context switches per " + idle, &Program::idleSwitches, subject, floor, 0,
              "all threads; goal: the floor's level");
    return 0;
}
